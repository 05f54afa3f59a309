// The message box: a text beside the information icon, "ＯＫ", and an optional countdown that
// closes the box by itself and can be paused. The stacked box and the countdown box share it.
#include "dialogs/message_box_form.h"

#include "dialogs/dialog_form.h"
#include "dialogs/dialog_icons.h"
#include "dialogs/dialog_layout.h"

namespace tavel {

namespace {

constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 33;

}  // namespace

std::string CountdownText(std::int32_t seconds) {
  return std::to_string(seconds) + "秒";
}

MessageBoxForm::MessageBoxForm(Application& app, std::string className, std::string name,
                               DialogKind kind, Desktop& desktop, MessageSlot& slot)
    : IconTextForm(app, std::move(className), std::move(name), kind, desktop, 427, 268,
                   InformationIcon(), kInformationIconKey),
      Label1(this, "Label1"),
      Button1(this, "Button1"),
      Button3(this, "Button3"),
      Button2(this, "Button2"),
      Timer1(*this, "Timer1", 1000),
      slot_(slot) {
  Label1.SetAlignment(TextAlign::Right);
  Label1.SetVisible(false);
  Button1.SetBounds({169, 224, kButtonWidth, kButtonHeight});
  Button1.SetCaption("ＯＫ");
  Button1.SetDefault(true);
  Button1.SetFont(DialogFont(true));
  Button1.SetModalResult(kResultOk);
  Button2.SetBounds({280, 224, kButtonWidth, kButtonHeight});
  Button2.SetCaption("一時停止");
  Button2.SetVisible(false);
  Button3.SetBounds({280, 224, kButtonWidth, kButtonHeight});
  Button3.SetCaption("ｶｳﾝﾄ再開");
  Button3.SetVisible(false);

  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
}

void MessageBoxForm::LayOut() {
  LayOutIconAndText(Button1);
  if (!slot_.countdown) {
    CentreButton(*this, Button1);
    return;
  }
  LayOutCountdownRow();
}

// "ＯＫ" and the pause button share the row in equal gaps; the countdown sits in the bottom right
// corner, and the form widens when it would not fit beside the pause button.
void MessageBoxForm::LayOutCountdownRow() {
  Button2.SetVisible(true);
  Button3.SetVisible(true);
  Label1.SetVisible(true);
  ShareButtonRow(*this, Button1, Button2);
  Button3.SetBounds(Button2.Bounds());
  int clientWidth = ClientSize().width;
  Label1.SetTop(ClientSize().height - Label1.Height());
  int pauseRight = Button2.Left() + Button2.Width();
  if (clientWidth - pauseRight < Label1.Width()) {
    SetWidth(Width() - clientWidth + pauseRight + Label1.Width());
  }
  Label1.SetLeft(ClientSize().width - Label1.Width());
}

// The resume button lies beneath the pause button: hiding one uncovers the other.
void MessageBoxForm::Button2Click() {
  Button2.SetVisible(false);
  Timer1.SetEnabled(false);
}

void MessageBoxForm::Button3Click() {
  Button2.SetVisible(true);
  Timer1.SetEnabled(true);
}

void MessageBoxForm::Timer1Timer() {
  Timer1.SetEnabled(false);
  --slot_.remaining;
  Label1.SetCaption(CountdownText(slot_.remaining));
  if (slot_.remaining > 0) {
    Timer1.SetEnabled(true);
  } else {
    Close();
  }
}

std::uint16_t MessageBoxComponent::ShowInForm(MessageBoxForm& form, const std::string& text) {
  form.Msg.SetCaption(text);
  form.Label1.SetCaption(CountdownText(form.Slot().remaining));
  form.LayOut();
  // The countdown's first tick can only come once the box is shown: timers run in its modal loop.
  if (form.Slot().countdown) form.Timer1.SetEnabled(true);
  return PlaceAndShow(form, Caption());
}

}  // namespace tavel
