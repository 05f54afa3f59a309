// The Yes/No box: every question the program asks, beside a question-mark icon, answered with
// "はい" or "いいえ".
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_placement.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"

namespace tavel {

// The answers the box gives.
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

class TYesNoBox : public Form {
 public:
  TYesNoBox(Application& app, Desktop& desktop);

  Label Msg;
  Image Image1;
  Image Image2;
  Button Button1;
  Button Button2;

  // Sizes the form to its question and shares the client width between the two buttons.
  void LayOut();

  void FormPaint();

 private:
  Desktop& desktop_;
};

// The question open now (none while closed); only one is open at a time.
extern TYesNoBox* YesNoBoxForm;

// The component a window owns to ask its questions.
class TYesNoBoxDlg {
 public:
  TYesNoBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea);

  std::string Title;              // caption of the box; empty: the application's title
  WindowHandle SourceHandle = 0;  // window the box is centred over; 0: the main form

  // Asks `text` (a line feed starts a new line) and waits for the answer: 6 for "はい" (or
  // Enter), 7 for "いいえ" (or Escape), 2 when the box was closed from its title bar. Callers
  // take everything but 6 as no.
  std::uint16_t Execute(const std::string& text);

 private:
  DialogContext context_;
};

}  // namespace tavel
