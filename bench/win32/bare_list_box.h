// What the benchmarks measure against: the time to refill a bare list box on screen the fast way,
// and the system's own folder search.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace tavel::bench {

inline double Millis(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// A bare list box on screen, with the styles of the program's lists but drawn by the system. It
// is made and painted once, and each fill replaces what it shows, as the program's lists do: the
// first showing of a new window is no part of filling a list.
class BareListBox {
 public:
  // `style` adds list box styles (LBS_SORT).
  BareListBox(HINSTANCE instance, SIZE size, DWORD style = 0)
      : frame_(CreateWindowA("STATIC", "floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                             nullptr, nullptr, instance, nullptr)),
        list_(CreateWindowExA(
            WS_EX_CLIENTEDGE, "LISTBOX", "",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | style, 8, 8,
            size.cx, size.cy, frame_, nullptr, instance, nullptr)) {
    RedrawWindow(frame_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  ~BareListBox() { DestroyWindow(frame_); }
  BareListBox(const BareListBox&) = delete;
  BareListBox& operator=(const BareListBox&) = delete;

  // Replaces the items by `names` the fast way, redrawing off and storage reserved, and returns
  // the milliseconds it took until the list was painted.
  double Fill(const std::vector<std::string>& names) {
    std::size_t bytes = 0;
    for (const auto& n : names) bytes += n.size() + 1;
    auto start = std::chrono::steady_clock::now();
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    SendMessageA(list_, LB_INITSTORAGE, names.size(), static_cast<LPARAM>(bytes));
    for (const auto& n : names)
      SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    UpdateWindow(list_);
    return Millis(std::chrono::steady_clock::now() - start);
  }

 private:
  HWND frame_;
  HWND list_;
};

// The names the system's search finds for `pattern` (FindFirstFileA and FindNextFileA, nothing
// else): the sub-folders, or the other entries, without "." and "..".
inline std::vector<std::string> SystemSearch(const std::string& pattern, bool folders) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::string name = data.cFileName;
    if (folder == folders && name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return names;
}

}  // namespace tavel::bench
