// Fonts and brushes made once and kept for the life of the windowing binding, and the colours
// controls resolve to.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "base/geometry.h"

namespace tavel {

class Control;

class GdiCache {
 public:
  GdiCache() = default;
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  HFONT FontFor(const Font& font);
  HBRUSH BrushFor(COLORREF color);

 private:
  using FontKey = std::tuple<std::string, int, bool, bool, bool>;
  std::map<FontKey, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};

// A colour, or the system colour `sysIndex` when it is the default.
COLORREF ResolveColor(Color color, int sysIndex);
// The background of a control that shows its container's colour when it has none of its own: the
// first colour set on the way up to the form, else the button face.
COLORREF InheritedBackground(const Control& control);
// The control's text colour: its font's colour, else the system colour `sysIndex`.
COLORREF TextColor(const Control& control, int sysIndex);

}  // namespace tavel
