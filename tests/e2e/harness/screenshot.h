// Screenshots of windows as BMP files in the artefact folder.
#pragma once

#include <windows.h>

#include <string>

namespace tavel::e2e {

// Saves what the screen shows where the window is, once the picture has stopped changing, as
// <artefacts>\<test suite>.<test>-<label>.bmp; returns the file's path, empty when it failed.
std::string SaveScreenshot(HWND window, const std::string& label);

}  // namespace tavel::e2e
