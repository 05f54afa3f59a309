// One window procedure for every window of our own classes: the C++ object that owns a window
// receives its messages.
#include "ui/win32/window_base.h"

#include <exception>

#include "ui/backend.h"

namespace tavel {

WindowBase::~WindowBase() {
  if (!window_) return;
  HWND hwnd = window_;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  window_ = nullptr;
  DestroyWindow(hwnd);
}

void WindowBase::RegisterClassOnce(HINSTANCE instance, const std::string& name, HICON icon,
                                   UINT style) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name.c_str(), &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = &WindowBase::Procedure;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name.c_str();
  RegisterClassExA(&wc);
}

bool WindowBase::CreateFor(UiBackend& ui, HINSTANCE instance, const WindowArgs& args) {
  ui_ = &ui;
  HWND hwnd =
      CreateWindowExA(args.exStyle, args.className, args.text.c_str(), args.style, args.left,
                      args.top, args.width, args.height, args.parent, args.menu, instance, this);
  return hwnd != nullptr && hwnd == window_;
}

LRESULT WindowBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  return Default(msg, wp, lp);
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowBase* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    if (self) {
      self->window_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  LRESULT result = 0;
  // Nothing may unwind through the system's frames into the message loop.
  try {
    result = self->HandleMessage(msg, wp, lp);
  } catch (const std::exception& e) {
    // Without an application there is nobody to show it; it still must not pass the system.
    if (self->ui_) self->ui_->ReportUncaught(e);
    result = DefWindowProcA(hwnd, msg, wp, lp);
  } catch (...) {
    result = DefWindowProcA(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

}  // namespace tavel
