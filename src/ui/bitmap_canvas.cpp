// The headless drawing surface: fills and pictures into a bitmap, texts and focus frames recorded.
#include "ui/bitmap_canvas.h"

namespace tavel {

Color BitmapCanvas::System(SystemColor which) const {
  switch (which) {
    case SystemColor::Window:
      return kWindow;
    case SystemColor::WindowText:
      return kWindowText;
    case SystemColor::Highlight:
      return kHighlight;
    case SystemColor::HighlightText:
      return kHighlightText;
    case SystemColor::GrayText:
      return kGrayText;
  }
  return kWindowText;
}

void BitmapCanvas::Fill(const Rect& r, Color color) {
  for (int y = r.top; y < r.Bottom(); ++y) {
    for (int x = r.left; x < r.Right(); ++x) {
      if (Inside(x, y)) target_.Set(x, y, color);
    }
  }
}

void BitmapCanvas::WriteText(const Rect& r, const std::string& text, const Font&, Color color) {
  texts_.push_back({r, text, color});
}

void BitmapCanvas::DrawPicture(int x, int y, const Bitmap& picture, Color transparent) {
  for (int py = 0; py < picture.height; ++py) {
    for (int px = 0; px < picture.width; ++px) {
      Color c = picture.At(px, py);
      if (c != transparent && Inside(x + px, y + py)) target_.Set(x + px, y + py, c);
    }
  }
}

}  // namespace tavel
