// Real menus made from menu items: a form's menu bar kept in step with its items, and pop-up menus
// built for one showing.
#include "ui/win32/menus.h"

#include "ui/win32/control_id.h"

namespace tavel {

namespace {

UINT StateFlags(const MenuItem& item) {
  return (item.Checked() ? MF_CHECKED : MF_UNCHECKED) | (item.Enabled() ? MF_ENABLED : MF_GRAYED);
}

}  // namespace

UINT MenuCommands::IdFor(MenuItem& item) {
  // Two names that meet in the same identifier: the later item takes the next free one.
  for (UINT id = static_cast<UINT>(ControlIdFor(item.Name()));; id = id % 0xFFFF + 1) {
    auto it = items_.find(id);
    if (it == items_.end()) {
      items_.emplace(id, &item);
      return id;
    }
    if (it->second == &item) return id;
  }
}

MenuItem* MenuCommands::ItemFor(UINT id) const {
  auto it = items_.find(id);
  return it == items_.end() ? nullptr : it->second;
}

MenuItem* MenuCommands::SubMenuFor(HMENU menu) const {
  auto it = subMenus_.find(menu);
  return it == subMenus_.end() ? nullptr : it->second;
}

void FillMenu(HMENU menu, MenuItem& parent, MenuCommands& commands) {
  for (MenuItem* item : parent.Items()) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item->Items().empty()) {
      HMENU sub = CreatePopupMenu();
      commands.AddSubMenu(sub, *item);
      FillMenu(sub, *item, commands);
      AppendMenuA(menu, MF_POPUP | StateFlags(*item), reinterpret_cast<UINT_PTR>(sub),
                  item->Caption().c_str());
    } else {
      AppendMenuA(menu, MF_STRING | StateFlags(*item), commands.IdFor(*item),
                  item->Caption().c_str());
    }
  }
}

MenuItem* TrackPopup(HWND owner, MenuItem& root, POINT at) {
  MenuCommands commands;
  HMENU menu = CreatePopupMenu();
  FillMenu(menu, root, commands);
  // A menu opened for a window in the background (the tray icon's) closes properly only when that
  // window is in the foreground and gets a message after the menu.
  SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return commands.ItemFor(chosen);
}

MenuBar::MenuBar(MenuItem& root) : root_(root), bar_(CreateMenu()) {
  FillMenu(bar_, root_, commands_);
  RecordShown(root_);
  SetPeers(root_);
}

void MenuBar::SetPeers(MenuItem& parent) {
  for (MenuItem* item : parent.Items()) {
    item->SetPeer(this);
    SetPeers(*item);
  }
}

void MenuBar::RecordShown(MenuItem& parent) {
  for (MenuItem* item : parent.Items()) {
    shown_[item] = item->Visible();
    RecordShown(*item);
  }
}

void MenuBar::Rebuild() {
  while (GetMenuItemCount(bar_) > 0) DeleteMenu(bar_, 0, MF_BYPOSITION);
  commands_.ForgetSubMenus();
  FillMenu(bar_, root_, commands_);
  shown_.clear();
  RecordShown(root_);
  if (owner_) DrawMenuBar(owner_);
}

// A command's caption, check and enabled state change in place, so that an open menu stays usable;
// a change of visibility or of a sub-menu's title builds the bar again.
void MenuBar::Sync(MenuItem& item) {
  bool command = !item.IsSeparator() && item.Items().empty();
  if (!command || shown_[&item] != item.Visible()) {
    Rebuild();
    return;
  }
  if (!item.Visible()) return;
  UINT id = commands_.IdFor(item);
  ModifyMenuA(bar_, id, MF_BYCOMMAND | MF_STRING | StateFlags(item), id, item.Caption().c_str());
  if (owner_ && item.Parent() == &root_) DrawMenuBar(owner_);
}

}  // namespace tavel
