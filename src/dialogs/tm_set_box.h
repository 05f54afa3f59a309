// The count and time setting dialog: one whole number, a count of items or a time in seconds,
// set with spin arrows of steps 1, 10 and 60 and confirmed with a Yes/No question.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_component.h"
#include "dialogs/yes_no_box.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace tavel {

// The arrows never take the value outside this range.
constexpr std::int32_t kTmSetMaxCount = 32700;

// The state of the open dialog, program-wide: one dialog is open at a time.
struct TmSetDialogState {
  class TTMSETBox* openForm = nullptr;  // none while closed
  std::int32_t count = 0;               // the value shown
  std::int32_t minimum = 0;             // smallest value accepted other than 0
  std::string subject;                  // what is set, named in the confirmation question
};
extern TmSetDialogState TmSetBoxState;

// The value after one arrow click of `step` (negative for down), kept within 0 .. 32700.
std::int32_t SpinCount(std::int32_t count, int step);

// "50個", or "50秒" for a time: the value with its unit.
std::string CountText(std::int32_t count, bool seconds);

class TTMSETBox : public DialogForm {
 public:
  TTMSETBox(Application& app, Desktop& desktop, WorkArea& workArea);

  Label LMsg0;
  Label Label2;
  Label LMsg1;
  Label LMsg2;
  Button Button1;
  Button Button4;
  SpinButton SpinButton1;
  SpinButton SpinButton2;
  SpinButton SpinButton3;
  TYesNoBoxDlg YesNoBoxDlg1;

  // Shows the current value with its unit: seconds while the first line shows text, else items.
  void ShowCount();

  // The three explanation lines and the value shown.
  std::string Text() const override;

  void FormCreate();
  void FormPaint();
  void Button1Click();
  void Spin(int step);

 protected:
  // "設 定" answers 1 once the question is answered yes.
  Button* AnswerButton(int result) override;
};

// The component a window owns to let the user set a count or a time.
class TTmSETBoxDlg : public DialogComponent {
 public:
  TTmSETBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea);

  std::string Msg0;           // first line; not empty: the value is in seconds, else items
  std::string Msg1;           // second line
  std::string Msg2;           // third line
  std::int32_t MinCount = 0;  // smallest value accepted other than 0
  std::int32_t TCount = 0;    // in: the starting value; out: the value set

  // Returns 1 when the user set a value and confirmed it (then in TCount), 2 when cancelled
  // (TCount unchanged). `subject` names what is set in the confirmation question.
  std::uint16_t Execute(const std::string& subject);
};

}  // namespace tavel
