// The Windows windowing system for the control layer: forms attached to real windows, notification
// routing, text metrics, timers, cursor and hints.
#include "ui/win32/win32_ui.h"

#include "platform/win32/handles.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/control_peers.h"
#include "ui/win32/form_window.h"

namespace tavel {

namespace {
constexpr int kMainIconId = 1;
}

Win32Ui::Win32Ui(HINSTANCE instance)
    : instance_(instance),
      icon_(LoadIconA(instance, MAKEINTRESOURCEA(kMainIconId))),
      timers_(*this, instance) {
  RegisterDrawnClasses(instance);
}

Win32Ui::~Win32Ui() {
  for (auto& entry : forms_) entry.second->Destroy();
  forms_.clear();
}

FormWindow* Win32Ui::WindowOf(const Form& form) const {
  auto it = forms_.find(&form);
  return it == forms_.end() ? nullptr : it->second.get();
}

FormWindow* Win32Ui::WindowOf(HWND hwnd) const {
  for (auto& entry : forms_) {
    if (entry.second->Hwnd() == hwnd) return entry.second.get();
  }
  return nullptr;
}

HWND Win32Ui::HwndOf(Control& control) const {
  if (auto* form = dynamic_cast<Form*>(&control)) {
    FormWindow* w = WindowOf(*form);
    return w ? w->Hwnd() : nullptr;
  }
  auto* peer = dynamic_cast<ChildPeer*>(control.Peer());
  return peer ? peer->Handle() : nullptr;
}

void Win32Ui::AttachForm(Form& form) {
  if (WindowOf(form)) return;
  auto window = std::make_unique<FormWindow>(*this, form);
  FormWindow& w = *window;
  forms_[&form] = std::move(window);
  w.Create();
}

void Win32Ui::DetachForm(Form& form) {
  auto it = forms_.find(&form);
  if (it == forms_.end()) return;
  std::unique_ptr<FormWindow> window = std::move(it->second);
  forms_.erase(it);
  window->Destroy();
}

Size Win32Ui::FrameSize(const Form& form) {
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, FormStyle(form), form.Menu() != nullptr, FormExStyle(form));
  return {r.right - r.left, r.bottom - r.top};
}

