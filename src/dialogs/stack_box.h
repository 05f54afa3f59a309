// The stacked message box: up to five message boxes open at once, each over the one before, so
// that a timer can report something while an earlier box is still open.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dialogs/message_box_form.h"

namespace tavel {

constexpr int kStackSlots = 5;

// The state of each slot, program-wide: slot k's form reads slot k.
extern std::array<MessageSlot, kStackSlots> StackBoxSlots;

// The form of slot k (window class "TStack<k>Box").
class TStackBox : public MessageBoxForm {
 public:
  TStackBox(Application& app, Desktop& desktop, int slot);

  void FormCreate();
};

// The component the player window owns: it opens each box in the first free slot.
class TStackBoxDlg : public MessageBoxComponent {
 public:
  TStackBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea);

  bool B0 = false;  // busy flags of slots 0 to 4
  bool B1 = false;
  bool B2 = false;
  bool B3 = false;
  bool B4 = false;

  // Both return 1 for "ＯＫ", 2 when the countdown ran out or the box was closed from its title
  // bar, and 0 when all five slots were busy and nothing was shown.
  std::uint16_t ShowMsg(const std::string& text);
  std::uint16_t ShowTimedMsg(const std::string& text);

 private:
  std::uint16_t ShowInFreeSlot(const std::string& text, bool countdown, std::int32_t seconds);
  bool& Busy(int slot);
};

}  // namespace tavel
