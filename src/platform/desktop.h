// The screen and the windows on it: metrics, system colours and looking windows up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/geometry.h"

namespace tavel {

using WindowHandle = std::uintptr_t;

enum class SysColor { WindowText, Window, BtnFace };

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual Size ScreenSize() = 0;
  // A top-level window of the class (any title), 0 when there is none.
  virtual WindowHandle FindWindowByClass(const std::string& className) = 0;
  // The innermost window under a screen point, 0 when none.
  virtual WindowHandle WindowFromPoint(Point p) = 0;
  // Screen rectangle of a window; nothing when the window does not exist.
  virtual std::optional<Rect> WindowRect(WindowHandle w) = 0;
  // The title, read into a buffer of `maxChars` characters; nothing when it cannot be read.
  virtual std::optional<std::string> WindowText(WindowHandle w, int maxChars) = 0;
  virtual Color SystemColor(SysColor which) = 0;
  // The mouse cursor in screen coordinates.
  virtual Point CursorPos() = 0;
};

}  // namespace tavel
