// The folder browser's pictures, drawn by code in the 16 standard colours: a closed and an open
// folder of 19 x 19 pixels and five drive pictures of 16 x 9, on pure red, which stands for the
// background.
#include "folders/browser_pictures.h"

#include <cstring>

namespace tavel {

namespace {

// One letter per pixel; every letter is one of the 16 standard colours.
Color PaletteColor(char c) {
  switch (c) {
    case 'k':
      return Rgb(0, 0, 0);
    case 'm':
      return Rgb(128, 0, 0);
    case 'g':
      return Rgb(0, 128, 0);
    case 'o':
      return Rgb(128, 128, 0);
    case 'n':
      return Rgb(0, 0, 128);
    case 'p':
      return Rgb(128, 0, 128);
    case 't':
      return Rgb(0, 128, 128);
    case 's':
      return Rgb(192, 192, 192);
    case 'd':
      return Rgb(128, 128, 128);
    case 'L':
      return Rgb(0, 255, 0);
    case 'y':
      return Rgb(255, 255, 0);
    case 'b':
      return Rgb(0, 0, 255);
    case 'f':
      return Rgb(255, 0, 255);
    case 'a':
      return Rgb(0, 255, 255);
    case 'w':
      return Rgb(255, 255, 255);
    default:
      return kPictureBackground;  // '.'
  }
}

template <int W, int H>
Bitmap FromRows(const char* const (&rows)[H]) {
  Bitmap b(W, H, kPictureBackground);
  for (int y = 0; y < H; ++y) {
    const int length = static_cast<int>(std::strlen(rows[y]));
    for (int x = 0; x < W && x < length; ++x) b.Set(x, y, PaletteColor(rows[y][x]));
  }
  return b;
}

const char* const kClosedFolder[19] = {
    "...................",  //
    "...................",  //
    "...................",  //
    "..kkkkkk...........",  //
    ".kwyyyyyk..........",  //
    "kwyyyyyyykkkkkkkkk.",  //
    "kwwwwwwwwwwwwwwwwok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "kwyyyyyyyyyyyyyyyok",  //
    "koooooooooooooooook",  //
    ".kkkkkkkkkkkkkkkkkk",  //
    "...................",  //
    "...................",  //
};

const char* const kOpenFolder[19] = {
    "...................",  //
    "...................",  //
    "...................",  //
    "..kkkkkk...........",  //
    ".kwyyyyyk..........",  //
    "kwyyyyyyykkkkkkk...",  //
    "kwyyyyyyyyyyyyyok..",  //
    "kwyyykkkkkkkkkkkkkk",  //
    "kwyykwwwwwwwwwwwwyk",  //
    "kwyykwyyyyyyyyyyyok",  //
    "kwykwyyyyyyyyyyyok.",  //
    "kwykwyyyyyyyyyyyok.",  //
    "kwkwyyyyyyyyyyyok..",  //
    "kwkwyyyyyyyyyyyok..",  //
    "kkwyyyyyyyyyyyok...",  //
    "kkooooooooooooook..",  //
    ".kkkkkkkkkkkkkkk...",  //
    "...................",  //
    "...................",  //
};

// A 3.5-inch drive: the slot for the disc and its eject button.
const char* const kFloppy[9] = {
    "kkkkkkkkkkkkkkkk",  //
    "kwwwwwwwwwwwwwsk",  //
    "kwsssssssssssssk",  //
    "kwskkkkkkkkkkssk",  //
    "kwssssssssssssdk",  //
    "kwsssssssssddsdk",  //
    "kwsssssssssddsdk",  //
    "kwdddddddddddddk",  //
    "kkkkkkkkkkkkkkkk",  //
};

// A fixed disk: a closed case with its green lamp.
const char* const kFixed[9] = {
    "kkkkkkkkkkkkkkkk",  //
    "kwwwwwwwwwwwwwsk",  //
    "kwsssssssssssssk",  //
    "kwsdddddddddsssk",  //
    "kwsssssssssssssk",  //
    "kwsdddddddddsLsk",  //
    "kwsssssssssssssk",  //
    "kwdddddddddddddk",  //
    "kkkkkkkkkkkkkkkk",  //
};

// A network drive: a case on a cable.
const char* const kNetwork[9] = {
    "..kkkkkkkkkkkk..",  //
    "..kwwwwwwwwwsk..",  //
    "..kwsddddddssk..",  //
    "..kwssssssLssk..",  //
    "..kkkkkkkkkkkk..",  //
    ".......kk.......",  //
    "kkkkkkkkkkkkkkkk",  //
    "tttttttttttttttt",  //
    "kkkkkkkkkkkkkkkk",  //
};

// A CD-ROM drive: the tray with a disc's edge and the yellow lamp.
const char* const kCdRom[9] = {
    "kkkkkkkkkkkkkkkk",  //
    "kwwwwwwwwwwwwwsk",  //
    "kwkkkkkkkkkkkksk",  //
    "kwkaaawwwaaakssk",  //
    "kwkkkkkkkkkkkksk",  //
    "kwsssssssssssssk",  //
    "kwsssssssssyydsk",  //
    "kwdddddddddddddk",  //
    "kkkkkkkkkkkkkkkk",  //
};

// A RAM disk: a memory module with its chips and contacts.
const char* const kRam[9] = {
    "gggggggggggggggg",  //
    "gkkkggkkkggkkkgg",  //
    "gkkkggkkkggkkkgg",  //
    "gkkkggkkkggkkkgg",  //
    "gggggggggggggggg",  //
    "gggggggggggggggg",  //
    "gyygyygyygyygyyg",  //
    "gyygyygyygyygyyg",  //
    "................",  //
};

}  // namespace

Bitmap BrowserPictureBitmap(BrowserPicture picture) {
  switch (picture) {
    case BrowserPicture::ClosedFolder:
      return FromRows<19, 19>(kClosedFolder);
    case BrowserPicture::OpenFolder:
      return FromRows<19, 19>(kOpenFolder);
    case BrowserPicture::Floppy:
      return FromRows<16, 9>(kFloppy);
    case BrowserPicture::Fixed:
      return FromRows<16, 9>(kFixed);
    case BrowserPicture::Network:
      return FromRows<16, 9>(kNetwork);
    case BrowserPicture::CdRom:
      return FromRows<16, 9>(kCdRom);
    case BrowserPicture::Ram:
      return FromRows<16, 9>(kRam);
    default:
      return Bitmap();
  }
}

}  // namespace tavel
