// The Windows entry point: the real windowing system and platform services, then the entry
// sequence.
#include <windows.h>
// The common controls need the definitions of windows.h first.
#include <commctrl.h>

#include "app/entry.h"
#include "app/main_windows.h"
#include "platform/win32/win32_services.h"
#include "ui/application.h"
#include "ui/win32/win32_ui.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);

  tavel::Win32Ui ui(instance);
  tavel::Application app(ui);
  tavel::Win32Services platform;
  tavel::MainWindows windows(app, platform.services);
  return tavel::RunEntry(app, platform.registry, platform.desktop, platform.process, windows);
}
