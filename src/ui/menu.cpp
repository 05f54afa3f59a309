// Menu items of main and pop-up menus: caption, check, enabled and the click handler.
#include "ui/menu.h"

#include <algorithm>

namespace tavel {

MenuItem::MenuItem(MenuItem* parent, std::string name, std::string caption)
    : parent_(parent), name_(std::move(name)), caption_(std::move(caption)) {
  if (parent_) parent_->items_.push_back(this);
}

MenuItem::~MenuItem() {
  if (parent_) {
    auto& siblings = parent_->items_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void MenuItem::Changed() {
  if (peer_) peer_->Sync(*this);
}

void MenuItem::SetCaption(const std::string& text) {
  caption_ = text;
  Changed();
}

void MenuItem::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed();
}

void MenuItem::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Changed();
}

void MenuItem::SetVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  Changed();
}

void MenuItem::Click() {
  if (enabled_ && OnClick) OnClick();
}

}  // namespace tavel
