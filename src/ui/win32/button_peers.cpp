// Peers of the simple standard controls: label, button, check box, edit, scroll bar, spin button.
#include <windows.h>
// The common controls need the definitions of windows.h first.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "ui/controls.h"
#include "ui/win32/control_peers.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/win32_ui.h"

namespace tavel {

namespace {

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  return SendMessageA(hwnd, msg, wp, lp);
}

class LabelPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create(HWND parent) override {
    CreateStandard(parent, "STATIC", SS_NOPREFIX | SS_NOTIFY | AlignStyle());
  }
  void OnCommand(HWND, int code) override {
    if (code == STN_CLICKED && control_.OnClick) control_.OnClick();
  }
  HBRUSH OnCtlColor(HDC dc) override { return InheritedColors(dc); }

 protected:
  // The alignment arrives as a caption change, since it changes how the caption shows. A static
  // control draws a new text at once by itself, before the repaint that shows the label in its
  // final size anyway; the text goes straight to the window's default handling, which only
  // stores it, so the label is drawn once, by whoever repaints it next.
  bool SyncOwn(Change change, int) override {
    if (change == Change::Bounds) {
      Move();
      return true;
    }
    if (change != Change::Caption) return false;
    const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    const LONG_PTR aligned = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | AlignStyle();
    if (aligned != style) SetWindowLongPtrA(hwnd_, GWL_STYLE, aligned);
    DefWindowProcA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(control_.Caption().c_str()));
    InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
  }

 private:
  // An auto-sized label changes its size with most captions. Sizing a window erases at once what
  // waits to be erased in its parent and in every control of the parent, asking the system about
  // each; the parent's part, which holds what the label uncovered, is erased at once here too, and
  // the controls' parts when they are painted, as they would be anyway.
  void Move() {
    const RECT r = WindowRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
    RedrawWindow(GetParent(hwnd_), nullptr, nullptr, RDW_ERASENOW | RDW_NOCHILDREN);
  }

  DWORD AlignStyle() const {
    const auto& label = static_cast<Label&>(control_);
    switch (label.Alignment()) {
      case TextAlign::Right:
        return SS_RIGHT;
      case TextAlign::Center:
        return SS_CENTER;
      default:
        return label.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
    }
  }
};

class ButtonPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create(HWND parent) override {
    bool isDefault = static_cast<Button&>(control_).Default();
    CreateStandard(parent, "BUTTON", WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
  }
  void OnCommand(HWND, int code) override {
    if (code == BN_CLICKED) static_cast<Button&>(control_).Click();
  }
};

class CheckBoxPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create(HWND parent) override {
    CreateShowing(Change::Checked, parent, "BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX);
  }
  // The box has toggled itself already; the control follows and raises its click.
  void OnCommand(HWND, int code) override {
    auto& box = static_cast<CheckBox&>(control_);
    bool shown = Send(hwnd_, BM_GETCHECK) == BST_CHECKED;
    if (code == BN_CLICKED && shown != box.Checked()) box.UserToggle();
  }
  HBRUSH OnCtlColor(HDC dc) override { return InheritedColors(dc); }

 protected:
  bool SyncOwn(Change change, int) override {
    if (change != Change::Checked) return false;
    bool checked = static_cast<CheckBox&>(control_).Checked();
    Send(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    return true;
  }
};

class EditPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create(HWND parent) override {
    CreateStandard(parent, "EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  }
  void OnCommand(HWND, int code) override {
    if (code != EN_CHANGE) return;
    text_.FromWindow(
        hwnd_, [this](const std::string& t) { static_cast<Edit&>(control_).TextFromWindow(t); });
  }
  HBRUSH OnCtlColor(HDC dc) override { return FieldColors(dc); }

 protected:
  bool SyncOwn(Change change, int) override {
    if (change != Change::Caption) return false;
    text_.ToWindow(hwnd_, control_.Caption());
    return true;
  }

 private:
  TypedText text_;
};

class ScrollBarPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  void Create(HWND parent) override {
    CreateShowing(Change::Range, parent, "SCROLLBAR", WS_TABSTOP | SBS_HORZ);
  }
  // The thumb moves only after the handler has seen the old position and the new one.
  void OnScroll(int code) override {
    auto& bar = static_cast<ScrollBar&>(control_);
    int pos = bar.Position();
    ScrollCode sc;
    switch (code) {
      case SB_LINELEFT:
        sc = ScrollCode::LineUp;
        pos -= 1;
        break;
      case SB_LINERIGHT:
        sc = ScrollCode::LineDown;
        pos += 1;
        break;
      case SB_PAGELEFT:
        sc = ScrollCode::PageUp;
        pos -= bar.LargeChange();
        break;
      case SB_PAGERIGHT:
        sc = ScrollCode::PageDown;
        pos += bar.LargeChange();
        break;
      case SB_THUMBPOSITION:
      case SB_THUMBTRACK:
        sc = code == SB_THUMBTRACK ? ScrollCode::ThumbTrack : ScrollCode::ThumbPosition;
        pos = TrackPosition();
        break;
      case SB_LEFT:
        sc = ScrollCode::Top;
        pos = bar.Min();
        break;
      case SB_RIGHT:
        sc = ScrollCode::Bottom;
        pos = bar.Max();
        break;
      case SB_ENDSCROLL:
        sc = ScrollCode::EndScroll;
        break;
      default:
        return;
    }
    bar.Scroll(sc, std::clamp(pos, bar.Min(), bar.Max()));
  }

