// What every dialog box shares: the form it is built on, which says what kind of box it is, what
// it says and how it is answered; and the non-visual component that places and shows it.
#include "dialogs/dialog_component.h"

#include "dialogs/dialog_form.h"
#include "dialogs/dialog_painting.h"
#include "ui/controls.h"

namespace tavel {

namespace {

Button* FindAnswerButton(Control& parent, int result) {
  for (Control* child : parent.Children()) {
    auto* button = dynamic_cast<Button*>(child);
    if (button && button->ModalResult() == result && button->Showing() && button->Enabled()) {
      return button;
    }
    if (Button* found = FindAnswerButton(*child, result)) return found;
  }
  return nullptr;
}

}  // namespace

DialogForm::DialogForm(Application& app, std::string className, std::string name, DialogKind kind,
                       Desktop& desktop, int clientWidth, int clientHeight)
    : Form(app, std::move(className), std::move(name)), desktop_(desktop), kind_(kind) {
  SetUpDialogForm(*this, clientWidth, clientHeight);
}

bool DialogForm::Answer(int result) {
  if (Button* button = AnswerButton(result)) {
    button->Click();
    return true;
  }
  if (result != kResultCancel) return false;
  Close();
  return true;
}

Button* DialogForm::AnswerButton(int result) {
  return FindAnswerButton(*this, result);
}

void DialogForm::PaintBackground() {
  PaintDialogBackground(*this, desktop_);
}

DialogComponent::DialogComponent(Application& app, Desktop& desktop, WorkArea& workArea)
    : context_{app, desktop, workArea} {}

std::string DialogComponent::Caption() const {
  return DialogCaption(Title, context_.app);
}

std::uint16_t DialogComponent::PlaceAndShow(Form& form, const std::string& caption) {
  PlaceForm(form, context_, SourceHandle);
  form.SetCaption(caption);
  return ShowDialogModal(form);
}

}  // namespace tavel
