// The message box form: a text beside the information icon, "ＯＫ", and an optional countdown that
// closes the box by itself and can be paused.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_placement.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/timer.h"

namespace tavel {

// The state of one place where a message box can be open. It lives outside the form because the
// component that opens the box sets it before the form exists.
struct MessageSlot {
  Form* openForm = nullptr;    // none while closed
  bool countdown = false;      // whether the box counts down
  std::int32_t remaining = 0;  // seconds left on the countdown
};

// "10秒": the countdown label's text.
std::string CountdownText(std::int32_t seconds);

class MessageBoxForm : public Form {
 public:
  // The form's countdown reads and writes `slot`.
  MessageBoxForm(Application& app, std::string className, std::string name, Desktop& desktop,
                 MessageSlot& slot);

  Label Msg;
  Image Image1;
  Image Image2;
  Label Label1;
  Button Button1;
  Button Button2;
  Button Button3;
  Timer Timer1;

  // Sizes the form to its text and arranges the icon, the buttons and the countdown.
  void LayOut();

  void FormPaint();
  void Button2Click();
  void Button3Click();
  void Timer1Timer();

 private:
  void LayOutCountdownRow();

  Desktop& desktop_;
  MessageSlot& slot_;
};

// Fills in the text and the countdown, lays the form out, places it, gives it its caption, starts
// the countdown when the slot has one, and shows it modally. Returns the modal result: 1 for
// "ＯＫ", 2 when the countdown ran out or the box was closed from its title bar.
std::uint16_t RunMessageBox(MessageBoxForm& form, MessageSlot& slot, const std::string& text,
                            const std::string& title, WindowHandle sourceHandle,
                            DialogContext& context);

}  // namespace tavel
