// The message box form: a text beside the information icon, "ＯＫ", and an optional countdown that
// closes the box by itself and can be paused.
#include "dialogs/message_box_form.h"

#include "dialogs/dialog_form.h"
#include "dialogs/dialog_icons.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_painting.h"
#include "ui/application.h"

namespace tavel {

namespace {

constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 33;
constexpr int kCountdownGapFallback = 10;

}  // namespace

std::string CountdownText(std::int32_t seconds) {
  return std::to_string(seconds) + "秒";
}

MessageBoxForm::MessageBoxForm(Application& app, std::string className, std::string name,
                               Desktop& desktop, MessageSlot& slot)
    : Form(app, std::move(className), std::move(name)),
      Msg(this, "Msg"),
      Image1(this, "Image1"),
      Image2(this, "Image2"),
      Label1(this, "Label1"),
      Button1(this, "Button1"),
      Button2(this, "Button2"),
      Button3(this, "Button3"),
      Timer1(*this, "Timer1", 1000),
      desktop_(desktop),
      slot_(slot) {
  SetUpDialogForm(*this, 427, 268);
  Msg.SetBounds({88, 16, 0, 0});
  Msg.SetCaption("Msg");
  Image1.SetBounds({16, 16, kDialogIconSize, kDialogIconSize});
  Image1.SetPicture(InformationIcon());
  Image2.SetBounds({16, 16, kDialogIconSize, kDialogIconSize});
  Image2.SetPicture(InformationIcon());
  Image2.SetVisible(false);
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

  OnPaint = [this] { FormPaint(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
}

void MessageBoxForm::LayOut() {
  PlaceTextBesideIcon(Msg, Image1);
  SetWidth(TextAndIconWidth(Msg, Image1));
  FitHeightAndButtonRow(*this, Msg, Image1, Button1);
  if (!slot_.countdown) {
    Button1.SetLeft((ClientSize().width - Button1.Width()) / 2);
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
  Button2.SetTop(Button1.Top());
  Button3.SetTop(Button1.Top());
  int clientWidth = ClientSize().width;
  int gap = (clientWidth - Button1.Width() - Button2.Width()) / 3;
  if (gap < 0) gap = kCountdownGapFallback;
  Button1.SetLeft(gap);
  Button2.SetLeft(Button1.Left() + Button1.Width() + gap);
  Button3.SetLeft(Button2.Left());
  Label1.SetTop(ClientSize().height - Label1.Height());
  int pauseRight = Button2.Left() + Button2.Width();
  if (clientWidth - pauseRight < Label1.Width()) {
    SetWidth(Width() - clientWidth + pauseRight + Label1.Width());
  }
  Label1.SetLeft(ClientSize().width - Label1.Width());
}

void MessageBoxForm::FormPaint() {
  PaintDialogBackground(*this, desktop_);
  DrawTransparentIcon(Image2, kInformationIconKey, GetColor(), kDialogIconSize, Image1);
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

std::uint16_t RunMessageBox(MessageBoxForm& form, MessageSlot& slot, const std::string& text,
                            const std::string& title, WindowHandle sourceHandle,
                            DialogContext& context) {
  form.Msg.SetCaption(text);
  form.Label1.SetCaption(CountdownText(slot.remaining));
  form.LayOut();
  PlaceForm(form, context, sourceHandle);
  form.SetCaption(DialogCaption(title, context.app));
  if (slot.countdown) form.Timer1.SetEnabled(true);
  return ShowDialogModal(form);
}

}  // namespace tavel
