// Controls that hold lists of texts: list box, drop-down combo box (also one that takes typed
// text), status bar panels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/control.h"

namespace tavel {

// How a list's items are drawn: by the system as texts, or by the program (OnDrawItem), all items
// as high as ItemHeight or each as high as OnMeasureItem says.
enum class ListStyle { Standard, OwnerDrawFixed, OwnerDrawVariable };

// The state of one item as it is drawn.
struct ItemState {
  bool selected = false;
  bool focused = false;
  bool disabled = false;
  bool inField = false;  // the selection field of a combo box rather than its list
};

// Items and a selected index shared by list boxes and combo boxes.
class ItemList : public Control {
 public:
  using Control::Control;

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(static_cast<size_t>(index)); }

  void Add(const std::string& text);
  void Clear();
  void RemoveAt(int index);
  // Replaces the text of one item; the selection stays.
  void SetItem(int index, const std::string& text);
  // Replaces every item at once (the fast way for long lists); the selection is cleared, or set
  // to `selected` when it is in range: the window then gets the items and the selection in one
  // go, without drawing the selection first.
  void Assign(std::vector<std::string> items, int selected = -1);

  int ItemIndex() const { return itemIndex_; }
  // Selecting from the program raises no event; an index out of range selects nothing.
  void SetItemIndex(int index);
  // The user selected an item in the window.
  void SelectionFromWindow(int index);

  // Bulk changes between these two reach the window only once, at the end.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateDepth_ > 0; }

  // The style takes effect when the window is made. An owner-drawn list keeps its texts as items
  // too, so that screen readers and other programs can read them.
  ListStyle Style() const { return style_; }
  void SetStyle(ListStyle style) { style_ = style; }
  bool OwnerDrawn() const { return style_ != ListStyle::Standard; }
  // The height of each item of an owner-drawn list (the starting height of variable ones).
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

  // Draws the whole item into `rect`: the focus frame follows it when `state.focused`.
  std::function<void(Canvas& canvas, int index, const Rect& rect, ItemState state)> OnDrawItem;
  // Sets the height of one item of a variable list; `height` starts at ItemHeight.
  std::function<void(int index, int& height)> OnMeasureItem;

  // The window asks for one item to be drawn; without OnDrawItem it shows the item's text as the
  // system would. An index that is not an item (an empty list, a combo box without a selection)
  // draws only the background and the focus frame.
  void DrawItem(Canvas& canvas, int index, const Rect& rect, ItemState state);
  // The window asks how high an item is.
  int MeasureItem(int index);

 protected:
  void ItemsChanged(Change c, int index);
  // The selected index changed, by the program or in the window.
  virtual void SelectionChanged() {}

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int updateDepth_ = 0;
  bool pendingReset_ = false;
  ListStyle style_ = ListStyle::Standard;
  int itemHeight_ = 16;
};

class ListBox : public ItemList {
 public:
  using ItemList::ItemList;
  ControlKind Kind() override { return this; }
  std::function<void()> OnDblClick;
  // The user clicked an item: the selection changes, then OnClick runs.
  void UserClick(int index);
  void UserDoubleClick(int index);
};

class ComboBox : public ItemList {
 public:
  using ItemList::ItemList;
  ControlKind Kind() override { return this; }
  // The user picked an item from the drop-down list.
  std::function<void()> OnChange;
  // The box received the focus.
  std::function<void()> OnEnter;
  void UserSelect(int index);
  void UserEnter();
};

// A combo box whose text the user may also type (a name that is not in the list): its caption is
// that text, and picking an item puts the item's text there.
class EditComboBox : public ComboBox {
 public:
  using ComboBox::ComboBox;
  ControlKind Kind() override { return this; }
  // The binding reports typing.
  void TextFromWindow(const std::string& text);

 protected:
  void SelectionChanged() override;
};

struct StatusPanel {
  std::string text;
  int width = 50;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  const std::vector<StatusPanel>& Panels() const { return panels_; }
  void SetPanelCount(int count);
  void SetPanelText(int index, const std::string& text);
  void SetPanelWidth(int index, int width);
  const std::string& PanelText(int index) const {
    return panels_.at(static_cast<size_t>(index)).text;
  }

 private:
  std::vector<StatusPanel> panels_;
};

}  // namespace tavel
