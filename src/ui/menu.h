// Menu items of main and pop-up menus: caption, check, enabled and the click handler.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavel {

class MenuItem;

// Receives changes of a menu item; the Windows binding implements it.
class MenuPeer {
 public:
  virtual ~MenuPeer() = default;
  virtual void Sync(MenuItem& item) = 0;
};

class MenuItem {
 public:
  // A root item (a whole menu) has no parent; a separator has the caption "-".
  MenuItem(MenuItem* parent, std::string name, std::string caption);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  MenuItem* Parent() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  bool IsSeparator() const { return caption_ == "-"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  std::function<void()> OnClick;
  // The user chose the item (or a test did).
  void Click();

  MenuPeer* Peer() const { return peer_; }
  void SetPeer(MenuPeer* peer) { peer_ = peer; }

 private:
  void Changed();

  MenuItem* parent_;
  std::string name_;
  std::string caption_;
  std::vector<MenuItem*> items_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  MenuPeer* peer_ = nullptr;
};

}  // namespace tavel
