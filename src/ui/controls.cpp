// The simple controls: label, button, check box, radio group, panel, edit, scroll bar, spin button.
#include "ui/controls.h"

#include <algorithm>
#include <utility>

#include "ui/application.h"
#include "ui/form.h"

namespace tavel {

namespace {

// A held arrow repeats its step first after this long, and then at the shorter period.
constexpr int kFirstRepeatMs = 400;
constexpr int kNextRepeatMs = 100;

}  // namespace

void Label::SetAutoSize(bool on) {
  autoSize_ = on;
  CaptionChanged();
}

void Label::SetAlignment(TextAlign a) {
  alignment_ = a;
  Changed(Change::Caption);
}

void Label::SetWordWrap(bool on) {
  wordWrap_ = on;
  Changed(Change::Caption);
}

void Label::CaptionChanged() {
  Form* form = OwnerForm();
  if (!autoSize_ || !form) return;
  Size s = form->App().Backend().MeasureText(GetFont(), Caption());
  // A right-aligned label grows to the left: its right edge stays where it was.
  int left = alignment_ == TextAlign::Right ? Left() + Width() - s.width : Left();
  SetBounds({left, Top(), s.width, s.height});
}

void Button::Click() {
  if (!Enabled()) return;
  if (OnClick) OnClick();
  if (modalResult_ != 0) {
    if (Form* form = OwnerForm()) form->SetModalResult(modalResult_);
  }
}

void CheckBox::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed(Change::Checked);
}

void CheckBox::UserToggle() {
  SetChecked(!checked_);
  if (OnClick) OnClick();
}

void RadioGroup::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Changed(Change::Items);
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Change::ItemIndex);
  if (OnClick) OnClick();
}

void Edit::TextFromWindow(const std::string& text) {
  SetCaption(text);
  if (OnChange) OnChange();
}

void ScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  Changed(Change::Range);
}

void ScrollBar::SetLargeChange(int v) {
  largeChange_ = v;
  Changed(Change::Range);
}

void ScrollBar::SetPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  Changed(Change::Position);
}

void ScrollBar::Scroll(ScrollCode code, int newPos) {
  if (OnScroll) OnScroll(code, newPos);
  SetPosition(newPos);
}

SpinButton::SpinButton(Control* parent, std::string name) : Control(parent, std::move(name)) {}

SpinButton::~SpinButton() = default;

void SpinButton::Press(bool up) {
  up_ = up;
  if (!repeat_ && OwnerForm()) {
    repeat_ = std::make_unique<Timer>(*OwnerForm(), Name() + "Repeat", kFirstRepeatMs);
    repeat_->OnTimer = [this] {
      repeat_->SetInterval(kNextRepeatMs);
      Step();
    };
  }
  if (repeat_) {
    repeat_->SetInterval(kFirstRepeatMs);
    repeat_->SetEnabled(true);
  }
  Step();
}

void SpinButton::Release() {
  if (repeat_) repeat_->SetEnabled(false);
}

bool SpinButton::Held() const {
  return repeat_ && repeat_->Enabled();
}

void SpinButton::Step() const {
  const auto& handler = up_ ? OnUpClick : OnDownClick;
  if (handler) handler();
}

}  // namespace tavel
