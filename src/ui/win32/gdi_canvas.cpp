// The drawing surface over a window's device context, and bitmaps of our own put onto one.
#include "ui/win32/gdi_canvas.h"

#include <cstdint>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/win32/gdi_cache.h"

namespace tavel {

namespace {

RECT ToRect(const Rect& r) {
  return {r.left, r.top, r.Right(), r.Bottom()};
}

// Our colours are 0x00BBGGRR; a 32-bit DIB wants blue in the lowest byte.
std::uint32_t DibPixel(Color c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

void PutPixels(HDC dc, int x, int y, int width, int height,
               const std::vector<std::uint32_t>& pixels, DWORD rop) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  StretchDIBits(dc, x, y, width, height, 0, 0, width, height, pixels.data(), &info, DIB_RGB_COLORS,
                rop);
}

}  // namespace

void PutBitmap(HDC dc, int x, int y, const Bitmap& picture, DWORD rop) {
  if (picture.width <= 0 || picture.height <= 0) return;
  std::vector<std::uint32_t> pixels(picture.pixels.size());
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = DibPixel(picture.pixels[i]);
  PutPixels(dc, x, y, picture.width, picture.height, pixels, rop);
}

Color GdiCanvas::System(SystemColor which) const {
  switch (which) {
    case SystemColor::Window:
      return GetSysColor(COLOR_WINDOW);
    case SystemColor::WindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColor::Highlight:
      return GetSysColor(COLOR_HIGHLIGHT);
    case SystemColor::HighlightText:
      return GetSysColor(COLOR_HIGHLIGHTTEXT);
    case SystemColor::GrayText:
      return GetSysColor(COLOR_GRAYTEXT);
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

void GdiCanvas::Fill(const Rect& r, Color color) {
  RECT rect = ToRect(r);
  FillRect(dc_, &rect, gdi_.BrushFor(color));
}

void GdiCanvas::WriteText(const Rect& r, const std::string& text, const Font& font, Color color) {
  SelectedObject selected = SelectInto(dc_, gdi_.FontFor(font));
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, color);
  RECT rect = ToRect(r);
  DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The picture's transparent parts go through a mask: the mask keeps what is below only where the
// picture is transparent, and the picture, black there, is then added onto it.
void GdiCanvas::DrawPicture(int x, int y, const Bitmap& picture, Color transparent) {
  if (picture.width <= 0 || picture.height <= 0) return;
  std::vector<std::uint32_t> mask(picture.pixels.size());
  std::vector<std::uint32_t> colours(picture.pixels.size());
  for (size_t i = 0; i < mask.size(); ++i) {
    bool clear = picture.pixels[i] == transparent;
    mask[i] = clear ? 0x00FFFFFFu : 0;
    colours[i] = clear ? 0 : DibPixel(picture.pixels[i]);
  }
  PutPixels(dc_, x, y, picture.width, picture.height, mask, SRCAND);
  PutPixels(dc_, x, y, picture.width, picture.height, colours, SRCPAINT);
}

void GdiCanvas::DrawFocusFrame(const Rect& r) {
  RECT rect = ToRect(r);
  SetTextColor(dc_, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc_, GetSysColor(COLOR_WINDOW));
  DrawFocusRect(dc_, &rect);
}

}  // namespace tavel
