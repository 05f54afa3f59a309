// Top-level windows of the programs under test: finding them by class, waiting for them, closing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "wait.h"

namespace tavel::e2e {

// The program's two main window classes.
constexpr const char* kPlayerClass = "TTAVEL32KOLAP";
constexpr const char* kSetupClass = "TTVLSETUPForm";
// The caption of player `number` while it plays nothing, and while it plays `upperName`.
inline std::string IdleTitle(int number) {
  return std::to_string(number) + "楽蔵32 TAVEL";
}
inline const std::string kIdleTitle = IdleTitle(1);
inline std::string PlayingTitle(const std::string& upperName, int number = 1) {
  return std::to_string(number) + "楽蔵32 " + upperName + " (再生中)";
}

// Top-level windows of a class (all classes when null), hidden ones included; of one process when
// `processId` is not 0. Windows of the test program itself are left out unless asked for.
std::vector<HWND> TopWindows(const char* className, DWORD processId = 0, bool includeOwn = false);

// The first window of the class that appears (hidden or shown), or null after the time-out.
HWND WaitForWindow(const char* className, int timeoutMs = kWindowTimeoutMs);
// A window of the class that is shown, or null after the time-out.
HWND WaitForShownWindow(const char* className, int timeoutMs = kWindowTimeoutMs);
// True once no window of the class is left.
bool WaitForNoWindow(const char* className, int timeoutMs = kWindowTimeoutMs);
// True once exactly `count` windows of the class exist.
bool WaitForWindowCount(const char* className, size_t count, int timeoutMs = kWindowTimeoutMs);

std::string ClassOf(HWND window);
// The caption (GetWindowTextA: Shift-JIS bytes).
std::string Caption(HWND window);
bool IsShown(HWND window);
DWORD ProcessOf(HWND window);

// Asks the window to close, as the close box does; does not wait (the close may open a box).
void RequestClose(HWND window);

}  // namespace tavel::e2e
