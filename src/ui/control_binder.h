// The choice of a control's window by its kind: each kind of control calls the binder's function
// for itself, so a kind of its own (derived from a list box, say) chooses its binding by overriding
// one function rather than by its place in a list of type tests.
#pragma once

namespace tavel {

class Label;
class Button;
class CheckBox;
class RadioGroup;
class Panel;
class Edit;
class ScrollBar;
class SpinButton;
class ListBox;
class ComboBox;
class EditComboBox;
class StatusBar;
class Image;

class ControlBinder {
 public:
  virtual ~ControlBinder() = default;
  virtual void Bind(Label& control) = 0;
  virtual void Bind(Button& control) = 0;
  virtual void Bind(CheckBox& control) = 0;
  virtual void Bind(RadioGroup& control) = 0;
  virtual void Bind(Panel& control) = 0;
  virtual void Bind(Edit& control) = 0;
  virtual void Bind(ScrollBar& control) = 0;
  virtual void Bind(SpinButton& control) = 0;
  virtual void Bind(ListBox& control) = 0;
  virtual void Bind(ComboBox& control) = 0;
  virtual void Bind(EditComboBox& control) = 0;
  virtual void Bind(StatusBar& control) = 0;
  virtual void Bind(Image& control) = 0;
};

}  // namespace tavel
