// Fonts and brushes made once and kept for the life of the windowing binding, and the colours
// controls resolve to.
#include "ui/win32/gdi_cache.h"

#include "ui/control.h"

namespace tavel {

GdiCache::~GdiCache() {
  for (auto& entry : fonts_) DeleteObject(entry.second);
  for (auto& entry : brushes_) DeleteObject(entry.second);
}

HFONT GdiCache::FontFor(const Font& font) {
  FontKey key{font.face, font.height, font.bold, font.italic, font.underline};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  // A negative height asks for the character height, without the internal leading.
  HFONT handle =
      CreateFontA(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                  font.underline, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, handle);
  return handle;
}

HBRUSH GdiCache::BrushFor(COLORREF color) {
  auto it = brushes_.find(color);
  if (it != brushes_.end()) return it->second;
  HBRUSH brush = CreateSolidBrush(color);
  brushes_.emplace(color, brush);
  return brush;
}

COLORREF ResolveColor(Color color, int sysIndex) {
  return color == kDefaultColor ? GetSysColor(sysIndex) : static_cast<COLORREF>(color);
}

COLORREF InheritedBackground(const Control& control) {
  for (const Control* c = &control; c; c = c->Parent()) {
    if (c->GetColor() != kDefaultColor) return static_cast<COLORREF>(c->GetColor());
  }
  return GetSysColor(COLOR_BTNFACE);
}

COLORREF TextColor(const Control& control, int sysIndex) {
  return ResolveColor(control.GetFont().color, sysIndex);
}

}  // namespace tavel
