// The drawing surface over a window's device context, and bitmaps of our own put onto one.
#pragma once

#include <windows.h>

#include "ui/canvas.h"
#include "ui/image.h"

namespace tavel {

class GdiCache;

// Copies `picture` to (x, y) of `dc` with the raster operation `rop` (SRCCOPY to simply show it).
void PutBitmap(HDC dc, int x, int y, const Bitmap& picture, DWORD rop);

// Leaves the device context as it found it (objects, colours, background mode) when it goes.
class GdiCanvas : public Canvas {
 public:
  GdiCanvas(HDC dc, GdiCache& gdi) : dc_(dc), gdi_(gdi), saved_(SaveDC(dc)) {}
  ~GdiCanvas() override { RestoreDC(dc_, saved_); }
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  Color System(SystemColor which) const override;
  void Fill(const Rect& r, Color color) override;
  void WriteText(const Rect& r, const std::string& text, const Font& font, Color color) override;
  void DrawPicture(int x, int y, const Bitmap& picture, Color transparent) override;
  void DrawFocusFrame(const Rect& r) override;

 private:
  HDC dc_;
  GdiCache& gdi_;
  int saved_;
};

}  // namespace tavel
