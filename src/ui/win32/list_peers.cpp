// Peers of the controls that hold lists of texts: list box, drop-down combo box (also one that
// takes typed text), status bar.
#include <windows.h>
// The common controls need the definitions of windows.h first.
#include <commctrl.h>

#include <vector>

#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/win32/control_peers.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/win32_ui.h"

namespace tavel {

namespace {

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  return SendMessageA(hwnd, msg, wp, lp);
}

LPARAM Text(const std::string& s) {
  return reinterpret_cast<LPARAM>(s.c_str());
}

// The messages that do the same to a list box and to a combo box's list.
struct ListMessages {
  UINT reset, initStorage, add, insert, remove, setSelection, getSelection, count, setItemHeight;
};
constexpr ListMessages kListBoxMessages{
    LB_RESETCONTENT, LB_INITSTORAGE, LB_ADDSTRING, LB_INSERTSTRING,  LB_DELETESTRING,
    LB_SETCURSEL,    LB_GETCURSEL,   LB_GETCOUNT,  LB_SETITEMHEIGHT,
};
constexpr ListMessages kComboBoxMessages{
    CB_RESETCONTENT, CB_INITSTORAGE, CB_ADDSTRING, CB_INSERTSTRING,  CB_DELETESTRING,
    CB_SETCURSEL,    CB_GETCURSEL,   CB_GETCOUNT,  CB_SETITEMHEIGHT,
};

// The style bits of an owner-drawn list box, or of a combo box with the combo box's own bits.
// The items keep their texts either way.
DWORD OwnerDrawStyle(ListStyle style, bool combo) {
  switch (style) {
    case ListStyle::OwnerDrawFixed:
      return combo ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    case ListStyle::OwnerDrawVariable:
      return combo ? CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS
                   : LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
    default:
      return 0;
  }
}

ItemState StateOf(UINT itemState) {
  ItemState state;
  state.selected = (itemState & ODS_SELECTED) != 0;
  state.focused = (itemState & ODS_FOCUS) != 0;
  state.disabled = (itemState & ODS_DISABLED) != 0;
  state.inField = (itemState & ODS_COMBOBOXEDIT) != 0;
  return state;
}

class ItemListPeer : public ChildPeer {
 public:
  ItemListPeer(FormWindow& form, Control& control, const ListMessages& messages)
      : ChildPeer(form, control), m_(messages) {}

  HBRUSH OnCtlColor(HDC dc) override { return FieldColors(dc); }

  // Every action (the whole item, its selection, its focus) draws the whole item anew.
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    if (!List().OwnerDrawn()) return false;
    const RECT& r = item.rcItem;
    GdiCanvas canvas(item.hDC, Ui().Gdi());
    List().DrawItem(canvas, static_cast<int>(item.itemID),
                    {r.left, r.top, r.right - r.left, r.bottom - r.top}, StateOf(item.itemState));
    return true;
  }
  // A combo box asks for its selection field as item -1.
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override {
    if (!List().OwnerDrawn()) return false;
    item.itemHeight = static_cast<UINT>(List().MeasureItem(static_cast<int>(item.itemID)));
    return true;
  }
  // An owner-drawn list tells of every item it deletes, one message each when a long list is
  // refilled; the items hold nothing of ours to free, so the notice ends here.
  bool OnDeleteItem(const DELETEITEMSTRUCT&) override { return List().OwnerDrawn(); }

 protected:
  ItemList& List() const { return static_cast<ItemList&>(control_); }
  int Selection() const { return static_cast<int>(Send(hwnd_, m_.getSelection)); }

  bool SyncOwn(Change change, int index) override {
    switch (change) {
      case Change::Caption:
        return true;  // a list shows no caption
      case Change::Items:
        FillAll();
        return true;
      case Change::ItemAdded:
        Insert(index);
        return true;
      case Change::ItemRemoved:
        Remove(index);
        return true;
      case Change::ItemReplaced:
        Replace(index);
        return true;
      case Change::ItemIndex:
        Select();
        return true;
      case Change::ItemHeight:
        SetItemHeight();
        return true;
      default:
        return false;
    }
  }