Size Win32Ui::MeasureText(const Font& font, const std::string& text) {
  // An empty text still takes one line (as wide as a blank), as a label shows it.
  const std::string measured = text.empty() ? std::string(" ") : text;
  SelectedObject selected = SelectInto(measuring_.Get(), gdi_.FontFor(font));
  RECT r{0, 0, 0, 0};
  DrawTextA(measuring_.Get(), measured.c_str(), static_cast<int>(measured.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
  return {r.right - r.left, r.bottom - r.top};
}

void Win32Ui::Repaint(Control& control) {
  HWND hwnd = HwndOf(control);
  if (!hwnd) return;
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32Ui::StartTimer(Timer& timer) {
  timers_.Start(timer);
}

void Win32Ui::StopTimer(Timer& timer) {
  timers_.Stop(timer);
}

// Titled like the window in front, which it belongs to.
void Win32Ui::ShowError(const std::string& text) {
  HWND front = GetActiveWindow();
  char title[256] = {};
  if (front) GetWindowTextA(GetAncestor(front, GA_ROOTOWNER), title, sizeof title);
  MessageBoxA(front, text.c_str(), title, MB_OK | MB_ICONSTOP);
}

void Win32Ui::Beep() {
  MessageBeep(MB_ICONEXCLAMATION);
}

void Win32Ui::SetBusyCursor(bool busy) {
  busy_ = busy;
  if (busy) {
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return;
  }
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  // Moving the cursor onto its own place makes the window under it choose its cursor again.
  POINT p;
  if (GetCursorPos(&p)) SetCursorPos(p.x, p.y);
}

bool Win32Ui::SetCursorIfBusy() {
  if (!busy_) return false;
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  return true;
}

void Win32Ui::SetHintPause(int ms) {
  hintPause_ = ms;
  for (auto& entry : forms_) {
    entry.second->ApplyHintSettings(entry.first->App().ShowHint(), hintPause_);
  }
}

// The main form carries the program's taskbar button itself, and a hidden window has none: once
// the caller has hidden the main form there is nothing left to hide.
void Win32Ui::HideTaskbarButton() {}

void Win32Ui::BringToFront(Form& form) {
  FormWindow* window = WindowOf(form);
  if (!window) return;
  SetWindowPos(window->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window->Hwnd());
}

void Win32Ui::RegisterChild(HWND hwnd, ChildPeer* peer) {
  if (hwnd) children_[hwnd] = peer;
}

void Win32Ui::UnregisterChild(HWND hwnd) {
  children_.erase(hwnd);
}

void Win32Ui::RegisterChildId(HWND container, int id, ChildPeer* peer) {
  childIds_[{container, id}] = peer;
}

void Win32Ui::UnregisterChildIds(const ChildPeer& peer) {
  for (auto it = childIds_.begin(); it != childIds_.end();) {
    it = it->second == &peer ? childIds_.erase(it) : std::next(it);
  }
}

ChildPeer* Win32Ui::ChildOf(HWND hwnd) const {
  auto it = children_.find(hwnd);
  return it == children_.end() ? nullptr : it->second;
}

// Drawing, comparing and deleting items name the control's window; measuring names its
// identifier, since the first measure comes before the window exists. Menus are not ours to draw.
// What the control leaves to the system goes on to the default handling.
bool Win32Ui::RouteOwnerDraw(HWND receiver, UINT msg, LPARAM lp, LRESULT& result) {
  result = TRUE;
  switch (msg) {
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      ChildPeer* peer = item.CtlType == ODT_MENU ? nullptr : ChildOf(item.hwndItem);
      return peer && peer->OnDrawItem(item);
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (item.CtlType == ODT_MENU) return false;
      auto it = childIds_.find({receiver, static_cast<int>(item.CtlID)});
      return it != childIds_.end() && it->second->OnMeasureItem(item);
    }
    case WM_COMPAREITEM: {
      const auto& items = *reinterpret_cast<const COMPAREITEMSTRUCT*>(lp);
      ChildPeer* peer = ChildOf(items.hwndItem);
      if (!peer) return false;
      result = peer->OnCompareItem(items);
      return true;
    }
    case WM_DELETEITEM: {
      const auto& item = *reinterpret_cast<const DELETEITEMSTRUCT*>(lp);
      ChildPeer* peer = ChildOf(item.hwndItem);
      return peer && peer->OnDeleteItem(item);
    }
    default:
      return false;
  }
}

bool Win32Ui::RouteToChild(HWND receiver, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DRAWITEM || msg == WM_MEASUREITEM || msg == WM_COMPAREITEM ||
      msg == WM_DELETEITEM) {
    return RouteOwnerDraw(receiver, msg, lp, result);
  }
  HWND from = nullptr;
  if (msg == WM_NOTIFY) {
    from = reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
  } else if (msg == WM_COMMAND || msg == WM_HSCROLL || msg == WM_VSCROLL ||
             (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)) {
    from = reinterpret_cast<HWND>(lp);
  }
  if (!from) return false;
  ChildPeer* found = ChildOf(from);
  if (!found) return false;
  ChildPeer& peer = *found;
  result = 0;
  switch (msg) {
    case WM_COMMAND:
      peer.OnCommand(from, HIWORD(wp));
      return true;
    case WM_NOTIFY:
      result = peer.OnNotify(*reinterpret_cast<const NMHDR*>(lp));
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      peer.OnScroll(LOWORD(wp));
      return true;
    default: {
      HBRUSH brush = peer.OnCtlColor(reinterpret_cast<HDC>(wp));
      result = reinterpret_cast<LRESULT>(brush);
      return brush != nullptr;
    }
  }
}

}  // namespace tavel
