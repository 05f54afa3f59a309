// The setup window: installs, or stays hidden and runs the uninstall steps.
#include "setup/setup_window.h"

#include "ui/application.h"

namespace tavel {

namespace {
constexpr int kSetupVersion = 11;
}

TTVLSETUPForm::TTVLSETUPForm(Application& app, Services& services, EntryState& entry)
    : Form(app, kSetupClass, "TVLSETUPForm"), services_(services), entry_(entry) {
  Font system;
  system.face = "System";
  system.height = 13;
  SetFont(system);
  SetBorder(BorderStyle::Dialog);
  SetStayOnTop(true);
  SetCaption(app.Title() + " V" + std::to_string(kSetupVersion / 10) + "．" +
             std::to_string(kSetupVersion % 10));
  SetClientSize(464, 172);
  Button2.SetCaption("中止");
  Button2.SetBounds({280, 128, 81, 33});
  Button2.OnClick = [this] { Close(); };
  Button3.SetCaption("設定");
  Button3.SetBounds({372, 128, 81, 33});
  Button3.SetDefault(true);
  TimerErOut.OnTimer = [this] {
    TimerErOut.SetEnabled(false);
    Close();
  };
  FormCreate();
}

// The install dialogue and the uninstall steps are not in this build yet: a normal start shows the
// empty dialogue; an uninstall request stays hidden and closes itself.
void TTVLSETUPForm::FormCreate() {
  Size screen = services_.desktop.ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);
  if (entry_.ModeCode != kModeNormal) {
    App().SetShowMainForm(false);
    TimerErOut.SetEnabled(true);
  }
}

}  // namespace tavel
