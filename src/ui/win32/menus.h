// Real menus made from menu items: a form's menu bar kept in step with its items, and pop-up menus
// built for one showing.
#pragma once

#include <windows.h>

#include <map>

#include "ui/menu.h"

namespace tavel {

// Menu commands by identifier. A command's identifier is derived from its item's name, as a
// control's is, so that a program driving the window from outside can choose a command by name.
class MenuCommands {
 public:
  UINT IdFor(MenuItem& item);
  MenuItem* ItemFor(UINT id) const;
  // Sub-menus by their menu handle, made again with every filling of the menu.
  void AddSubMenu(HMENU menu, MenuItem& item) { subMenus_[menu] = &item; }
  void ForgetSubMenus() { subMenus_.clear(); }
  MenuItem* SubMenuFor(HMENU menu) const;

 private:
  std::map<UINT, MenuItem*> items_;
  std::map<HMENU, MenuItem*> subMenus_;
};

// Appends the visible sub-items of `parent` to `menu`, sub-menus included.
void FillMenu(HMENU menu, MenuItem& parent, MenuCommands& commands);

// Shows `root`'s items as a pop-up menu at a screen point and returns the chosen item, if any.
MenuItem* TrackPopup(HWND owner, MenuItem& root, POINT at);

class MenuBar : public MenuPeer {
 public:
  explicit MenuBar(MenuItem& root);
  // The menu belongs to the window it is attached to, which destroys it.
  ~MenuBar() override = default;
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  HMENU Handle() const { return bar_; }
  void AttachTo(HWND owner) { owner_ = owner; }
  // The item chosen by a menu command, or null.
  MenuItem* ItemFor(UINT id) const { return commands_.ItemFor(id); }
  // The item whose sub-menu this is, or null.
  MenuItem* SubMenuFor(HMENU menu) const { return commands_.SubMenuFor(menu); }
  void Sync(MenuItem& item) override;

 private:
  void Rebuild();
  void SetPeers(MenuItem& parent);
  void RecordShown(MenuItem& parent);

  MenuItem& root_;
  HMENU bar_;
  HWND owner_ = nullptr;
  MenuCommands commands_;
  std::map<MenuItem*, bool> shown_;  // visibility of every item when the menu was last built
};

}  // namespace tavel
