// Bitmaps held in memory and the image control that shows one.
#pragma once

#include <vector>

#include "ui/control.h"

namespace tavel {

// A bitmap as rows of colours, top row first.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;

  Bitmap() = default;
  Bitmap(int w, int h, Color fill)
      : width(w), height(h), pixels(static_cast<size_t>(w * h), fill) {}
  Color At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  void Set(int x, int y, Color c) { pixels[static_cast<size_t>(y * width + x)] = c; }
};

// Copies the rectangle (0, 0)-(width, height) of `source` onto `target`, putting `brush` wherever
// the source has the key colour: the transparent drawing of icons on a form's own colour.
void CopyWithKeyColor(const Bitmap& source, Color key, Color brush, int width, int height,
                      Bitmap& target);

class Image : public Control {
 public:
  using Control::Control;
  ControlKind Kind() override { return this; }
  const Bitmap& Picture() const { return picture_; }
  Bitmap& MutablePicture() { return picture_; }
  void SetPicture(Bitmap b);
  // Call after changing the picture through MutablePicture.
  void PictureChanged() { Changed(Change::Redraw); }

 private:
  Bitmap picture_;
};

}  // namespace tavel
