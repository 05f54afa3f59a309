// The base of every control: state kept in C++, mirrored into a real window when one is attached.
#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace tavel {

Control::Control(Control* parent, std::string name) : parent_(parent), name_(std::move(name)) {
  if (parent_) {
    parent_->children_.push_back(this);
    font_ = parent_->font_;
  }
}

Control::~Control() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

Form* Control::OwnerForm() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(c);
}

void Control::Changed(Change c, int index) {
  if (peer_) peer_->Sync(*this, c, index);
}

void Control::SetCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  CaptionChanged();
  Changed(Change::Caption);
}

void Control::SetBounds(const Rect& r) {
  if (r == bounds_) return;
  bool resized = r.width != bounds_.width || r.height != bounds_.height;
  bounds_ = r;
  Changed(Change::Bounds);
  // An aligned control that changes its own size changes its siblings' share too.
  if (resized && align_ != Align::None && parent_ && !parent_->arranging_)
    parent_->ArrangeAligned();
  if (resized) {
    ArrangeAligned();
    SizeChanged();
  }
}

void Control::BoundsFromWindow(const Rect& r) {
  if (r == bounds_) return;
  bool resized = r.width != bounds_.width || r.height != bounds_.height;
  bounds_ = r;
  if (resized) {
    ArrangeAligned();
    SizeChanged();
  }
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Changed(Change::Visible);
  if (parent_) parent_->ArrangeAligned();
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Changed(Change::Enabled);
}

void Control::SetHint(const std::string& text) {
  hint_ = text;
  Changed(Change::Hint);
}

void Control::SetFont(const Font& f) {
  parentFont_ = false;
  InheritFont(f);
}

void Control::InheritFont(const Font& f) {
  font_ = f;
  Changed(Change::Font);
  CaptionChanged();
  for (Control* child : children_) {
    if (child->parentFont_) child->InheritFont(f);
  }
}

void Control::SetColor(Color c) {
  if (c == color_) return;
  color_ = c;
  Changed(Change::Color);
}

void Control::SetAlign(Align a) {
  align_ = a;
  if (parent_) parent_->ArrangeAligned();
}

// Edge-aligned children take their strip of what is left of the client area, in creation order;
// client-aligned children then fill the rest.
void Control::ArrangeAligned() {
  arranging_ = true;
  Size client = ClientSize();
  Rect rest{0, 0, client.width, client.height};
  auto place = [](Control* c, const Rect& r) {
    if (c->bounds_ == r) return;
    c->SetBounds(r);
  };
  for (Control* c : children_) {
    if (!c->visible_ || c->align_ == Align::None || c->align_ == Align::Client) continue;
    switch (c->align_) {
      case Align::Top:
        place(c, {rest.left, rest.top, rest.width, c->bounds_.height});
        rest.top += c->bounds_.height;
        rest.height -= c->bounds_.height;
        break;
      case Align::Bottom:
        place(c, {rest.left, rest.Bottom() - c->bounds_.height, rest.width, c->bounds_.height});
        rest.height -= c->bounds_.height;
        break;
      case Align::Left:
        place(c, {rest.left, rest.top, c->bounds_.width, rest.height});
        rest.left += c->bounds_.width;
        rest.width -= c->bounds_.width;
        break;
      case Align::Right:
        place(c, {rest.Right() - c->bounds_.width, rest.top, c->bounds_.width, rest.height});
        rest.width -= c->bounds_.width;
        break;
      default:
        break;
    }
  }
  for (Control* c : children_) {
    if (c->visible_ && c->align_ == Align::Client) place(c, rest);
  }
  arranging_ = false;
}

}  // namespace tavel