  // Refilling a long list one string at a time with redrawing on takes minutes; with redrawing
  // off and the storage reserved first it takes milliseconds.
  void FillAll() {
    const std::vector<std::string>& items = List().Items();
    Send(hwnd_, WM_SETREDRAW, FALSE);
    Send(hwnd_, m_.reset);
    size_t bytes = 0;
    for (const std::string& s : items) bytes += s.size() + 1;
    Send(hwnd_, m_.initStorage, items.size(), static_cast<LPARAM>(bytes));
    for (const std::string& s : items) Send(hwnd_, m_.add, 0, Text(s));
    Select();
    Send(hwnd_, WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  void Select() {
    int wanted = List().ItemIndex();
    if (Selection() != wanted) Send(hwnd_, m_.setSelection, static_cast<WPARAM>(wanted));
  }

 private:
  // Variable lists ask again for each item they are given, so a new starting height reaches
  // only the items added after it.
  void SetItemHeight() {
    if (!List().OwnerDrawn()) return;
    Send(hwnd_, m_.setItemHeight, 0, List().ItemHeight());
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  int WindowCount() const { return static_cast<int>(Send(hwnd_, m_.count)); }

  // A single change that does not fit what the window holds means they differ: fill it anew.
  bool InStep(int windowCountAfter) {
    if (WindowCount() == windowCountAfter) return true;
    FillAll();
    return false;
  }

  void Insert(int index) {
    if (index < 0 || index >= List().Count() || !InStep(List().Count() - 1)) return;
    Send(hwnd_, m_.insert, static_cast<WPARAM>(index), Text(List().Item(index)));
    Select();
  }

  void Remove(int index) {
    if (index < 0 || !InStep(List().Count() + 1)) return;
    Send(hwnd_, m_.remove, static_cast<WPARAM>(index));
    Select();
  }

  void Replace(int index) {
    if (index < 0 || index >= List().Count() || !InStep(List().Count())) return;
    bool listBox = m_.add == LB_ADDSTRING;
    Send(hwnd_, WM_SETREDRAW, FALSE);
    LRESULT top = listBox ? Send(hwnd_, LB_GETTOPINDEX) : 0;
    Send(hwnd_, m_.remove, static_cast<WPARAM>(index));
    Send(hwnd_, m_.insert, static_cast<WPARAM>(index), Text(List().Item(index)));
    Send(hwnd_, m_.setSelection, static_cast<WPARAM>(List().ItemIndex()));
    if (listBox) Send(hwnd_, LB_SETTOPINDEX, static_cast<WPARAM>(top));
    Send(hwnd_, WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  const ListMessages& m_;
};

class ListBoxPeer : public ItemListPeer {
 public:
  ListBoxPeer(FormWindow& form, Control& control) : ItemListPeer(form, control, kListBoxMessages) {}
  void Create(HWND parent) override {
    CreateStandard(parent, "LISTBOX",
                   WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                       OwnerDrawStyle(List().Style(), false),
                   WS_EX_CLIENTEDGE);
    FillAll();
  }
  void OnCommand(HWND, int code) override {
    auto& list = static_cast<ListBox&>(control_);
    if (code == LBN_SELCHANGE) list.UserClick(Selection());
    if (code == LBN_DBLCLK) list.UserDoubleClick(Selection());
  }
};

class ComboBoxPeer : public ItemListPeer {
 public:
  static constexpr int kDropDownCount = 8;

  ComboBoxPeer(FormWindow& form, Control& control)
      : ItemListPeer(form, control, kComboBoxMessages) {}
  void Create(HWND parent) override {
    CreateStandard(
        parent, "COMBOBOX",
        WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | OwnerDrawStyle(List().Style(), true));
    FillAll();
  }
  void OnCommand(HWND, int code) override {
    auto& combo = static_cast<ComboBox&>(control_);
    if (code == CBN_SELCHANGE) combo.UserSelect(Selection());
    if (code == CBN_SETFOCUS) combo.UserEnter();
  }

 protected:
  // The window of a drop-down combo box includes its dropped list.
  RECT WindowRect() const override {
    RECT r = ChildPeer::WindowRect();
    int item =
        hwnd_ ? static_cast<int>(Send(hwnd_, CB_GETITEMHEIGHT, 0)) : control_.GetFont().height + 4;
    r.bottom += item * kDropDownCount + 2;
    return r;
  }
};

// The drop-down combo box with an edit field: the edit child is one of its windows, so that its
// colour messages reach this peer; typing is reported as the control's caption.
class EditComboBoxPeer : public ComboBoxPeer {
 public:
  using ComboBoxPeer::ComboBoxPeer;
  void Create(HWND parent) override {
    CreateStandard(parent, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
    edit_ = FindWindowExA(hwnd_, nullptr, "Edit", nullptr);
    FillAll();
    SetWindowTextA(hwnd_, control_.Caption().c_str());
  }
  std::vector<HWND> Windows() const override {
    if (!edit_) return {hwnd_};
    return {hwnd_, edit_};
  }
  void OnCommand(HWND from, int code) override {
    if (code != CBN_EDITCHANGE) return ComboBoxPeer::OnCommand(from, code);
    text_.FromWindow(hwnd_, [this](const std::string& t) {
      static_cast<EditComboBox&>(control_).TextFromWindow(t);
    });
  }

 protected:
  // Text set by the program goes into the edit field.
  bool SyncOwn(Change change, int index) override {
    if (change != Change::Caption) return ComboBoxPeer::SyncOwn(change, index);
    text_.ToWindow(hwnd_, control_.Caption());
    return true;
  }

 private:
  HWND edit_ = nullptr;
  TypedText text_;
};

class StatusBarPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create(HWND parent) override {
    Form* form = control_.OwnerForm();
    bool grip = form && form->Border() == BorderStyle::Sizeable;
    CreateStandard(parent, STATUSCLASSNAMEA,
                   CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | (grip ? SBARS_SIZEGRIP : 0));
    ApplyPanels();
  }
  LRESULT OnNotify(const NMHDR& hdr) override {
    if (hdr.code == static_cast<UINT>(NM_CLICK) && control_.OnClick) control_.OnClick();
    return 0;
  }

 protected:
  bool SyncOwn(Change change, int index) override {
    if (change == Change::Caption) return true;
    if (change != Change::Panels) return false;
    const auto& panels = static_cast<StatusBar&>(control_).Panels();
    if (index >= 0 && index < static_cast<int>(panels.size()) &&
        Send(hwnd_, SB_GETPARTS) == static_cast<LRESULT>(panels.size())) {
      SetPanelText(index, panels[static_cast<size_t>(index)].text);
    } else {
      ApplyPanels();
    }
    return true;
  }

 private:
  void SetPanelText(int index, const std::string& text) {
    Send(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(index), Text(text));
  }

  // Panels side by side from the left, each as wide as given; the last one takes the rest.
  void ApplyPanels() {
    const auto& panels = static_cast<StatusBar&>(control_).Panels();
    std::vector<int> edges;
    int x = 0;
    for (size_t i = 0; i < panels.size(); ++i) {
      x += panels[i].width;
      edges.push_back(i + 1 == panels.size() ? -1 : x);
    }
    if (edges.empty()) edges.push_back(-1);
    Send(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    if (panels.empty()) SetPanelText(0, "");
    for (size_t i = 0; i < panels.size(); ++i) SetPanelText(static_cast<int>(i), panels[i].text);
  }
};

}  // namespace

// Which peer each kind of control gets, one kind a line.
// clang-format off
PeerPtr PeerFor(FormWindow& f, ListBox& c) { return MakePeerOf<ListBoxPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, ComboBox& c) { return MakePeerOf<ComboBoxPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, EditComboBox& c) { return MakePeerOf<EditComboBoxPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, StatusBar& c) { return MakePeerOf<StatusBarPeer>(f, c); }
// clang-format on

}  // namespace tavel
