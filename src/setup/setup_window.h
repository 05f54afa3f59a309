// The setup window: the visible install dialogue, or a hidden window that runs the uninstall steps
// from its timers.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dialogs/kolap_box.h"
#include "dialogs/yes_no_box.h"
#include "folders/folder_dialog.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "product/entry_state.h"
#include "product/identity.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/timer.h"

namespace tavel {

class TTVLSETUPForm : public Form {
 public:
  TTVLSETUPForm(Application& app, Services& services, EntryState& entry);

  // Setup constants, the same in every mode.
  const std::string ProductBase = "TaVEL32";
  const std::string ExeFileName = "TaVEL32.EXE";
  const std::string TextFileName = "TaVEL32.TXT";
  const std::string ItemTitle = "\"楽蔵32 T-VEL\"";
  static constexpr int SetupVersion = kThisVersion;
  std::string UninstallDisplayName;  // KOLAP 楽蔵32 T-VEL V1.1
  std::string TitleBase;             // 楽蔵32 V1．1
  std::string SetupWindowsDir;       // the Windows folder with a trailing backslash
  // The maker's key under HKEY_USERS, and the product's key in it (install folder and group).
  static constexpr const char* MakerKeyPath = ".Default\\Software\\KOLAP SOFT32";
  std::string ProductKeyPath() const { return std::string(MakerKeyPath) + "\\" + ProductBase; }

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

  // The uninstall's steps (uninstall_steps.cpp).
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void TimerErOutTimer();
  // What step 2 took from the hand-off key: the program to delete, and "n" to keep its folders.
  std::string HandoffFile;
  std::string HandoffRmDir;
  // How often step 2 has found the program still there.
  int DeleteAttempts = 0;

 private:
  void SetUpControls();
  void FormCreate();
  bool ReadWindowsFolder();
  void OpenInstallDialogue();
  void ReadPreviousInstall();
  void FetchGroups();

  // The install's steps (install_steps.cpp); each false means the install stopped with a message.
  bool Install();
  bool CheckEntries();
  bool MakeFolders(const std::string& folder, const std::vector<std::string>& prefixes);
  bool CopyProgramFiles(const std::string& target);
  bool StopCopy(const std::string& name);
  bool WriteInstallKey(const std::string& target);
  void AddProgmanItems(const std::string& exePath);
  bool WriteUninstallEntry(const std::string& exePath);
  bool WriteVersion();
  bool WriteValues(RegistryRoot root, const std::string& key,
                   const std::vector<std::pair<std::string, std::string>>& values);
  bool StopInstall(const std::string& message, bool beep = false);
  void RemoveInstallation(const std::string& folder);
  void RemoveProgmanItem(const std::string& group);
  bool WriteHandoff(const std::string& ownPath);
  void StartUninstallerCopy(const std::string& own, const std::string& copy, bool kept);
  bool IsInstalledCopy(const std::string& own);
  bool ProgramRemoved();

  Services& services_;
  EntryState& entry_;
};

}  // namespace tavel
