// The program's own icon, two beamed notes, as a 32 x 32 bitmap in the 16 standard colours: the
// same picture as the icon resource (src/app/tavel32.ico), so that the about box shows a copy of
// the application's icon.
#pragma once

#include "base/geometry.h"
#include "ui/image.h"

namespace tavel {

// The background around the notes, drawn in the colour of whatever the icon lies on.
constexpr Color kProgramIconKey = Rgb(255, 0, 255);

// Two beamed blue notes outlined in black, with white highlights, on the key colour.
Bitmap ProgramIcon();

// `icon` centred on a `width` x `height` bitmap whose margins have the key colour.
Bitmap CentredIcon(const Bitmap& icon, Color key, int width, int height);

}  // namespace tavel
