// A screen with windows placed by the test: metrics, system colours, lookups by class and point.
#include "support/fake_desktop.h"

namespace tavel::testing {

WindowHandle FakeDesktop::AddWindow(Window w, WindowHandle handle) {
  if (handle == 0) handle = nextHandle_ += 0x10;
  windows_[handle] = std::move(w);
  zOrder_.push_back(handle);
  return handle;
}

WindowHandle FakeDesktop::AddBottomTaskbar(int height) {
  Rect r{-2, screen.height - height + 2, screen.width + 4, height};
  return AddWindow({"Shell_TrayWnd", "", r});
}

WindowHandle FakeDesktop::FindWindowByClass(const std::string& className) {
  for (const auto& [h, w] : windows_) {
    if (w.className == className) return h;
  }
  return 0;
}

WindowHandle FakeDesktop::WindowFromPoint(Point p) {
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
    auto w = windows_.find(*it);
    if (w == windows_.end()) continue;
    const Rect& r = w->second.rect;
    if (p.x >= r.left && p.x < r.Right() && p.y >= r.top && p.y < r.Bottom()) return *it;
  }
  return 0;
}

std::optional<Rect> FakeDesktop::WindowRect(WindowHandle h) {
  ++rectQueries;
  auto w = windows_.find(h);
  if (w == windows_.end()) return std::nullopt;
  return w->second.rect;
}

std::optional<std::string> FakeDesktop::WindowText(WindowHandle h, int maxChars) {
  auto w = windows_.find(h);
  if (w == windows_.end() || !w->second.textReadable) return std::nullopt;
  return w->second.title.substr(0, static_cast<size_t>(maxChars > 0 ? maxChars - 1 : 0));
}

}  // namespace tavel::testing
