// The message box: a text beside the information icon, "ＯＫ", and an optional countdown that
// closes the box by itself and can be paused. The stacked box and the countdown box share it.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_component.h"
#include "dialogs/icon_text_form.h"
#include "ui/controls.h"
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

class MessageBoxForm : public IconTextForm {
 public:
  // The form's countdown reads and writes `slot`.
  MessageBoxForm(Application& app, std::string className, std::string name, DialogKind kind,
                 Desktop& desktop, MessageSlot& slot);

  Label Label1;
  Button Button1;
  // Made before the pause button, so that it lies beneath it: hiding the pause button uncovers it.
  Button Button3;
  Button Button2;
  Timer Timer1;

  MessageSlot& Slot() { return slot_; }

  // Sizes the form to its text and arranges the icon, the buttons and the countdown.
  void LayOut();

  void Button2Click();
  void Button3Click();
  void Timer1Timer();

 private:
  void LayOutCountdownRow();

  MessageSlot& slot_;
};

// The part the message box components share: the countdown settings, and showing a text in a
// form of theirs.
class MessageBoxComponent : public DialogComponent {
 public:
  bool Timer = true;             // whether ShowTimedMsg counts down
  std::int32_t TimerCount = 10;  // seconds of the ShowTimedMsg countdown

 protected:
  using DialogComponent::DialogComponent;

  // Fills in the text and the countdown of the form's slot, lays the form out, places it, gives it
  // its caption, starts the countdown when the slot has one, and shows it modally. Returns the
  // modal result: 1 for "ＯＫ", 2 when the countdown ran out or the box was closed from its title
  // bar.
  std::uint16_t ShowInForm(MessageBoxForm& form, const std::string& text);
};

}  // namespace tavel
