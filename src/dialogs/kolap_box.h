// The countdown message box of the setup window and the folder browser: the same box as the
// stacked message box, with one form per call instead of five slots, and no busy result.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/message_box_form.h"

namespace tavel {

// The form (window class "TKolapBox"). Unlike the stacked box it does not bring itself to the
// front when it is created.
class TKolapBox : public MessageBoxForm {
 public:
  TKolapBox(Application& app, Desktop& desktop, MessageSlot& slot);
};

// The innermost countdown box open now (none while closed).
extern TKolapBox* KolapBoxForm;

// The component the setup window and the folder browser own.
class TKolapBoxDlg : public MessageBoxComponent {
 public:
  TKolapBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea);

  // Both always show the box and return 1 for "ＯＫ" (or Enter), 2 when the countdown ran out or
  // the box was closed from its title bar. ShowTimedMsg counts down from TimerCount when Timer is
  // on, and is a plain message otherwise.
  std::uint16_t ShowMsg(const std::string& text);
  std::uint16_t ShowTimedMsg(const std::string& text);

 private:
  std::uint16_t Show(const std::string& text, bool countdown, std::int32_t seconds);
};

}  // namespace tavel
