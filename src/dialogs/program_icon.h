// The program's own icon, a musical note, drawn by code as a 32 x 32 bitmap in the 16 standard
// colours.
#pragma once

#include "ui/geometry.h"
#include "ui/image.h"

namespace tavel {

// The background around the note, drawn in the colour of whatever the icon lies on.
constexpr Color kProgramIconKey = Rgb(255, 0, 255);

// A navy eighth note with a white highlight on its head, on the key colour.
Bitmap ProgramIcon();

// `icon` centred on a `width` x `height` bitmap whose margins have the key colour.
Bitmap CentredIcon(const Bitmap& icon, Color key, int width, int height);

}  // namespace tavel
