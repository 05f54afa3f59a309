// The program's own icon, two beamed notes, as a 32 x 32 bitmap in the 16 standard colours: the
// same picture as the icon resource (src/app/tavel32.ico), so that the about box shows a copy of
// the application's icon.
#include "dialogs/program_icon.h"

#include "dialogs/dialog_icons.h"

namespace tavel {

namespace {

// One character a pixel, top row first: '.' the transparent margin, '0' black, 'c' blue, 'f' white.
constexpr const char* kPicture[kDialogIconSize] = {
    "................................", "................................",
    "................................", "..........................000...",
    "....................000000cc0...", "...............00000cccccccc0...",
    "............000ccccccccccccc0...", "............0cccccccccc000cc0...",
    "............0ccccc00000...0c0...", "............0cc000........0c0...",
    "............0c0...........0c0...", "............0c0...........0c0...",
    "............0c0...........0c0...", "............0c0...........0c0...",
    "............0c0...........0c0...", "............0c0...........0c0...",
    "............0c0...........0c0...", "............0c0...........0c0...",
    "............0c0.....0000..0c0...", "............0c0...00cccc00cc0...",
    "............0c0...0ccfcccccc0...", "......0000..0c0...0ccccccccc0...",
    "....00cccc00cc0...0cccccccc0....", "....0ccfcccccc0....0ccccccc0....",
    "....0ccccccccc0.....00cccc00....", "....0cccccccc0........0000......",
    ".....0ccccccc0..................", "......00cccc00..................",
    "........0000....................", "................................",
    "................................", "................................",
};

Color PixelColor(char c) {
  switch (c) {
    case '0':
      return Rgb(0, 0, 0);
    case 'c':
      return Rgb(0, 0, 255);
    case 'f':
      return Rgb(255, 255, 255);
    default:
      return kProgramIconKey;
  }
}

}  // namespace

Bitmap ProgramIcon() {
  Bitmap b(kDialogIconSize, kDialogIconSize, kProgramIconKey);
  for (int y = 0; y < kDialogIconSize; ++y) {
    for (int x = 0; x < kDialogIconSize; ++x) b.Set(x, y, PixelColor(kPicture[y][x]));
  }
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
