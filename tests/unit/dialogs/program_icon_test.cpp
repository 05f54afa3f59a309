// The about box's picture is a copy of the application's icon: the icon resource, pixel for pixel.
#include "dialogs/program_icon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace tavel {
namespace {

std::uint32_t Le(const std::vector<unsigned char>& d, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | d.at(at + static_cast<size_t>(i));
  return v;
}

// The one 32 x 32, 16-colour image of the .ico file, with the masked pixels in `key`.
Bitmap ReadIcon(const char* path, Color key) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), {});
  Bitmap b(32, 32, key);
  if (d.size() < 22) return b;
  size_t header = Le(d, 18, 4);
  size_t palette = header + Le(d, header, 4);
  size_t pixels = palette + 16 * 4;
  size_t mask = pixels + 32 * 16;
  for (int y = 0; y < 32; ++y) {
    size_t row = static_cast<size_t>(31 - y);  // bottom row first
    for (int x = 0; x < 32; ++x) {
      bool masked = d.at(mask + row * 4 + static_cast<size_t>(x / 8)) & (0x80 >> (x % 8));
      unsigned char pair = d.at(pixels + row * 16 + static_cast<size_t>(x / 2));
      size_t index = (x % 2 == 0 ? pair >> 4 : pair & 15);
      size_t p = palette + index * 4;  // blue, green, red, unused
      if (!masked) b.Set(x, y, Rgb(d.at(p + 2), d.at(p + 1), d.at(p)));
    }
  }
  return b;
}

TEST(ProgramIcon, IsThePictureOfTheIconResource) {
  Bitmap resource = ReadIcon(TAVEL_SOURCE_DIR "/src/app/tavel32.ico", kProgramIconKey);
  Bitmap drawn = ProgramIcon();
  ASSERT_EQ(drawn.width, 32);
  ASSERT_EQ(drawn.height, 32);
  int different = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) different += resource.At(x, y) != drawn.At(x, y);
  }
  EXPECT_EQ(different, 0);
  EXPECT_NE(drawn.At(13, 12), kProgramIconKey);  // the picture is not empty
}

}  // namespace
}  // namespace tavel