 protected:
  bool SyncOwn(Change change, int) override {
    auto& bar = static_cast<ScrollBar&>(control_);
    if (change == Change::Range) {
      SetScrollRange(hwnd_, SB_CTL, bar.Min(), bar.Max(), FALSE);
    } else if (change != Change::Position) {
      return false;
    }
    SetScrollPos(hwnd_, SB_CTL, bar.Position(), TRUE);
    return true;
  }

 private:
  int TrackPosition() const {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd_, SB_CTL, &si);
    return si.nTrackPos;
  }
};

// An up-down control without a buddy: its position never moves, so it never reaches an end of its
// range. A held arrow repeats at the spin button's pace, not at the control's own: the peer tells
// the spin button when the mouse goes down on an arrow and when it comes up, and ignores the
// control's steps meanwhile. A step the control reports without a press counts as one click.
class SpinButtonPeer : public ChildPeer {
 public:
  using ChildPeer::ChildPeer;
  ~SpinButtonPeer() override {
    if (hwnd_ && IsWindow(hwnd_)) StopWatching(hwnd_);
  }
  void Create(HWND parent) override {
    CreateStandard(parent, UPDOWN_CLASSA, 0);
    Send(hwnd_, UDM_SETRANGE32, 0, 100);
    Send(hwnd_, UDM_SETPOS32, 0, 50);
    // The control's own window procedure is replaced, not chained through comctl32's subclass
    // helpers: Windows XP before its first service pack exports those by number only.
    SetPropA(hwnd_, kPeerProperty, this);
    controlProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpinButtonPeer::Watch)));
  }
  LRESULT OnNotify(const NMHDR& hdr) override {
    if (hdr.code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
    if (!Spin().Held()) {
      int delta = reinterpret_cast<const NMUPDOWN&>(hdr).iDelta;
      if (delta != 0) {
        Spin().Press(delta > 0);
        Spin().Release();
      }
    }
    return 1;
  }

 private:
  static constexpr const char* kPeerProperty = "TavelSpinPeer";
  WNDPROC controlProc_ = nullptr;

  SpinButton& Spin() const { return static_cast<SpinButton&>(control_); }

  void MouseMessage(UINT msg, LPARAM lp) {
    if (!live_) return;
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
      RECT r;
      GetClientRect(hwnd_, &r);
      // The upper arrow counts up.
      Spin().Press(GET_Y_LPARAM(lp) < (r.bottom - r.top) / 2);
    } else if (msg == WM_LBUTTONUP || msg == WM_CAPTURECHANGED || msg == WM_CANCELMODE ||
               msg == WM_ENABLE || msg == WM_NCDESTROY) {
      Spin().Release();
    }
  }

  // Gives the control its own window procedure back, unless someone replaced ours meanwhile.
  void StopWatching(HWND hwnd) {
    if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SpinButtonPeer::Watch))
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
    RemovePropA(hwnd, kPeerProperty);
  }

  static LRESULT CALLBACK Watch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<SpinButtonPeer*>(GetPropA(hwnd, kPeerProperty));
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    self->MouseMessage(msg, lp);
    const WNDPROC controlProc = self->controlProc_;
    if (msg == WM_NCDESTROY) self->StopWatching(hwnd);
    return CallWindowProcA(controlProc, hwnd, msg, wp, lp);
  }
};

}  // namespace

// Which peer each kind of control gets, one kind a line.
// clang-format off
PeerPtr PeerFor(FormWindow& f, Label& c) { return MakePeerOf<LabelPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, Button& c) { return MakePeerOf<ButtonPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, CheckBox& c) { return MakePeerOf<CheckBoxPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, Edit& c) { return MakePeerOf<EditPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, ScrollBar& c) { return MakePeerOf<ScrollBarPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, SpinButton& c) { return MakePeerOf<SpinButtonPeer>(f, c); }
// clang-format on

}  // namespace tavel
