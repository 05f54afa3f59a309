// The history menu command: the user sets how many files the history keeps, 0 for none.
#include "base/scoped_value.h"
#include "player/player_window.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::WireHistoryMenu() {
  FILEHIS.OnClick = [this] { FILEHISClick(); };
}

// The new limit acts on the next addition to the history and is saved at close.
void TTAVEL32KOLAP::FILEHISClick() {
  if (State.MenuSync) return;
  ScopedValue<std::uint8_t> sync(State.MenuSync, 1);
  App().ProcessMessages();
  TmSETBoxDlg1.TCount = State.HistoryLimit;
  TmSETBoxDlg1.MinCount = 0;
  TmSETBoxDlg1.Msg0 = "";  // no first line: the count is in items
  TmSETBoxDlg1.Msg1 = "ﾌｧｲﾙﾋｽﾄﾘｰ登録個数：";
  TmSETBoxDlg1.Msg2 = "";
  if (TmSETBoxDlg1.Execute("ﾌｧｲﾙﾋｽﾄﾘｰ") == kResultOk) {
    State.HistoryLimit = TmSETBoxDlg1.TCount;
    UpdateHistoryCaption();
  } else {
    StackBoxDlg1.ShowTimedMsg("中止しました。");
  }
}

}  // namespace tavel
