// The Windows entry point: the real windowing system and platform services, then the entry
// sequence.
#include <windows.h>
// The common controls need the definitions of windows.h first.
#include <commctrl.h>

#include "app/entry.h"
#include "app/main_windows.h"
#include "platform/services.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_mci.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_tray.h"
#include "ui/application.h"
#include "ui/win32/win32_ui.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);

  tavel::Win32Ui ui(instance);
  tavel::Application app(ui);
  tavel::Win32Registry registry;
  tavel::Win32Desktop desktop;
  tavel::Win32Process process;
  tavel::Win32Clock clock;
  tavel::Win32FileSystem files;
  tavel::Win32Mci mci;
  tavel::Win32Tray tray;
  tavel::Services services{registry, desktop, process, clock, files, mci, tray};
  tavel::MainWindows windows(app, services);
  return tavel::RunEntry(app, registry, desktop, process, windows);
}
