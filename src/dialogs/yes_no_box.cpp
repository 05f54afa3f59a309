// The Yes/No box: every question the program asks, beside a question-mark icon, answered with
// "はい" or "いいえ".
#include "dialogs/yes_no_box.h"

#include <memory>

#include "base/scoped_value.h"
#include "dialogs/dialog_form.h"
#include "dialogs/dialog_icons.h"
#include "dialogs/dialog_layout.h"

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
    : IconTextForm(app, "TYesNoBox", "YesNoBox", DialogKind::YesNoBox, desktop, 427, 269,
                   QuestionIcon(), kQuestionIconKey),
      Button1(this, "Button1"),
      Button2(this, "Button2") {
  SetUpButton(Button1, "はい", kResultYes);
  Button1.SetDefault(true);
  SetUpButton(Button2, "いいえ", kResultNo);
  Button2.SetCancel(true);  // Escape answers no
}

// The box is never narrower than the two buttons and their margin, so the gaps stay positive.
void TYesNoBox::LayOut() {
  LayOutIconAndText(Button1, Button1.Width() + Button2.Width() + kButtonRowMargin);
  ShareButtonRow(*this, Button1, Button2);
}

TYesNoBoxDlg::TYesNoBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea)
    : DialogComponent(app, desktop, workArea) {}

// Each question has a form of its own, so a question asked while another is open is safe.
std::uint16_t TYesNoBoxDlg::Execute(const std::string& text) {
  auto form = std::make_unique<TYesNoBox>(context_.app, context_.desktop);
  ScopedValue<TYesNoBox*> open(YesNoBoxForm, form.get());
  form->Msg.SetCaption(text);
  form->LayOut();
  return PlaceAndShow(*form, Caption());
}

}  // namespace tavel
