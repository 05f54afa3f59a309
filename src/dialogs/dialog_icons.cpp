// The icons of the dialog boxes, drawn by code as 32 x 32 bitmaps in the 16 standard colours.
#include "dialogs/dialog_icons.h"

namespace tavel {

namespace {

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kRed = Rgb(255, 0, 0);

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

// A question mark: the hook, the stem and the dot.
void DrawQuestionMark(Bitmap& b) {
  Fill(b, 12, 6, 19, 8, kWhite);   // top of the hook
  Fill(b, 10, 8, 12, 12, kWhite);  // its left end
  Fill(b, 19, 8, 21, 14, kWhite);  // its right side
  Fill(b, 16, 14, 19, 16, kWhite);
  Fill(b, 14, 16, 17, 20, kWhite);  // the stem
  Fill(b, 14, 23, 17, 26, kWhite);  // the dot, with its corners rounded off
  b.Set(14, 23, kRed);
  b.Set(17, 23, kRed);
  b.Set(14, 26, kRed);
  b.Set(17, 26, kRed);
}

// A disc with a 2-pixel white rim in `fill` on `corners`.
Bitmap Disc(Color fill, Color corners) {
  constexpr int kOuter = 31 * 31;  // radius 15.5 px, in half pixels squared
  constexpr int kInner = 27 * 27;  // inside the 2-pixel rim
  Bitmap b(kDialogIconSize, kDialogIconSize, corners);
  for (int y = 0; y < kDialogIconSize; ++y) {
    for (int x = 0; x < kDialogIconSize; ++x) {
      int d = DistanceSquared(x, y);
      if (d <= kInner) {
        b.Set(x, y, fill);
      } else if (d <= kOuter) {
        b.Set(x, y, kWhite);
      }
    }
  }
  return b;
}

}  // namespace

Bitmap InformationIcon() {
  Bitmap b = Disc(kBlue, kInformationIconKey);
  DrawLetterI(b);
  return b;
}

Bitmap QuestionIcon() {
  Bitmap b = Disc(kRed, kQuestionIconKey);
  DrawQuestionMark(b);
  return b;
}

}  // namespace tavel
