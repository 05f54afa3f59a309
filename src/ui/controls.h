// The simple controls: label, button, check box, radio group, panel, edit, scroll bar, spin button.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/timer.h"

namespace tavel {

enum class TextAlign { Left, Right, Center };

class Label : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  // An auto-sized label takes the measured size of its caption whenever the caption or font
  // changes.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign a);
  // A left-aligned label with word wrap breaks a line that does not fit its width at a space.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);

 protected:
  void CaptionChanged() override;

 private:
  bool autoSize_ = true;
  bool wordWrap_ = false;
  TextAlign alignment_ = TextAlign::Left;
};

class Button : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  // The default button answers Enter; a non-zero modal result closes a modal form with it.
  bool Default() const { return default_; }
  void SetDefault(bool on) { default_ = on; }
  // The cancel button answers Escape.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int r) { modalResult_ = r; }
  // A press by the user (or a test): runs OnClick, then applies the modal result.
  void Click();

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  bool Checked() const { return checked_; }
  // Setting the check from the program raises no event.
  void SetChecked(bool on);
  // The user toggled the box: the check changes, then OnClick runs.
  void UserToggle();

 private:
  bool checked_ = false;
};

class RadioGroup : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  // Any change of the index, by the program or the user, raises OnClick.
  void SetItemIndex(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

enum class Bevel { None, Lowered, Raised };

class Panel : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  // The outer bevel is the panel's edge; the inner one lies just inside it.
  Bevel Outer() const { return outer_; }
  void SetOuter(Bevel b) { outer_ = b; }
  Bevel Inner() const { return inner_; }
  void SetInner(Bevel b) { inner_ = b; }

 private:
  Bevel outer_ = Bevel::Raised;
  Bevel inner_ = Bevel::None;
};

class Edit : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  // An edit's text is its caption; the binding reports typing through TextFromWindow.
  void TextFromWindow(const std::string& text);
  std::function<void()> OnChange;
};

// The scroll codes of a scroll event, as the system reports them.
enum class ScrollCode {
  LineUp,
  LineDown,
  PageUp,
  PageDown,
  ThumbPosition,
  ThumbTrack,
  Top,
  Bottom,
  EndScroll
};

class ScrollBar : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int LargeChange() const { return largeChange_; }
  void SetRange(int min, int max);
  void SetLargeChange(int v);
  int Position() const { return position_; }
  void SetPosition(int p);
  // A scroll event: OnScroll sees the position before the move, then the thumb moves to `newPos`.
  void Scroll(ScrollCode code, int newPos);
  std::function<void(ScrollCode code, int& newPos)> OnScroll;

 private:
  int min_ = 0;
  int max_ = 100;
  int largeChange_ = 1;
  int position_ = 0;
};

// An up/down arrow pair. Pressing an arrow steps once; held down, it repeats its step, first after
// 400 ms and then every 100 ms, until it is let go.
class SpinButton : public Control {
 public:
  SpinButton(Control* parent, std::string name);
  ~SpinButton() override;
  ControlKind Kind() override { return this; }
  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;

  // The mouse went down on an arrow, and came up again (or the arrows lost the mouse).
  void Press(bool up);
  void Release();
  bool Held() const;

 private:
  void Step() const;

  bool up_ = true;
  std::unique_ptr<Timer> repeat_;
};

}  // namespace tavel
