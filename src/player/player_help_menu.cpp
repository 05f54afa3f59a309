// The help menu's own commands: opening the help text, deleting the stored version number and
// the emergency exit.
#include <exception>
#include <memory>
#include <stdexcept>

#include "platform/process.h"
#include "platform/registry.h"
#include "player/player_window.h"
#include "product/layout.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

namespace {

constexpr const char* kVersionQuestion =
    "ﾊﾞｰｼﾞｮﾝ番号削除：\n"
    "ｲﾝｽﾂｰﾙｿﾌﾄを再起動させたい時に使います。\n"
    "なお、ﾊﾞｰｼﾞｮﾝが違う時は、ｲﾝｽﾂｰﾙｿﾌﾄが自動起動するので、\n"
    "ﾊﾞｰｼﾞｮﾝ番号を削除する必要無しです。\n"
    "ﾊﾞｰｼﾞｮﾝ番号を削除してもよろしいですか？？？";

constexpr const char* kEmergencyQuestion =
    "緊急脱出装置：\n"
    "何等かの理由により、当ソフトが終了出来なくなった場合に使います。\n"
    "なお、緊急脱出すると、すべてのデータが保存されません。\n"
    "また、当ソフトが一般保護ｴﾗｰを起こす事もあり得ます。\n"
    "一部のメモリーを解放出来ない事もあり得ます。\n"
    "緊急終了してもよろしいですか？？？";

}  // namespace

void TTAVEL32KOLAP::WireHelpMenu() {
  HELP1.OnClick = [this] { HELP1Click(); };
  help4.OnClick = [this] { help4Click(); };
  MHELP3.OnClick = [this] { MHELP3Click(); };
}

// Whether the editor started is not checked: the user sees it or not. The folder of the help text
// becomes the current folder first; when it cannot, the error goes to the standard error display
// and nothing is started.
void TTAVEL32KOLAP::HELP1Click() {
  std::string folder = WithoutBackslash(FolderOf(services_.process.OwnPath()));
  if (int error = services_.process.SetCurrentFolder(folder)) {
    throw std::runtime_error("I/O error " + std::to_string(error));
  }
  try {
    services_.process.Execute("notepad.exe " + JoinPath(folder, kHelpFileName));
  } catch (const std::exception&) {
    StackBoxDlg1.ShowMsg("使い方：メモリーが確保できません");
  }
}

// Without a version number the next start runs setup again; this player runs on unchanged.
void TTAVEL32KOLAP::help4Click() {
  if (YesNoBoxDlg1.Execute(kVersionQuestion) != kResultYes) {
    StackBoxDlg1.ShowTimedMsg("ﾊﾞｰｼﾞｮﾝ番号削除を中止しました・・・");
    return;
  }
  auto busy = App().ShowBusy();
  std::unique_ptr<RegistryKey> key = OpenSettingsKey(services_.registry);
  if (key) key->WriteString(kVersionValue, "");
}

// The way out when a close is refused for good: playing stops whatever the answer, and a yes
// closes the window without saving anything.
void TTAVEL32KOLAP::MHELP3Click() {
  State.AbortRequest = 1;
  App().ProcessMessages();
  if (YesNoBoxDlg1.Execute(kEmergencyQuestion) != kResultYes) {
    StackBoxDlg1.ShowTimedMsg("緊急脱出を中止しました・・・");
    return;
  }
  State.StartGuard = 0;
  State.EmergencyExit = 1;
  Close();
}

}  // namespace tavel
