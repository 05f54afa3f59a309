// The setup window's hand-overs to the install and the uninstall, and its answers to what they
// tell and ask.
#include "base/scoped_value.h"
#include "setup/installer.h"
#include "setup/setup_messages.h"
#include "setup/setup_window.h"
#include "setup/uninstaller.h"
#include "ui/application.h"

namespace tavel {

void TTVLSETUPForm::Button3Click() {
  auto busy = App().ShowBusy();
  // "設定中" shows in its place until the install ends, however it ends (also by an error that
  // reaches the standard error display), so that it cannot be started twice.
  ScopedValue<bool> hidden([this](const bool& v) { Button3.SetVisible(v); }, true, false);
  App().ProcessMessages();
  InstallChoices choices{Edit1.Caption(), ComboBox1.Caption(), CheckBoxST.Checked(),
                         CheckBoxBkColor.Checked()};
  if (!Installer(services_, *this).Install(choices)) return;
  BringToFront();
  Tell(setup_messages::InstallCompleted(choices.group));
  Close();
}

void TTVLSETUPForm::Timer1Timer() {
  Timer1.SetEnabled(false);
  Uninstaller(services_, *this, SetupWindowsDir, entry_.UninstallerName, Caption()).Run();
  Close();
}

void TTVLSETUPForm::Timer2Timer() {
  Timer2.SetEnabled(false);
  if (copy_.Begin())
    Timer3.SetEnabled(true);
  else
    Close();
}

void TTVLSETUPForm::Timer3Timer() {
  Timer3.SetEnabled(false);
  if (copy_.Retry())
    Timer3.SetEnabled(true);
  else
    Close();
}

// The refusal of an uninstall while the program runs; without a mode (the window gave up at its
// creation) it closes silently.
void TTVLSETUPForm::TimerErOutTimer() {
  TimerErOut.SetEnabled(false);
  if (entry_.ModeCode > kModeNormal) Tell(setup_messages::kRefused);
  Close();
}

void TTVLSETUPForm::Tell(const std::string& message) {
  KolapBoxDlg1.ShowMsg(message);
}

bool TTVLSETUPForm::Ask(const std::string& question) {
  return YesNoBoxDlg1.Execute(question) == kResultYes;
}

void TTVLSETUPForm::ShowTitle(const std::string& title) {
  SetCaption(title);
  App().SetTitle(Caption());
}

void TTVLSETUPForm::Stopped() {
  Button3.SetVisible(true);
}

void TTVLSETUPForm::Beep() {
  App().Beep();
}

void TTVLSETUPForm::Pump() {
  App().ProcessMessages();
}

}  // namespace tavel
