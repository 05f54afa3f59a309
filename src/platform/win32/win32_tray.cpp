// The task tray through the shell's notify-icon requests, with the record of the first shell
// version.
#include "platform/win32/win32_tray.h"

#include <windows.h>
// The shell's declarations need the types of windows.h first.
#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace tavel {

namespace {

bool Send(DWORD request, const TrayIconData& data) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.window);
  record.uID = data.id;
  record.uFlags = data.flags;
  record.uCallbackMessage = data.callbackMessage;
  record.hIcon = reinterpret_cast<HICON>(data.icon);
  std::size_t n = std::min(data.tip.size(), kTrayTipMaxBytes);
  std::memcpy(record.szTip, data.tip.data(), n);
  record.szTip[n] = '\0';
  return Shell_NotifyIconA(request, &record) != FALSE;
}

}  // namespace

bool Win32Tray::Add(const TrayIconData& data) {
  return Send(NIM_ADD, data);
}

bool Win32Tray::Modify(const TrayIconData& data) {
  return Send(NIM_MODIFY, data);
}

bool Win32Tray::Delete(const TrayIconData& data) {
  return Send(NIM_DELETE, data);
}

unsigned Win32Tray::ShellStartedMessage() {
  return RegisterWindowMessageA("TaskbarCreated");
}

}  // namespace tavel
