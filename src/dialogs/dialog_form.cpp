// The design every dialog box shares: border, font, caption and the 16-bit modal result.
#include "dialogs/dialog_form.h"

#include "ui/application.h"
#include "ui/form.h"

namespace tavel {

Font DialogFont(bool bold) {
  Font f;
  f.face = "System";
  f.height = 13;
  f.bold = bold;
  return f;
}

void SetUpDialogForm(Form& form, int clientWidth, int clientHeight) {
  form.SetBorder(BorderStyle::Dialog);
  form.SetStayOnTop(true);
  form.SetFont(DialogFont());
  form.SetClientSize(clientWidth, clientHeight);
}

std::string DialogCaption(const std::string& title, const Application& app) {
  return title.empty() ? app.Title() : title;
}

std::uint16_t ShowDialogModal(Form& form) {
  return static_cast<std::uint16_t>(form.ShowModal());
}

}  // namespace tavel
