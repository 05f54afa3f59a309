// How dialog boxes paint: the form colour from the system colours and icons with a transparent
// colour.
#pragma once

#include "base/geometry.h"
#include "platform/desktop.h"

namespace tavel {

class Form;
class Image;

// The window colour under a colour scheme with light text, else the button face.
Color DialogFormColor(Desktop& desktop);

// Gives the form its colour by the rule above.
void PaintDialogBackground(Form& form, Desktop& desktop);

// Draws the top-left `size` x `size` pixels of `source`'s picture onto `target`'s, with every pixel
// of the key colour replaced by `brush`. `source` keeps the untouched icon so that a change of
// colour scheme repaints correctly.
void DrawTransparentIcon(const Image& source, Color key, Color brush, int size, Image& target);

}  // namespace tavel
