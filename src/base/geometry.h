// Plain geometry, colour and font values: the screen, controls, forms and dialogs all use them.
#pragma once

#include <cstdint>
#include <string>

namespace tavel {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// A rectangle as left, top, width and height (screen or client pixels).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// 0x00BBGGRR, the layout Windows uses for COLORREF.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr Color kDefaultColor = 0xFFFFFFFFu;  // "use the system's colour for this control"

struct Font {
  std::string face = "ＭＳ Ｐゴシック";
  int height = 16;  // character cell height in pixels at 96 dots per inch
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color color = kDefaultColor;
};

}  // namespace tavel
