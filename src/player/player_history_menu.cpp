// The history menu command: the user sets how many files the history keeps, 0 for none.
#include "player/player_window.h"
#include "ui/application.h"

namespace tavel {

namespace {

// Clears the menu guard on every way out, so that a failure cannot leave the menu dead.
class MenuSyncScope {
 public:
  explicit MenuSyncScope(std::uint8_t& flag) : flag_(flag) { flag_ = 1; }
  ~MenuSyncScope() { flag_ = 0; }
  MenuSyncScope(const MenuSyncScope&) = delete;
  MenuSyncScope& operator=(const MenuSyncScope&) = delete;

 private:
  std::uint8_t& flag_;
};

}  // namespace

void TTAVEL32KOLAP::WireHistoryMenu() {
  FILEHIS.OnClick = [this] { FILEHISClick(); };
}

// The new limit acts on the next addition to the history and is saved at close.
void TTAVEL32KOLAP::FILEHISClick() {
  if (State.MenuSync) return;
  MenuSyncScope sync(State.MenuSync);
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
