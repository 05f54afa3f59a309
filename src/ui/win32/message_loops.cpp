// The message loops: letting pending messages run, modal showing, the main loop, pop-up menus and
// the dialog keys (Enter for the default button, Tab between controls).
#include <windows.h>

#include <exception>
#include <vector>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/win32/form_window.h"
#include "ui/win32/menus.h"
#include "ui/win32/win32_ui.h"

namespace tavel {

namespace {

struct DisabledWindows {
  HWND keep;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND hwnd, LPARAM lp) {
  auto& state = *reinterpret_cast<DisabledWindows*>(lp);
  if (hwnd != state.keep && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    state.windows.push_back(hwnd);
  }
  return TRUE;
}

bool IsDroppedCombo(HWND hwnd) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return lstrcmpiA(cls, "ComboBox") == 0 && SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0);
}

}  // namespace

bool Win32Ui::HandleDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN ||
      (msg.wParam != VK_RETURN && msg.wParam != VK_TAB && msg.wParam != VK_ESCAPE)) {
    return false;
  }
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  FormWindow* form = root ? WindowOf(root) : nullptr;
  if (!form) return false;
  HWND focus = GetFocus();
  if (msg.wParam == VK_ESCAPE) return !(focus && IsDroppedCombo(focus)) && form->PressCancel();
  if (msg.wParam == VK_TAB) {
    bool back = GetKeyState(VK_SHIFT) < 0;
    HWND next = GetNextDlgTabItem(root, IsChild(root, focus) ? focus : nullptr, back);
    if (next) SetFocus(next);
    return true;
  }
  if (focus && IsDroppedCombo(focus)) return false;
  return form->PressDefault(focus);
}

// Enter and Escape run a button's click from the loop itself, outside any window procedure, so an
// error escaping it is shown here.
void Win32Ui::Dispatch(MSG& msg) {
  try {
    if (HandleDialogKey(msg)) return;
  } catch (const std::exception& e) {
    ReportUncaught(e);
    return;
  }
  if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    auto child = children_.find(msg.hwnd);
    if (child != children_.end()) child->second->Owner().RelayToTooltip(msg);
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void Win32Ui::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The main loop ends on it; leave it for that loop to see.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void Win32Ui::WaitForEvents(int ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms), QS_ALLINPUT);
  ProcessMessages();
}

void Win32Ui::RunModal(Form& form) {
  FormWindow* window = WindowOf(form);
  if (!window) return;
  HWND hwnd = window->Hwnd();
  HWND previous = GetActiveWindow();
  DisabledWindows disabled{hwnd, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  MSG msg;
  while (form.ModalResult() == kResultNone && !form.IsClosed()) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    Dispatch(msg);
  }
  // Enabled again before the box goes, so that the activation returns to the window below.
  for (HWND w : disabled.windows) {
    if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  if (IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
  if (previous && previous != hwnd && IsWindow(previous) && IsWindowVisible(previous)) {
    SetActiveWindow(previous);
  }
}

void Win32Ui::RunMainLoop(Form&) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32Ui::Quit() {
  PostQuitMessage(0);
}

void Win32Ui::PopupMenu(Form& owner, MenuItem& menu, Point at) {
  owner.Attach();
  FormWindow* window = WindowOf(owner);
  if (!window) return;
  MenuItem* chosen = TrackPopup(window->Hwnd(), menu, POINT{at.x, at.y});
  if (chosen) chosen->Click();
}

}  // namespace tavel
