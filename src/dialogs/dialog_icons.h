// The icons of the dialog boxes, drawn by code as 32 x 32 bitmaps in the 16 standard colours.
#pragma once

#include "base/geometry.h"
#include "ui/image.h"

namespace tavel {

constexpr int kDialogIconSize = 32;

// The corners of the information icon, drawn in the box's own colour.
constexpr Color kInformationIconKey = Rgb(255, 0, 0);

// A blue disc with a white rim and a white letter "i", on pure red corners.
Bitmap InformationIcon();

// The corners of the question icon, drawn in the box's own colour.
constexpr Color kQuestionIconKey = Rgb(0, 0, 0);

// A red disc with a white rim and a white question mark, on black corners.
Bitmap QuestionIcon();

}  // namespace tavel
