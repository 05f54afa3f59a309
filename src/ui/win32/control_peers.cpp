// The real child window behind each control: what every kind shares (creation arguments, common
// changes, colours) and the choice of peer by kind.
#include "ui/win32/control_peers.h"

#include "ui/win32/control_id.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/win32_ui.h"

namespace tavel {

std::string WindowTextOf(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), length + 1)));
  return text;
}

Win32Ui& ChildPeer::Ui() const {
  return form_.Ui();
}

RECT ChildPeer::WindowRect() const {
  const Rect& b = control_.Bounds();
  return {b.left, b.top, b.Right(), b.Bottom()};
}

WindowArgs ChildPeer::ChildArgs(HWND parent, const char* className, DWORD style,
                                DWORD exStyle) const {
  WindowArgs args;
  args.className = className;
  args.text = control_.Caption();
  args.style = WS_CHILD | WS_CLIPSIBLINGS | style | (control_.Visible() ? WS_VISIBLE : 0) |
               (control_.Enabled() ? 0 : WS_DISABLED);
  args.exStyle = exStyle;
  RECT r = WindowRect();
  args.left = r.left;
  args.top = r.top;
  args.width = r.right - r.left;
  args.height = r.bottom - r.top;
  args.parent = parent;
  // The identifier lets a program driving the windows from outside find the control by its name.
  args.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdFor(control_.Name())));
  return args;
}

void ChildPeer::CreateStandard(HWND parent, const char* className, DWORD style, DWORD exStyle) {
  WindowArgs a = ChildArgs(parent, className, style, exStyle);
  hwnd_ = CreateWindowExA(a.exStyle, a.className, a.text.c_str(), a.style, a.left, a.top, a.width,
                          a.height, a.parent, a.menu, Ui().Instance(), nullptr);
  ApplyFont();
}

void ChildPeer::CreateShowing(Change own, HWND parent, const char* className, DWORD style) {
  CreateStandard(parent, className, style);
  SyncOwn(own, -1);
}

void ChildPeer::ApplyFont() {
  HFONT font = Ui().Gdi().FontFor(control_.GetFont());
  for (HWND w : Windows()) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HBRUSH ChildPeer::FieldColors(HDC dc) {
  if (control_.GetColor() == kDefaultColor && control_.GetFont().color == kDefaultColor) {
    return nullptr;
  }
  COLORREF background = ResolveColor(control_.GetColor(), COLOR_WINDOW);
  SetTextColor(dc, TextColor(control_, COLOR_WINDOWTEXT));
  SetBkColor(dc, background);
  return Ui().Gdi().BrushFor(background);
}

HBRUSH ChildPeer::InheritedColors(HDC dc) {
  COLORREF background = InheritedBackground(control_);
  SetTextColor(dc, TextColor(control_, COLOR_WINDOWTEXT));
  SetBkColor(dc, background);
  return Ui().Gdi().BrushFor(background);
}

void ChildPeer::Sync(Control&, Change change, int index) {
  if (!live_ || !hwnd_) return;
  if (SyncOwn(change, index)) return;
  switch (change) {
    case Change::Caption:
      SetWindowTextA(hwnd_, control_.Caption().c_str());
      break;
    case Change::Bounds: {
      RECT r = WindowRect();
      MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
      break;
    }
    case Change::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Enabled:
      for (HWND w : Windows()) EnableWindow(w, control_.Enabled());
      break;
    case Change::Hint:
      form_.UpdateHint(*this);
      break;
    case Change::Font:
      ApplyFont();
      break;
    case Change::Color:
      for (HWND w : Windows()) InvalidateRect(w, nullptr, TRUE);
      break;
    case Change::Redraw:
      RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      break;
    default:
      break;
  }
}

void DrawnPeer::CreateOwn(HWND parent, const char* className, DWORD style, DWORD exStyle) {
  CreateFor(Ui(), Ui().Instance(), ChildArgs(parent, className, style, exStyle));
  hwnd_ = Hwnd();
}

COLORREF DrawnPeer::Background() const {
  return InheritedBackground(control_);
}

LRESULT DrawnPeer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (!live_) return Default(msg, wp, lp);
  LRESULT routed = 0;
  if (Ui().RouteToChild(Hwnd(), msg, wp, lp, routed)) return routed;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(Hwnd(), &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, Ui().Gdi().BrushFor(Background()));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Hwnd(), &ps);
      RECT r;
      GetClientRect(Hwnd(), &r);
      Paint(dc, r);
      EndPaint(Hwnd(), &ps);
      return 0;
    }
    case WM_SETCURSOR:
      if (Ui().SetCursorIfBusy()) return TRUE;
      break;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        if (control_.OnClick) control_.OnClick();
      }
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

namespace {

// Makes the peer of the kind the control names; a form has none.
struct PeerMaker {
  FormWindow& form;
  std::unique_ptr<ChildPeer> operator()(std::monostate) const { return nullptr; }
  template <class Kind>
  std::unique_ptr<ChildPeer> operator()(Kind* control) const {
    return PeerFor(form, *control);
  }
};

}  // namespace

std::unique_ptr<ChildPeer> MakePeer(FormWindow& form, Control& control) {
  return std::visit(PeerMaker{form}, control.Kind());
}

}  // namespace tavel
