// The setup window: its controls, its creation in every mode and the install dialogue's small
// handlers.
#include "setup/setup_window.h"

#include <new>

#include "dialogs/dialog_painting.h"
#include "dialogs/work_area.h"
#include "platform/file_system.h"
#include "product/identity.h"
#include "product/layout.h"
#include "setup/installer.h"
#include "setup/progman.h"
#include "setup/setup_messages.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

namespace msg = setup_messages;

namespace {

constexpr int kWindowsFolderChars = 300;

void Place(Control& control, const Rect& bounds, const std::string& caption,
           const std::string& hint = "") {
  control.SetBounds(bounds);
  control.SetCaption(caption);
  control.SetHint(hint);
}

}  // namespace

TTVLSETUPForm::TTVLSETUPForm(Application& app, Services& services, EntryState& entry)
    : Form(app, kSetupClass, "TVLSETUPForm"),
      KolapBoxDlg1(app, services.desktop, DialogWorkArea),
      YesNoBoxDlg1(app, services.desktop, DialogWorkArea),
      DIROPENDLG1(app, services),
      services_(services),
      entry_(entry) {
  SetUpControls();
  FormCreate();
}

void TTVLSETUPForm::SetUpControls() {
  Font system;
  system.face = "System";
  system.height = 13;
  SetFont(system);
  SetBorder(BorderStyle::Dialog);
  SetStayOnTop(true);
  SetShowHint(true);
  SetClientSize(464, 172);

  Place(Label1, {8, 8, 0, 0}, "TAVEL32.EXEを置くフォルダーの設定：");
  Place(Edit1, {8, 26, 282, 24}, "", "登録するフォルダーの設定");
  Place(Button1, {298, 24, 76, 28}, "参照", "既に存在するフォルダーから選択する時");
  Place(Button4, {380, 24, 76, 28}, "初期値", "初期値に戻す");
  Place(Label2, {8, 60, 0, 0}, "TAVEL32.EXEを登録するグループの選択：");
  Place(ComboBox1, {8, 78, 282, 24}, "", "登録グループ名を選びます");
  Place(CheckBoxBkColor, {298, 80, 158, 20}, "標準色", "入力部のバックの色を選択する");
  CheckBoxBkColor.SetChecked(true);
  Place(CheckBoxST, {8, 110, 448, 20}, "スタートアップグループにも、アイコンを登録する。");
  CheckBoxST.SetChecked(true);
  Place(Button2, {298, 136, 76, 28}, "中止", "インスツールを中止します");
  Button2.SetCancel(true);
  Place(Button5, {380, 136, 76, 28}, "設定中");
  Place(Button3, {380, 136, 76, 28}, "設定", "現在の設定値で登録する");
  Button3.SetDefault(true);

  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  CheckBoxBkColor.OnClick = [this] { CheckBoxBkColorClick(); };
  OnPaint = [this] { FormPaint(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  Timer3.OnTimer = [this] { Timer3Timer(); };
  TimerErOut.OnTimer = [this] { TimerErOutTimer(); };
}

void TTVLSETUPForm::FormCreate() {
  UninstallDisplayName = tavel::UninstallDisplayName();
  TitleBase = App().Title() + " V" + FormatVersion(kThisVersion, "．");
  SetCaption(TitleBase);
  if (!ReadWindowsFolder()) {
    Tell(msg::kNoMemory);
    entry_.ModeCode = kModeNormal;
    App().SetShowMainForm(false);
    TimerErOut.SetEnabled(true);
    return;
  }
  Size screen = services_.desktop.ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);
  if (entry_.ModeCode > kModeNormal) {
    Timer* first = entry_.ModeCode == kModeUninstall         ? &Timer1
                   : entry_.ModeCode == kModeUninstallerCopy ? &Timer2
                                                             : &TimerErOut;
    first->SetEnabled(true);
    App().SetShowMainForm(false);
    SetCaption(TitleBase + " アンインスツール");
    App().SetTitle(Caption());
    return;
  }
  OpenInstallDialogue();
}

// The Windows folder is read into a buffer of 300 characters. A folder that cannot be read at all
// leaves the drive root C:\ in its place, so that the install still offers a folder.
bool TTVLSETUPForm::ReadWindowsFolder() {
  try {
    std::string folder = services_.files.WindowsFolder(kWindowsFolderChars);
    SetupWindowsDir = folder.empty() ? std::string("C:\\") : WithBackslash(folder);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void TTVLSETUPForm::OpenInstallDialogue() {
  SetCaption(TitleBase + " インスツール");
  App().SetTitle(Caption());
  App().ProcessMessages();
  ReadPreviousInstall();
  App().ProcessMessages();
  FetchGroups();
}

void TTVLSETUPForm::ReadPreviousInstall() {
  PreviousInstall previous = tavel::ReadPreviousInstall(services_.registry, SetupWindowsDir);
  DefaultFolder = previous.folder;
  SavedGroup = previous.group;
  Edit1.SetCaption(DefaultFolder);
}

// The group box offers Program Manager's groups. When they cannot be fetched the box shows the
// maker's group as its text, so that the user can install at once or type another name over it.
void TTVLSETUPForm::FetchGroups() {
  if (FetchProgmanGroups(services_.dde, ComboBox1, SavedGroup)) return;
  ComboBox1.SetCaption(kMakerGroup);
  Tell(msg::kNoGroups);
}

void TTVLSETUPForm::Button1Click() {
  DIROPENDLG1.StandardColor = CheckBoxBkColor.Checked();
  DIROPENDLG1.Title = "登録先";
  DIROPENDLG1.Directory = Edit1.Caption();
  std::string chosen = DIROPENDLG1.Execute();
  if (!chosen.empty()) Edit1.SetCaption(chosen);
}

void TTVLSETUPForm::Button2Click() {
  Tell(msg::kInstallCancelled);
  Close();
}

void TTVLSETUPForm::Button4Click() {
  Edit1.SetCaption(DefaultFolder);
}

void TTVLSETUPForm::CheckBoxBkColorClick() {
  Color c =
      CheckBoxBkColor.Checked() ? services_.desktop.SystemColor(SysColor::Window) : GetColor();
  ComboBox1.SetColor(c);
  Edit1.SetColor(c);
}

void TTVLSETUPForm::FormPaint() {
  SetColor(DialogFormColor(services_.desktop));
}

}  // namespace tavel
