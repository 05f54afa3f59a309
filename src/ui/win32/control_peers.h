// The real child window behind each control: created from the control's state, kept in step with
// its changes, and turning the window's notifications into the control's events.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/win32/window_base.h"

namespace tavel {

class FormWindow;
class Win32Ui;

class ChildPeer : public ControlPeer {
 public:
  ChildPeer(FormWindow& form, Control& control) : form_(form), control_(control) {}
  ~ChildPeer() override = default;

  // Creates the control's window(s) inside `parent` and brings them up to the control's state.
  virtual void Create(HWND parent) = 0;
  HWND Handle() const { return hwnd_; }
  // Every window that belongs to the control (a radio group has one per item).
  virtual std::vector<HWND> Windows() const { return {hwnd_}; }
  // The window that the control's children are created in; null when it holds none.
  virtual HWND ChildContainer() const { return nullptr; }
  Control& Target() const { return control_; }
  FormWindow& Owner() const { return form_; }
  // The control is going away with its form: nothing reaches it from the windows any more.
  void Disconnect() { live_ = false; }

  void Sync(Control& control, Change change, int index) override;

  // Notifications from the window, delivered by its parent.
  virtual void OnCommand(HWND /*from*/, int /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*hdr*/) { return 0; }
  virtual void OnScroll(int /*code*/) {}
  // The brush for a WM_CTLCOLOR... message, or null to leave the colours to the system.
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
  // Owner drawing: false (or 0) when the control does not draw its items itself. The measure
  // arrives while the window is still being made, before Handle() is known.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  virtual int OnCompareItem(const COMPAREITEMSTRUCT& /*items*/) { return 0; }
  virtual bool OnDeleteItem(const DELETEITEMSTRUCT& /*item*/) { return false; }

 protected:
  // Kind-specific handling of a change; false leaves it to the common handling (caption, bounds,
  // visibility, enabled, hint, font, colour, redraw).
  virtual bool SyncOwn(Change /*change*/, int /*index*/) { return false; }
  // The window rectangle for the control's bounds (a drop-down list reaches further down).
  virtual RECT WindowRect() const;
  WindowArgs ChildArgs(HWND parent, const char* className, DWORD style, DWORD exStyle) const;
  // Creates a standard control as hwnd_ and gives it the control's font.
  void CreateStandard(HWND parent, const char* className, DWORD style, DWORD exStyle = 0);
  // The same for a control whose own state (a check, a range) the new window must show at once.
  void CreateShowing(Change own, HWND parent, const char* className, DWORD style);
  void ApplyFont();
  // Label-like colours: the container's background and the font's colour.
  HBRUSH InheritedColors(HDC dc);
  // Input-field colours (edit, list): the control's own colour on the system window colour; null
  // when the control keeps the system's colours.
  HBRUSH FieldColors(HDC dc);
  Win32Ui& Ui() const;

  FormWindow& form_;
  Control& control_;
  HWND hwnd_ = nullptr;
  bool live_ = true;
};

// A control drawn by a window class of our own.
class DrawnPeer : public ChildPeer, public WindowBase {
 public:
  using ChildPeer::ChildPeer;

 protected:
  void CreateOwn(HWND parent, const char* className, DWORD style, DWORD exStyle);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Fills the background; by default in the colour inherited from the container.
  virtual COLORREF Background() const;
  virtual void Paint(HDC /*dc*/, const RECT& /*client*/) {}

 private:
  bool pressed_ = false;
};

// The text of a window (a typed edit text, a combo box's edit field).
std::string WindowTextOf(HWND hwnd);

// The text of a field the user types into, kept in step both ways: text set by the program raises
// no change event, and typed text is not written back (that would move the caret).
class TypedText {
 public:
  // The window reported a change: unless the program made it, hand the window's text over.
  template <typename Take>
  void FromWindow(HWND hwnd, Take take) {
    if (setting_) return;
    taking_ = true;
    take(WindowTextOf(hwnd));
    taking_ = false;
  }
  // The control's caption changed: put it into the window unless it came from typing.
  void ToWindow(HWND hwnd, const std::string& text) {
    if (taking_) return;
    setting_ = true;
    SetWindowTextA(hwnd, text.c_str());
    setting_ = false;
  }

 private:
  bool setting_ = false;
  bool taking_ = false;
};

// The peer for a control of any kind, as the control's kind chooses it; null for kinds that have
// no window.
std::unique_ptr<ChildPeer> MakePeer(FormWindow& form, Control& control);

// The peers of each kind: the standard controls (button_peers.cpp),
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, Label& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, Button& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, CheckBox& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, Edit& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, ScrollBar& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, SpinButton& control);
// the lists (list_peers.cpp),
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, ListBox& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, ComboBox& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, EditComboBox& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, StatusBar& control);
// and the controls drawn by classes of our own (drawn_peers.cpp).
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, Panel& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, RadioGroup& control);
std::unique_ptr<ChildPeer> PeerFor(FormWindow& form, Image& control);

// Makes the peer of one control; each peer file names its kinds' peers with it.
using PeerPtr = std::unique_ptr<ChildPeer>;
template <class Peer, class Kind>
PeerPtr MakePeerOf(FormWindow& form, Kind& control) {
  return std::make_unique<Peer>(form, control);
}

// Window classes of our own controls, registered once per process.
void RegisterDrawnClasses(HINSTANCE instance);

}  // namespace tavel
