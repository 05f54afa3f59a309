// A screen with windows placed by the test: metrics, system colours, lookups by class and point.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace tavel::testing {

class FakeDesktop : public Desktop {
 public:
  struct Window {
    std::string className;
    std::string title;
    Rect rect;
    bool textReadable = true;
  };

  Size screen{1024, 768};
  std::map<SysColor, Color> colors{{SysColor::WindowText, 0},
                                   {SysColor::Window, Rgb(255, 255, 255)},
                                   {SysColor::BtnFace, Rgb(192, 192, 192)}};
  Point cursor{0, 0};

  // Adds a top-level window; later windows lie above earlier ones. Returns its handle.
  WindowHandle AddWindow(Window w, WindowHandle handle = 0);
  void RemoveWindow(WindowHandle h) { windows_.erase(h); }
  // The usual taskbar: a bar along the bottom edge that overhangs the screen by 2 pixels.
  WindowHandle AddBottomTaskbar(int height = 28);

  Size ScreenSize() override { return screen; }
  WindowHandle FindWindowByClass(const std::string& className) override;
  WindowHandle WindowFromPoint(Point p) override;
  std::optional<Rect> WindowRect(WindowHandle w) override;
  std::optional<std::string> WindowText(WindowHandle w, int maxChars) override;
  Color SystemColor(SysColor which) override { return colors[which]; }
  Point CursorPos() override { return cursor; }

  int rectQueries = 0;

 private:
  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> zOrder_;  // bottom first
  WindowHandle nextHandle_ = 0x100;
};

}  // namespace tavel::testing
