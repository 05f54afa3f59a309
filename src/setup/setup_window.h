// The setup window: the visible install dialogue, or a hidden window that runs the uninstall steps
// from its timers. The work itself is the installer's and the uninstaller's; the window holds the
// user's choices and answers their notices and questions with its boxes.
#pragma once

#include <string>

#include "dialogs/kolap_box.h"
#include "dialogs/yes_no_box.h"
#include "folders/folder_dialog.h"
#include "platform/services.h"
#include "product/entry_state.h"
#include "setup/setup_user.h"
#include "setup/uninstaller_copy.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/timer.h"

namespace tavel {

class TTVLSETUPForm : public Form, private SetupUser {
 public:
  TTVLSETUPForm(Application& app, Services& services, EntryState& entry);

  std::string UninstallDisplayName;  // KOLAP 楽蔵32 T-VEL V1.1
  std::string TitleBase;             // 楽蔵32 V1．1
  std::string SetupWindowsDir;       // the Windows folder with a trailing backslash

  // Read when the install dialogue opens.
  std::string DefaultFolder;
  std::string SavedGroup;

  Label Label1{this, "Label1"};
  Edit Edit1{this, "Edit1"};
  Button Button1{this, "Button1"};
  Button Button4{this, "Button4"};
  Label Label2{this, "Label2"};
  EditComboBox ComboBox1{this, "ComboBox1"};
  CheckBox CheckBoxBkColor{this, "CheckBoxBkColor"};
  CheckBox CheckBoxST{this, "CheckBoxST"};
  Button Button2{this, "Button2"};
  Button Button5{this, "Button5"};  // "設定中": lies under Button3 and shows while it is hidden
  Button Button3{this, "Button3"};

  Timer Timer1{*this, "Timer1", 500};
  Timer Timer2{*this, "Timer2", 500};
  Timer Timer3{*this, "Timer3", 1000};
  Timer TimerErOut{*this, "TimerErOut", 500};

  TKolapBoxDlg KolapBoxDlg1;
  TYesNoBoxDlg YesNoBoxDlg1;
  TDIROPENDLG DIROPENDLG1;

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void CheckBoxBkColorClick();
  void FormPaint();

  // The uninstall's steps: 1 in the installed program, 2 and 3 in the uninstaller copy.
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void TimerErOutTimer();

 private:
  void SetUpControls();
  void FormCreate();
  bool ReadWindowsFolder();
  void OpenInstallDialogue();
  void ReadPreviousInstall();
  void FetchGroups();

  // How the install and the uninstall tell and ask the user.
  void Tell(const std::string& message) override;
  bool Ask(const std::string& question) override;
  void ShowTitle(const std::string& title) override;
  void Stopped() override;
  void Beep() override;
  void Pump() override;

  Services& services_;
  EntryState& entry_;
  UninstallerCopy copy_{services_, *this};
};

}  // namespace tavel
