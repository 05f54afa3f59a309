// The top-level window of a form: creation from the form's state, its controls, menu bar and hints,
// and the messages that belong to the form itself (paint, close, move and size, focus).
#include "ui/win32/form_window.h"

#include <commctrl.h>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/win32/control_id.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/win32_ui.h"

namespace tavel {

DWORD FormStyle(const Form& form) {
  if (form.Border() == BorderStyle::Dialog) {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  }
  return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

DWORD FormExStyle(const Form& form) {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (form.Border() == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  if (form.StayOnTop()) ex |= WS_EX_TOPMOST;
  return ex;
}

FormWindow::FormWindow(Win32Ui& ui, Form& form) : ui_(ui), form_(form) {}

FormWindow::~FormWindow() {
  Destroy();
}

void FormWindow::Create() {
  RegisterClassOnce(ui_.Instance(), form_.ClassName(), ui_.AppIcon(), CS_DBLCLKS);
  if (form_.Menu()) menuBar_ = std::make_unique<MenuBar>(*form_.Menu());
  WindowArgs args;
  args.className = form_.ClassName().c_str();
  args.text = form_.Caption();
  args.style = FormStyle(form_);
  args.exStyle = FormExStyle(form_);
  const Rect& b = form_.Bounds();
  args.left = b.left;
  args.top = b.top;
  args.width = b.width;
  args.height = b.height;
  // The program's other windows belong to the main form, so they have no taskbar buttons of their
  // own and stay above it.
  Form* main = form_.App().MainForm();
  if (main && main != &form_) args.parent = reinterpret_cast<HWND>(main->Handle());
  args.menu = menuBar_ ? menuBar_->Handle() : nullptr;
  if (!CreateFor(ui_, ui_.Instance(), args)) {
    if (menuBar_) DestroyMenu(menuBar_->Handle());
    menuBar_.reset();
    return;
  }
  if (menuBar_) menuBar_->AttachTo(Hwnd());
  form_.SetHandle(reinterpret_cast<std::uintptr_t>(Hwnd()));
  CreateTooltip();
  CreateChildren(form_, Hwnd());
  form_.SetPeer(this);
  live_ = true;
  ApplyHintSettings(form_.App().ShowHint(), ui_.HintPause());
  if (form_.Visible()) ShowWindow(Hwnd(), SW_SHOW);
}

void FormWindow::Destroy() {
  if (!live_ && !Hwnd()) return;
  live_ = false;
  for (auto& peer : peers_) {
    peer->Disconnect();
    Unregister(*peer);
    ui_.UnregisterChildIds(*peer);
  }
  if (Hwnd()) DestroyWindow(Hwnd());
  peers_.clear();
  form_.SetHandle(0);
  if (form_.Peer() == this) form_.SetPeer(nullptr);
}

void FormWindow::CreateChildren(Control& parent, HWND container) {
  for (Control* child : parent.Children()) {
    std::unique_ptr<ChildPeer> made = MakePeer(*this, *child);
    if (!made) continue;
    ChildPeer& peer = *made;
    peers_.push_back(std::move(made));
    ui_.RegisterChildId(container, ControlIdFor(child->Name()), &peer);
    peer.Create(container);
    // Later controls lie above earlier ones, as they are laid out: the play bar over the selector,
    // the opening panel over everything.
    std::vector<HWND> windows = peer.Windows();
    if (!windows.empty() && windows.front()) {
      SetWindowPos(windows.front(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    child->SetPeer(&peer);
    Register(peer);
    UpdateHint(peer);
    if (HWND inner = peer.ChildContainer()) CreateChildren(*child, inner);
  }
}

void FormWindow::Register(ChildPeer& peer) {
  for (HWND w : peer.Windows()) ui_.RegisterChild(w, &peer);
}

void FormWindow::Unregister(ChildPeer& peer) {
  for (HWND w : peer.Windows()) ui_.UnregisterChild(w);
}

void FormWindow::CreateTooltip() {
  tooltip_ =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, ui_.Instance(), nullptr);
  // A width limit lets line feeds in a hint start new lines.
  if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

void FormWindow::UpdateHint(ChildPeer& peer) {
  if (!tooltip_) return;
  const std::string& hint = peer.Target().Hint();
  for (HWND w : peer.Windows()) {
    TOOLINFOA tool{};
    // The older record size, which every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    // The tooltip is fed by relaying mouse messages from the message loop rather than by
    // subclassing the control: a subclassed list box slows down about seventy-fold under Wine,
    // where every message to it then looks up the subclass chain in the window's properties.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(w);
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (hint.empty()) continue;
    tool.lpszText = const_cast<char*>(hint.c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void FormWindow::RelayToTooltip(MSG& msg) {
  if (tooltip_) SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void FormWindow::ApplyHintSettings(bool appShowsHints, int pauseMs) {
  if (!tooltip_) return;
  SendMessageA(tooltip_, TTM_ACTIVATE, appShowsHints && form_.ShowHint(), 0);
  SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pauseMs, 0));
}

ChildPeer* FormWindow::FirstTabStopPeer() const {
  for (const auto& peer : peers_) {
    HWND w = peer->Handle();
    bool tabStop = w && (GetWindowLongPtrA(w, GWL_STYLE) & WS_TABSTOP) != 0;
    if (tabStop && IsWindowVisible(w) && IsWindowEnabled(w)) return peer.get();
  }
  return nullptr;
}

ChildPeer* FormWindow::DefaultButtonPeer() const {
  for (const auto& peer : peers_) {
    auto* button = dynamic_cast<Button*>(&peer->Target());
    if (button && button->Default() && button->Showing() && button->Enabled()) return peer.get();
  }
  return nullptr;
}

bool FormWindow::PressDefault(HWND focus) {
  Button* target = nullptr;
  for (auto& peer : peers_) {
    if (peer->Handle() == focus) target = dynamic_cast<Button*>(&peer->Target());
  }
  if (!target) {
    if (ChildPeer* peer = DefaultButtonPeer()) target = static_cast<Button*>(&peer->Target());
  }
  if (!target) return false;
  target->Click();
  return true;
}

bool FormWindow::PressCancel() {
  for (auto& peer : peers_) {
    auto* button = dynamic_cast<Button*>(&peer->Target());
    if (button && button->Cancel() && button->Showing() && button->Enabled()) {
      button->Click();
      return true;
    }
  }
  return false;
}

void FormWindow::Sync(Control&, Change change, int) {
  if (!live_) return;
  HWND hwnd = Hwnd();
  switch (change) {
    case Change::Caption:
      SetWindowTextA(hwnd, form_.Caption().c_str());
      break;
    case Change::Bounds: {
      const Rect& b = form_.Bounds();
      SetWindowPos(hwnd, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Visible:
      ShowWindow(hwnd, form_.Visible() ? SW_SHOW : SW_HIDE);
      break;
    case Change::Enabled:
      EnableWindow(hwnd, form_.Enabled());
      break;
    case Change::Hint:
      ApplyHintSettings(form_.App().ShowHint(), ui_.HintPause());
      break;
    case Change::Color:
    case Change::Redraw:
      RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    default:
      break;
  }
}

void FormWindow::TakeBoundsFromWindow() {
  if (IsIconic(Hwnd())) return;
  RECT r;
  if (!GetWindowRect(Hwnd(), &r)) return;
  form_.BoundsFromWindow({r.left, r.top, r.right - r.left, r.bottom - r.top});
}

// Focus returns to the control that had it when the form was last left. A form opening gives it to
// the first control in design order that takes it. That is not the first in the windows' order:
// later controls lie above earlier ones, so that order is the reverse. In the boxes the first is
// the default button (はい, 設 定, ＯＫ), which Enter then presses.
void FormWindow::OnActivate(bool active) {
  HWND hwnd = Hwnd();
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
    return;
  }
  HWND target = nullptr;
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd, lastFocus_)) {
    target = lastFocus_;
  } else if (ChildPeer* first = FirstTabStopPeer()) {
    target = first->Handle();
  } else {
    target = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  }
  SetFocus(target && IsWindowVisible(target) && IsWindowEnabled(target) ? target : hwnd);
}

LRESULT FormWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // The controls' windows are being made while the form is not yet live, and they may ask their
  // container already (an owner-drawn list its items' height); only registered controls get
  // anything, and none are registered once the form is going.
  LRESULT routed = 0;
  if (ui_.RouteToChild(Hwnd(), msg, wp, lp, routed)) return routed;
  if (!live_) return Default(msg, wp, lp);
  if (msg >= WM_USER && form_.OnMessage &&
      form_.OnMessage(msg, static_cast<std::uintptr_t>(wp), static_cast<std::intptr_t>(lp))) {
    return 0;
  }
  switch (msg) {
    case WM_COMMAND:
      if (lp == 0 && HIWORD(wp) == 0 && menuBar_) {
        MenuItem* item = menuBar_->ItemFor(LOWORD(wp));
        if (item && item->Visible()) item->Click();
        return 0;
      }
      break;
    case WM_CLOSE:
      // The form decides: it may refuse, hide, or end a modal showing.
      form_.Close();
      return 0;
    // The session may end; when it does, the form closes as it must before the process goes.
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wp && form_.OnEndSession) form_.OnEndSession();
      return 0;
    case WM_HOTKEY:
      if (form_.OnHotKey) form_.OnHotKey(static_cast<int>(wp));
      return 0;
    // Sent to the focused control first, whose default handling hands it up to its parent.
    case WM_APPCOMMAND:
      if (form_.OnAppCommand && form_.OnAppCommand(GET_APPCOMMAND_LPARAM(lp))) return TRUE;
      break;
    // A sub-menu of the bar opens: its own item's click handler runs first.
    case WM_INITMENUPOPUP:
      if (menuBar_ && !HIWORD(lp)) {
        if (MenuItem* item = menuBar_->SubMenuFor(reinterpret_cast<HMENU>(wp))) item->Click();
      }
      break;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(Hwnd(), &r);
      COLORREF color = ResolveColor(form_.GetColor(), COLOR_BTNFACE);
      FillRect(reinterpret_cast<HDC>(wp), &r, ui_.Gdi().BrushFor(color));
      return 1;
    }
    case WM_PAINT: {
      // The program chooses its colours in its paint handler, so that runs before erasing.
      form_.Paint();
      PAINTSTRUCT ps;
      BeginPaint(Hwnd(), &ps);
      EndPaint(Hwnd(), &ps);
      return 0;
    }
    case WM_MOVE:
    case WM_SIZE:
      TakeBoundsFromWindow();
      break;
    case WM_SETCURSOR:
      if (ui_.SetCursorIfBusy()) return TRUE;
      break;
    case WM_ACTIVATE:
      if (HIWORD(wp) == 0) {
        OnActivate(LOWORD(wp) != WA_INACTIVE);
        return 0;
      }
      break;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace tavel
