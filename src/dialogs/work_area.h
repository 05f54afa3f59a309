// The screen without the taskbar: the area into which every dialog box and the player window go.
#pragma once

#include "platform/desktop.h"

namespace tavel {

// Screen coordinates of the work area and the window recognised as the taskbar (0 = not found yet).
struct WorkArea {
  int WorkLeft = 0;
  int WorkTop = 0;
  int WorkWidth = 0;
  int WorkHeight = 0;
  WindowHandle TaskbarWindow = 0;
};

// The work area shared by all dialog boxes of the program (the player window keeps its own).
extern WorkArea DialogWorkArea;

// Recomputes `area` from the taskbar's rectangle; the whole screen when no taskbar is found or the
// area left over is empty. Returns whether a taskbar was used.
bool ComputeWorkArea(Desktop& desktop, WorkArea& area);

}  // namespace tavel
