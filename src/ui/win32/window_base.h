// One window procedure for every window of our own classes: the C++ object that owns a window
// receives its messages.
#pragma once

#include <windows.h>

#include <string>

namespace tavel {

class UiBackend;

// What a window is created with.
struct WindowArgs {
  const char* className = nullptr;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;  // the owner, for a top-level window
  HMENU menu = nullptr;   // the menu bar, or the control ID of a child window
};

class WindowBase {
 public:
  WindowBase() = default;
  // Destroys the window if it still exists; it no longer reaches this object meanwhile.
  virtual ~WindowBase();
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  HWND Hwnd() const { return window_; }

  // Registers a window class served by the shared procedure, unless it is registered already.
  static void RegisterClassOnce(HINSTANCE instance, const std::string& name, HICON icon,
                                UINT style);

 protected:
  // Creates the window with this object as its owner of messages; false when that failed. An error
  // that escapes the object's handling of a message goes to `ui`'s standard error display.
  bool CreateFor(UiBackend& ui, HINSTANCE instance, const WindowArgs& args);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(window_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND window_ = nullptr;
  UiBackend* ui_ = nullptr;
};

}  // namespace tavel
