// A small Windows program for the end-to-end tests: opens one stacked message box with a countdown
// of the seconds given on the command line, and exits with the box's result.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <cstdlib>

#include "dialogs/stack_box.h"
#include "dialogs/work_area.h"
#include "platform/win32/win32_desktop.h"
#include "ui/application.h"
#include "ui/win32/win32_ui.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  tavel::Win32Ui ui(instance);
  tavel::Application app(ui);
  app.SetTitle("楽蔵32");
  tavel::Win32Desktop desktop;
  tavel::TStackBoxDlg box(app, desktop, tavel::DialogWorkArea);
  int seconds = std::atoi(commandLine);
  box.TimerCount = seconds > 0 ? seconds : 10;
  return box.ShowTimedMsg("カウントダウンの確認です。\n二行目");
}
