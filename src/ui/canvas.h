// A drawing surface handed to a control's own drawing of its items: a window's device context on
// Windows, a bitmap headless.
#pragma once

#include <string>

#include "base/geometry.h"

namespace tavel {

struct Bitmap;

// The system's colours a drawing of items uses, so that it follows the user's colour scheme.
enum class SystemColor { Window, WindowText, Highlight, HighlightText, GrayText };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual Color System(SystemColor which) const = 0;
  virtual void Fill(const Rect& r, Color color) = 0;
  // One line of text from the left edge of `r`, centred between its top and bottom and cut off at
  // its edges; an ampersand is an ordinary character.
  virtual void WriteText(const Rect& r, const std::string& text, const Font& font, Color color) = 0;
  // Draws `picture` with its top left corner at (x, y); wherever the picture has the colour
  // `transparent`, what was below stays.
  virtual void DrawPicture(int x, int y, const Bitmap& picture, Color transparent) = 0;
  // The dotted frame of the item that has the keyboard focus.
  virtual void DrawFocusFrame(const Rect& r) = 0;
};

}  // namespace tavel
