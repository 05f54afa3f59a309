// The screen and its windows as Windows reports them.
#pragma once

#include "platform/desktop.h"

namespace tavel {

class Win32Desktop : public Desktop {
 public:
  Size ScreenSize() override;
  WindowHandle FindWindowByClass(const std::string& className) override;
  WindowHandle WindowFromPoint(Point p) override;
  std::optional<Rect> WindowRect(WindowHandle w) override;
  std::optional<std::string> WindowText(WindowHandle w, int maxChars) override;
  Color SystemColor(SysColor which) override;
  Point CursorPos() override;
};

}  // namespace tavel
