// The Yes/No box: every question the program asks, beside a question-mark icon, answered with
// "はい" or "いいえ".
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_component.h"
#include "dialogs/icon_text_form.h"
#include "ui/controls.h"

namespace tavel {

// The answers the box gives.
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

class TYesNoBox : public IconTextForm {
 public:
  TYesNoBox(Application& app, Desktop& desktop);

  Button Button1;
  Button Button2;

  // Sizes the form to its question and shares the client width between the two buttons.
  void LayOut();
};

// The question open now (none while closed); only one is open at a time.
extern TYesNoBox* YesNoBoxForm;

// The component a window owns to ask its questions.
class TYesNoBoxDlg : public DialogComponent {
 public:
  TYesNoBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea);

  // Asks `text` (a line feed starts a new line) and waits for the answer: 6 for "はい" (or
  // Enter), 7 for "いいえ" (or Escape), 2 when the box was closed from its title bar. Callers
  // take everything but 6 as no.
  std::uint16_t Execute(const std::string& text);
};

}  // namespace tavel
