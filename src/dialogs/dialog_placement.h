// Where a dialog box goes: centred over a reference window and kept inside the work area.
#pragma once

#include <optional>

#include "base/geometry.h"
#include "dialogs/work_area.h"
#include "platform/desktop.h"

namespace tavel {

class Application;
class Form;

// What every dialog component needs to place and paint its box.
struct DialogContext {
  Application& app;
  Desktop& desktop;
  WorkArea& workArea;  // the program-wide work area of the dialog boxes
};

// Moves a window of `size` at `position` inside the work area; one larger than the work area is
// aligned with its left and top edges. The player window is kept on the screen by this rule too.
Point KeepInsideWorkArea(const WorkArea& area, Point position, Size size);

// The top-left corner for a box of `formSize` (outer size): centred over `reference`, or over the
// work area without one, then pushed inside the work area; a box larger than the work area is
// aligned with its left and top edges.
Point PlaceDialog(const WorkArea& area, std::optional<Rect> reference, Size formSize);

// The screen rectangle of the window a box is centred over: `sourceHandle` when not 0, else the
// application's main form; nothing when there is no such window or its rectangle cannot be read.
std::optional<Rect> ReferenceRect(Application& app, Desktop& desktop, WindowHandle sourceHandle);

// Computes the work area afresh and moves `form` to its place.
void PlaceForm(Form& form, DialogContext& context, WindowHandle sourceHandle);

}  // namespace tavel
