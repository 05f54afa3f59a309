// The stacked message box: up to five message boxes open at once, each over the one before, so
// that a timer can report something while an earlier box is still open.
#include "dialogs/stack_box.h"

#include <memory>

#include "base/scoped_value.h"

namespace tavel {

std::array<MessageSlot, kStackSlots> StackBoxSlots;

namespace {

std::string SlotClassName(int slot) {
  return "TStack" + std::to_string(slot) + "Box";
}

}  // namespace

TStackBox::TStackBox(Application& app, Desktop& desktop, int slot)
    : MessageBoxForm(app, SlotClassName(slot), "Stack" + std::to_string(slot) + "Box",
                     DialogKind::StackBox, desktop, StackBoxSlots[static_cast<size_t>(slot)]) {
  FormCreate();
}

// A box opened from a timer must not end up behind the window that is in front.
void TStackBox::FormCreate() {
  BringToFront();
}

TStackBoxDlg::TStackBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea)
    : MessageBoxComponent(app, desktop, workArea) {}

std::uint16_t TStackBoxDlg::ShowMsg(const std::string& text) {
  return ShowInFreeSlot(text, false, 0);
}

std::uint16_t TStackBoxDlg::ShowTimedMsg(const std::string& text) {
  return ShowInFreeSlot(text, Timer, TimerCount);
}

bool& TStackBoxDlg::Busy(int slot) {
  switch (slot) {
    case 0:
      return B0;
    case 1:
      return B1;
    case 2:
      return B2;
    case 3:
      return B3;
    default:
      return B4;
  }
}

// Boxes opened from within an open box close before it, so the slots fill and empty as a stack.
std::uint16_t TStackBoxDlg::ShowInFreeSlot(const std::string& text, bool countdown,
                                           std::int32_t seconds) {
  int k = 0;
  while (k < kStackSlots && Busy(k)) ++k;
  if (k == kStackSlots) return kResultNone;

  // The slot is taken and its form open for the length of one showing, on every way out.
  MessageSlot& slot = StackBoxSlots[static_cast<size_t>(k)];
  ScopedValue<bool> use(Busy(k), true);
  slot.countdown = countdown;
  slot.remaining = seconds;
  auto form = std::make_unique<TStackBox>(context_.app, context_.desktop, k);
  ScopedValue<Form*> open(slot.openForm, form.get());
  return ShowInForm(*form, text);
}

}  // namespace tavel
