// The program's own icon, a musical note, drawn by code as a 32 x 32 bitmap in the 16 standard
// colours.
#include "dialogs/program_icon.h"

#include "dialogs/dialog_icons.h"

namespace tavel {

namespace {

constexpr Color kNavy = Rgb(0, 0, 128);
constexpr Color kWhite = Rgb(255, 255, 255);

void Fill(Bitmap& b, int left, int top, int right, int bottom, Color c) {
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) b.Set(x, y, c);
  }
}

// A slanted oval head centred at (11, 24): inside the ellipse 6 x 4.5 pixels, sheared upwards.
void DrawHead(Bitmap& b) {
  for (int y = 18; y <= 30; ++y) {
    for (int x = 3; x <= 19; ++x) {
      int dx = 2 * x - 22;                     // half pixels from the centre
      int dy = 2 * y - 48 + (2 * x - 22) / 3;  // the shear tilts the head up to the right
      if (dx * dx * 81 + dy * dy * 144 <= 144 * 81) b.Set(x, y, kNavy);
    }
  }
  Fill(b, 8, 22, 9, 22, kWhite);  // the highlight
}

// The stem rises from the right of the head; the flag falls from its top to the right.
void DrawStemAndFlag(Bitmap& b) {
  Fill(b, 15, 3, 16, 23, kNavy);
  for (int i = 0; i < 10; ++i) Fill(b, 17 + i / 2, 4 + i, 18 + i / 2, 6 + i, kNavy);
  Fill(b, 21, 14, 22, 17, kNavy);  // the flag's tail curls back down
}

}  // namespace

Bitmap ProgramIcon() {
  Bitmap b(kDialogIconSize, kDialogIconSize, kProgramIconKey);
  DrawHead(b);
  DrawStemAndFlag(b);
  return b;
}

Bitmap CentredIcon(const Bitmap& icon, Color key, int width, int height) {
  Bitmap b(width, height, key);
  int left = (width - icon.width) / 2;
  int top = (height - icon.height) / 2;
  for (int y = 0; y < icon.height; ++y) {
    for (int x = 0; x < icon.width; ++x) {
      int tx = left + x;
      int ty = top + y;
      if (tx >= 0 && tx < width && ty >= 0 && ty < height) b.Set(tx, ty, icon.At(x, y));
    }
  }
  return b;
}

}  // namespace tavel
