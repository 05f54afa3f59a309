// Controls that hold lists of texts: list box, drop-down combo box (also one that takes typed
// text), status bar panels.
#include "ui/list_controls.h"

namespace tavel {

void ItemList::ItemsChanged(Change c, int index) {
  if (updateDepth_ > 0) {
    pendingReset_ = true;
    return;
  }
  Changed(c, index);
}

void ItemList::Add(const std::string& text) {
  items_.push_back(text);
  ItemsChanged(Change::ItemAdded, Count() - 1);
}

void ItemList::Clear() {
  items_.clear();
  itemIndex_ = -1;
  ItemsChanged(Change::Items, -1);
}

void ItemList::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  if (itemIndex_ == index) {
    itemIndex_ = -1;
  } else if (itemIndex_ > index) {
    --itemIndex_;
  }
  ItemsChanged(Change::ItemRemoved, index);
}

void ItemList::SetItem(int index, const std::string& text) {
  if (index < 0 || index >= Count()) return;
  items_[static_cast<size_t>(index)] = text;
  ItemsChanged(Change::ItemReplaced, index);
}

void ItemList::Assign(std::vector<std::string> items, int selected) {
  items_ = std::move(items);
  itemIndex_ = selected >= 0 && selected < Count() ? selected : -1;
  ItemsChanged(Change::Items, -1);
  if (itemIndex_ >= 0) SelectionChanged();
}

void ItemList::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (updateDepth_ == 0) Changed(Change::ItemIndex);
  SelectionChanged();
}

void ItemList::SelectionFromWindow(int index) {
  itemIndex_ = (index >= 0 && index < Count()) ? index : -1;
  SelectionChanged();
}

void ItemList::BeginUpdate() {
  ++updateDepth_;
}

void ItemList::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0) return;
  if (pendingReset_) {
    pendingReset_ = false;
    Changed(Change::Items);
  }
  Changed(Change::ItemIndex);
  Changed(Change::Redraw);
}

void ItemList::SetItemHeight(int height) {
  if (height < 1 || height == itemHeight_) return;
  itemHeight_ = height;
  Changed(Change::ItemHeight);
}

void ItemList::DrawItem(Canvas& canvas, int index, const Rect& rect, ItemState state) {
  bool isItem = index >= 0 && index < Count();
  if (isItem && OnDrawItem) {
    OnDrawItem(canvas, index, rect, state);
  } else {
    canvas.Fill(rect, canvas.System(state.selected && isItem ? SystemColor::Highlight
                                                             : SystemColor::Window));
    if (isItem) {
      SystemColor text = state.disabled   ? SystemColor::GrayText
                         : state.selected ? SystemColor::HighlightText
                                          : SystemColor::WindowText;
      Rect inner{rect.left + 2, rect.top, rect.width - 2, rect.height};
      canvas.WriteText(inner, Item(index), GetFont(), canvas.System(text));
    }
  }
  if (state.focused) canvas.DrawFocusFrame(rect);
}

int ItemList::MeasureItem(int index) {
  int height = itemHeight_;
  if (style_ == ListStyle::OwnerDrawVariable && OnMeasureItem && index >= 0 && index < Count()) {
    OnMeasureItem(index, height);
  }
  return height;
}

void ListBox::UserClick(int index) {
  SelectionFromWindow(index);
  Changed(Change::ItemIndex);
  if (OnClick) OnClick();
}

void ListBox::UserDoubleClick(int index) {
  SelectionFromWindow(index);
  if (OnDblClick) OnDblClick();
}

void ComboBox::UserSelect(int index) {
  SelectionFromWindow(index);
  Changed(Change::ItemIndex);
  if (OnChange) OnChange();
}

void ComboBox::UserEnter() {
  if (OnEnter) OnEnter();
}

void EditComboBox::TextFromWindow(const std::string& text) {
  SetCaption(text);
}

void EditComboBox::SelectionChanged() {
  if (ItemIndex() >= 0) SetCaption(Item(ItemIndex()));
}

void StatusBar::SetPanelCount(int count) {
  panels_.resize(static_cast<size_t>(count < 0 ? 0 : count));
  Changed(Change::Panels);
}

void StatusBar::SetPanelText(int index, const std::string& text) {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return;
  panels_[static_cast<size_t>(index)].text = text;
  Changed(Change::Panels, index);
}

void StatusBar::SetPanelWidth(int index, int width) {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return;
  panels_[static_cast<size_t>(index)].width = width;
  Changed(Change::Panels, -1);
}

}  // namespace tavel
