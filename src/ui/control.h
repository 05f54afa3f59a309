// The base of every control: state kept in C++, mirrored into a real window when one is attached.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "ui/control_kind.h"

namespace tavel {

class Control;
class Form;

// What changed in a control, so that an attached window updates only that.
enum class Change {
  Caption,
  Bounds,
  Visible,
  Enabled,
  Hint,
  Font,
  Color,
  Items,         // list contents replaced as a whole (list box, combo box, radio group)
  ItemAdded,     // one item appended; the index says which
  ItemRemoved,   // one item removed at the index
  ItemReplaced,  // the text of the item at the index changed
  ItemIndex,     // selection
  Checked,
  Range,  // scroll bar minimum, maximum and large change
  Position,
  Panels,      // status bar panel texts and widths
  ItemHeight,  // the height of the items of an owner-drawn list
  Redraw,      // a bulk update ended: repaint now
};

// Receives state changes of one control; the Windows binding implements it. Headless controls have
// no peer and are plain state.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Sync(Control& control, Change change, int index) = 0;
};

enum class Align { None, Top, Bottom, Left, Right, Client };

class Control {
 public:
  // `parent` is the control that contains this one (a panel or the form); null only for forms.
  Control(Control* parent, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  Form* OwnerForm();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);

  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& r);
  // The window was moved or sized by the user or the system: take its rectangle without echoing it.
  void BoundsFromWindow(const Rect& r);
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(int v) { SetBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
  void SetWidth(int v) { SetBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
  void SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // Visible and every container up to the form visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& text);

  // A control uses its parent's font until it is given one of its own.
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  bool ParentFont() const { return parentFont_; }
  Color GetColor() const { return color_; }
  void SetColor(Color c);

  Align GetAlign() const { return align_; }
  void SetAlign(Align a);

  std::function<void()> OnClick;

  ControlPeer* Peer() const { return peer_; }
  void SetPeer(ControlPeer* peer) { peer_ = peer; }

  // Lays out children that are aligned to an edge or to the client area, in creation order.
  void ArrangeAligned();

  // This control as its own kind; a control without a window of a child's kind (a form) gives
  // nothing.
  virtual ControlKind Kind() { return {}; }

  // Client size: forms override it to exclude borders and menu; for others the bounds.
  virtual Size ClientSize() const { return {bounds_.width, bounds_.height}; }

 protected:
  void Changed(Change c, int index = -1);
  void InheritFont(const Font& f);
  // Called when a text-sized control needs its size recomputed (labels).
  virtual void CaptionChanged() {}
  virtual void SizeChanged() {}

 private:
  Control* parent_;
  std::string name_;
  std::vector<Control*> children_;
  std::string caption_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  Font font_;
  bool parentFont_ = true;
  Color color_ = kDefaultColor;
  Align align_ = Align::None;
  bool arranging_ = false;
  ControlPeer* peer_ = nullptr;
};

}  // namespace tavel
