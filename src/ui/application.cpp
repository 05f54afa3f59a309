// The application object: what the whole process shares (title, cursor, beep, modal showing,
// events).
#include "ui/application.h"

#include "ui/form.h"

namespace tavel {

Application::Application(UiBackend& backend) : backend_(backend) {
  backend_.SetUncaughtHandler([this](const std::exception& e) { ShowUncaught(e); });
}

Application::~Application() {
  backend_.SetUncaughtHandler(nullptr);
}

void Application::ShowUncaught(const std::exception& e) {
  ShowError(e.what());
}

void Application::SetTitle(const std::string& title) {
  title_ = title;
  backend_.SetAppTitle(title);
}

void Application::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  backend_.SetBusyCursor(busy);
}

ScopedValue<bool> Application::ShowBusy() {
  return ScopedValue<bool>([this](const bool& busy) { SetBusy(busy); }, busy_, true);
}

void Application::Run(Form& form) {
  mainForm_ = &form;
  if (showMainForm_) {
    form.Show();
  } else {
    form.Attach();
  }
  if (!form.IsClosed()) backend_.RunMainLoop(form);
  mainForm_ = nullptr;
}

void Application::MainFormClosed() {
  backend_.Quit();
}

}  // namespace tavel
