// Controls that hold lists of texts: list box, drop-down combo box, status bar panels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tavel {

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
  // Replaces every item at once (the fast way for long lists); the selection is cleared.
  void Assign(std::vector<std::string> items);

  int ItemIndex() const { return itemIndex_; }
  // Selecting from the program raises no event; an index out of range selects nothing.
  void SetItemIndex(int index);
  // The user selected an item in the window.
  void SelectionFromWindow(int index);

  // Bulk changes between these two reach the window only once, at the end.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateDepth_ > 0; }

 protected:
  void ItemsChanged(Change c, int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int updateDepth_ = 0;
  bool pendingReset_ = false;
};

class ListBox : public ItemList {
 public:
  using ItemList::ItemList;
  std::function<void()> OnDblClick;
  // The user clicked an item: the selection changes, then OnClick runs.
  void UserClick(int index);
  void UserDoubleClick(int index);
};

class ComboBox : public ItemList {
 public:
  using ItemList::ItemList;
  // The user picked an item from the drop-down list.
  std::function<void()> OnChange;
  // The box received the focus.
  std::function<void()> OnEnter;
  void UserSelect(int index);
  void UserEnter();
};

struct StatusPanel {
  std::string text;
  int width = 50;
};

class StatusBar : public Control {
 public:
  using Control::Control;
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
