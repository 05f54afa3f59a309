// Bitmaps held in memory and the image control that shows one.
#include "ui/image.h"

#include <algorithm>

namespace tavel {

void CopyWithKeyColor(const Bitmap& source, Color key, Color brush, int width, int height,
                      Bitmap& target) {
  int w = std::min({width, source.width, target.width});
  int h = std::min({height, source.height, target.height});
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Color c = source.At(x, y);
      target.Set(x, y, c == key ? brush : c);
    }
  }
}

void Image::SetPicture(Bitmap b) {
  picture_ = std::move(b);
  Changed(Change::Redraw);
}

}  // namespace tavel
