// What the benchmarks measure against: the time to fill a bare visible list box the fast way, and
// the system's own folder search.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace tavel::bench {

inline double Millis(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Fills a bare visible list box of `size` with `names`, redrawing off and storage reserved, and
// returns the milliseconds it took until it was painted. `style` adds list box styles (LBS_SORT).
inline double FillBareListBox(HINSTANCE instance, const std::vector<std::string>& names, SIZE size,
                              DWORD style = 0) {
  HWND frame = CreateWindowA("STATIC", "floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                             nullptr, nullptr, instance, nullptr);
  HWND list = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | style,
                            8, 8, size.cx, size.cy, frame, nullptr, instance, nullptr);
  std::size_t bytes = 0;
  for (const auto& n : names) bytes += n.size() + 1;
  auto start = std::chrono::steady_clock::now();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, LB_INITSTORAGE, names.size(), static_cast<LPARAM>(bytes));
  for (const auto& n : names)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  double ms = Millis(std::chrono::steady_clock::now() - start);
  DestroyWindow(frame);
  return ms;
}

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
