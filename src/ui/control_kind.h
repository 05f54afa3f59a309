// A control as its own kind: each kind of control names itself, so a kind of its own (derived from
// a list box, say) chooses how it is bound by overriding one function rather than by its place in a
// list of type tests.
#pragma once

#include <variant>

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

// Nothing for a control without a window of a child's kind (a form).
using ControlKind =
    std::variant<std::monostate, Label*, Button*, CheckBox*, RadioGroup*, Panel*, Edit*, ScrollBar*,
                 SpinButton*, ListBox*, ComboBox*, EditComboBox*, StatusBar*, Image*>;

}  // namespace tavel
