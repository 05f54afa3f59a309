// The Yes/No box: every question the program asks, beside a question-mark icon, answered with
// "はい" or "いいえ".
#include "dialogs/yes_no_box.h"

#include <algorithm>
#include <memory>

#include "dialogs/dialog_form.h"
#include "dialogs/dialog_icons.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_painting.h"
#include "ui/application.h"
#include "ui/scoped_value.h"

namespace tavel {

TYesNoBox* YesNoBoxForm = nullptr;

namespace {

constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 33;
constexpr int kButtonRowMargin = 20;  // the two buttons need this much more than their widths

void SetUpButton(Button& button, const char* caption, int modalResult) {
  button.SetBounds({0, 0, kButtonWidth, kButtonHeight});
  button.SetCaption(caption);
  button.SetFont(DialogFont(true));
  button.SetModalResult(modalResult);
}

}  // namespace

TYesNoBox::TYesNoBox(Application& app, Desktop& desktop)
    : Form(app, "TYesNoBox", "YesNoBox"),
      Msg(this, "Msg"),
      Image1(this, "Image1"),
      Image2(this, "Image2"),
      Button1(this, "Button1"),
      Button2(this, "Button2"),
      desktop_(desktop) {
  SetUpDialogForm(*this, 427, 269);
  Msg.SetBounds({88, 16, 0, 0});
  Msg.SetCaption("Msg");
  Image1.SetBounds({16, 16, kDialogIconSize, kDialogIconSize});
  Image1.SetPicture(QuestionIcon());
  Image2.SetBounds({16, 16, kDialogIconSize, kDialogIconSize});
  Image2.SetPicture(QuestionIcon());
  Image2.SetVisible(false);
  SetUpButton(Button1, "はい", kResultYes);
  Button1.SetDefault(true);
  SetUpButton(Button2, "いいえ", kResultNo);
  Button2.SetCancel(true);  // Escape answers no

  OnPaint = [this] { FormPaint(); };
}

void TYesNoBox::LayOut() {
  PlaceTextBesideIcon(Msg, Image1);
  SetWidth(std::max(TextAndIconWidth(Msg, Image1),
                    Button1.Width() + Button2.Width() + kButtonRowMargin));
  FitHeightAndButtonRow(*this, Msg, Image1, Button1);
  Button2.SetTop(Button1.Top());
  int gap = (ClientSize().width - Button1.Width() - Button2.Width()) / 3;
  Button1.SetLeft(gap);
  Button2.SetLeft(2 * gap + Button1.Width());
}

void TYesNoBox::FormPaint() {
  PaintDialogBackground(*this, desktop_);
  DrawTransparentIcon(Image2, kQuestionIconKey, GetColor(), kDialogIconSize, Image1);
}

TYesNoBoxDlg::TYesNoBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea)
    : context_{app, desktop, workArea} {}

// Each question has a form of its own, so a question asked while another is open is safe.
std::uint16_t TYesNoBoxDlg::Execute(const std::string& text) {
  auto form = std::make_unique<TYesNoBox>(context_.app, context_.desktop);
  ScopedValue<TYesNoBox*> open(YesNoBoxForm, form.get());
  form->Msg.SetCaption(text);
  form->LayOut();
  PlaceForm(*form, context_, SourceHandle);
  form->SetCaption(DialogCaption(Title, context_.app));
  return ShowDialogModal(*form);
}

}  // namespace tavel
