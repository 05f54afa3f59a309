// The countdown message box of the setup window and the folder browser: the same box as the
// stacked message box, with one form per call instead of five slots, and no busy result.
#include "dialogs/kolap_box.h"

#include <memory>

#include "base/scoped_value.h"

namespace tavel {

TKolapBox* KolapBoxForm = nullptr;

TKolapBox::TKolapBox(Application& app, Desktop& desktop, MessageSlot& slot)
    : MessageBoxForm(app, "TKolapBox", "KolapBox", DialogKind::KolapBox, desktop, slot) {}

TKolapBoxDlg::TKolapBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea)
    : MessageBoxComponent(app, desktop, workArea) {}

std::uint16_t TKolapBoxDlg::ShowMsg(const std::string& text) {
  return Show(text, false, 0);
}

std::uint16_t TKolapBoxDlg::ShowTimedMsg(const std::string& text) {
  return Show(text, Timer, TimerCount);
}

// The box's form and its countdown belong to this call, not to one slot shared by the whole
// program: a box opened while another is open (a timer of the setup window reporting while the
// folder browser shows a drive error, say) then counts down on its own, and the outer box goes on
// from where it was once the inner one has closed.
std::uint16_t TKolapBoxDlg::Show(const std::string& text, bool countdown, std::int32_t seconds) {
  MessageSlot slot;
  slot.countdown = countdown;
  slot.remaining = seconds;
  auto form = std::make_unique<TKolapBox>(context_.app, context_.desktop, slot);
  ScopedValue<TKolapBox*> open(KolapBoxForm, form.get());
  return ShowInForm(*form, text);
}

}  // namespace tavel
