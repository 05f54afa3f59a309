// The icons of the dialog boxes, drawn by code as 32 x 32 bitmaps in the 16 standard colours.
#include "dialogs/dialog_icons.h"

namespace tavel {

namespace {

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBlue = Rgb(0, 0, 255);

// Squared distance of the pixel's centre from the icon's centre, in half pixels.
int DistanceSquared(int x, int y) {
  int dx = 2 * x + 1 - kDialogIconSize;
  int dy = 2 * y + 1 - kDialogIconSize;
  return dx * dx + dy * dy;
}

void Fill(Bitmap& b, int left, int top, int right, int bottom, Color c) {
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) b.Set(x, y, c);
  }
}

void DrawLetterI(Bitmap& b) {
  Fill(b, 14, 6, 17, 9, kWhite);  // the dot, with its corners rounded off
  b.Set(14, 6, kBlue);
  b.Set(17, 6, kBlue);
  b.Set(14, 9, kBlue);
  b.Set(17, 9, kBlue);
  Fill(b, 12, 12, 17, 13, kWhite);  // the stem with its serifs
  Fill(b, 14, 12, 17, 24, kWhite);
  Fill(b, 12, 23, 19, 25, kWhite);
}

}  // namespace

Bitmap InformationIcon() {
  constexpr int kOuter = 31 * 31;  // radius 15.5 px, in half pixels squared
  constexpr int kInner = 27 * 27;  // inside the 2-pixel rim
  Bitmap b(kDialogIconSize, kDialogIconSize, kInformationIconKey);
  for (int y = 0; y < kDialogIconSize; ++y) {
    for (int x = 0; x < kDialogIconSize; ++x) {
      int d = DistanceSquared(x, y);
      if (d <= kInner) {
        b.Set(x, y, kBlue);
      } else if (d <= kOuter) {
        b.Set(x, y, kWhite);
      }
    }
  }
  DrawLetterI(b);
  return b;
}

}  // namespace tavel
