// The screen without the taskbar: the area into which every dialog box and the player window go.
#include "dialogs/work_area.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tavel {

WorkArea DialogWorkArea;

namespace {

constexpr int kTitleBufferChars = 100;

// A window rectangle as its four edges, right and bottom exclusive.
struct Edges {
  int L, T, R, B;
};

struct Candidate {
  WindowHandle handle;
  Edges edges;
};

std::optional<Edges> ReadEdges(Desktop& desktop, WindowHandle w) {
  if (w == 0) return std::nullopt;
  std::optional<Rect> r = desktop.WindowRect(w);
  if (!r) return std::nullopt;
  return Edges{r->left, r->top, r->Right(), r->Bottom()};
}

// The taskbar spans one whole edge of the screen and overhangs it equally at both ends, is at most
// about half the screen thick, and has no title.
bool LooksLikeTaskbar(Desktop& desktop, WindowHandle w, const Edges& e, Size screen) {
  bool acrossWidth = e.L + e.R == screen.width;
  bool acrossHeight = e.T + e.B == screen.height;
  if (!acrossWidth && !acrossHeight) return false;
  if (acrossWidth && (e.L == 0 || e.B - e.T > screen.height / 2 + 2)) return false;
  if (acrossHeight && (e.T == 0 || e.R - e.L > screen.width / 2 + 2)) return false;
  std::optional<std::string> title = desktop.WindowText(w, kTitleBufferChars);
  return title && title->empty();
}

// The windows under the four corners that pass as the taskbar, in probing order.
std::vector<Candidate> FindTaskbarCandidates(Desktop& desktop, Size screen) {
  const int w = screen.width;
  const int h = screen.height;
  const Point probes[] = {{1, 1}, {1, h - 1}, {w - 1, 1}, {w - 1, h - 1}};
  std::vector<Candidate> accepted;
  for (Point p : probes) {
    WindowHandle handle = desktop.WindowFromPoint(p);
    std::optional<Edges> edges = ReadEdges(desktop, handle);
    if (edges && LooksLikeTaskbar(desktop, handle, *edges, screen)) {
      accepted.push_back({handle, *edges});
    }
  }
  return accepted;
}

void SetWholeScreen(WorkArea& area, Size screen) {
  area.Work = {0, 0, screen.width, screen.height};
}

// Cuts the bar's strip off the screen.
void CutOffBar(WorkArea& area, const Edges& bar, Size screen) {
  if (bar.L + bar.R == screen.width) {
    bool atTop = bar.T < 0;
    area.Work.top = atTop ? bar.B : 0;
    area.Work.height = atTop ? screen.height - bar.B : bar.T;
    return;
  }
  bool atLeft = bar.L < 0;
  area.Work.left = atLeft ? bar.R : 0;
  area.Work.width = atLeft ? screen.width - bar.R : bar.L;
}

}  // namespace

bool ComputeWorkArea(Desktop& desktop, WorkArea& area) {
  Size screen = desktop.ScreenSize();
  SetWholeScreen(area, screen);

  std::optional<Edges> bar;
  if (area.TaskbarWindow != 0) {
    bar = ReadEdges(desktop, area.TaskbarWindow);
    // The remembered taskbar no longer exists (the shell was restarted, say): look for the new one
    // instead of falling back to the whole screen for the rest of the process.
    if (!bar) area.TaskbarWindow = 0;
  }
  WindowHandle firstAccepted = 0;
  if (!bar) {
    std::vector<Candidate> found = FindTaskbarCandidates(desktop, screen);
    if (found.empty()) return false;
    firstAccepted = found.front().handle;
    auto smallest = std::min_element(
        found.begin(), found.end(),
        [](const Candidate& a, const Candidate& b) { return a.handle < b.handle; });
    bar = smallest->edges;
  }

  CutOffBar(area, *bar, screen);
  // A negative size (a remembered window that has since grown past the screen) is as unusable as
  // an empty one: boxes would be pushed off the screen.
  if (area.Work.width <= 0 || area.Work.height <= 0) {
    SetWholeScreen(area, screen);
    area.TaskbarWindow = 0;
    return false;
  }
  if (area.TaskbarWindow == 0) area.TaskbarWindow = firstAccepted;
  return true;
}

}  // namespace tavel
