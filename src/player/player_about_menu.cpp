// The help menu's version information: the about box filled with the product, the installed
// version and the types the player plays.
#include "player/player_window.h"
#include "player/settings.h"

namespace tavel {

void TTAVEL32KOLAP::WireAboutMenu() {
  HELP2.OnClick = [this] { HELP2Click(); };
}

// Looking at the version must not leave a settings key behind, so Version is read without
// creating it. The box's answer changes nothing.
void TTAVEL32KOLAP::HELP2Click() {
  AboutBoxDlg1.ProductName = "TAVEL32.EXE 楽蔵32";
  AboutBoxDlg1.Version = VersionText(services_.registry);
  AboutBoxDlg1.Title = kAppTitle;
  AboutBoxDlg1.Comment0 = "歌蔵32ﾒﾓﾘｰﾃﾞｰﾀ専用音楽ﾌｧｲﾙ連続再生";
  // With MP3 and WMA the line names them in place of RMI and AIF, so that it keeps the width the
  // box has room for.
  AboutBoxDlg1.Comment1 = MP3WMA.Checked() ? "*.WAV;*.MID;*.MP3;*.WMAﾌｧｲﾙ等対応。"
                                           : "*.WAV;*.MID;*.RMI;*.AIFﾌｧｲﾙ等対応。";
  AboutBoxDlg1.Execute();
}

}  // namespace tavel
