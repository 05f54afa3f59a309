// The screen without the taskbar: the area into which every dialog box and the player window go.
#pragma once

#include "base/geometry.h"
#include "platform/desktop.h"

namespace tavel {

// The work area in screen coordinates and the window recognised as the taskbar (0 = not found yet).
struct WorkArea {
  Rect Work;
  WindowHandle TaskbarWindow = 0;
};

// The work area shared by all dialog boxes of the program (the player window keeps its own).
extern WorkArea DialogWorkArea;

// Recomputes `area` from the taskbar's rectangle; the whole screen when no taskbar is found or the
// area left over is empty. Returns whether a taskbar was used.
bool ComputeWorkArea(Desktop& desktop, WorkArea& area);

}  // namespace tavel
