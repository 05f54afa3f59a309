// Finding the program's boxes by what they say, and answering them with their buttons.
#include "boxes.h"

#include <initializer_list>

#include "controls.h"
#include "screenshot.h"
#include "top_windows.h"
#include "wait.h"

namespace tavel::e2e {

namespace {

HWND WaitForBoxSaying(std::initializer_list<const char*> classes, const std::string& text) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (const char* cls : classes) {
          for (HWND w : TopWindows(cls)) {
            HWND msg = FindControl(w, "Msg");
            if (IsShown(w) && msg && ControlText(msg) == text) found = w;
          }
        }
        return found != nullptr;
      },
      kWindowTimeoutMs);
  return found;
}

}  // namespace

HWND WaitForNotice(const std::string& text) {
  return WaitForBoxSaying({"TKolapBox", "TStack0Box"}, text);
}

HWND WaitForQuestion(const std::string& text) {
  return WaitForBoxSaying({"TYesNoBox"}, text);
}

bool Acknowledge(const std::string& notice, const char* screenshot) {
  HWND box = WaitForNotice(notice);
  if (!box) return false;
  if (screenshot) SaveScreenshot(box, screenshot);
  return Click(FindControl(box, "Button1"));
}

bool Answer(const std::string& question, bool yes) {
  HWND box = WaitForQuestion(question);
  return box && Click(FindControl(box, yes ? "Button1" : "Button2"));
}

}  // namespace tavel::e2e
