// The controls inside a window of the program under test: found by the program's control names,
// read and operated from outside as a user would.
#include "controls.h"

#include <commctrl.h>

#include "cp932.h"
#include "remote_buffer.h"
#include "ui/win32/control_id.h"

namespace tavel::e2e {

namespace {

constexpr UINT kAnswerTimeoutMs = 15000;

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM param) {
  auto& s = *reinterpret_cast<IdSearch*>(param);
  if (GetDlgCtrlID(child) != s.id) return TRUE;
  s.found = child;
  return FALSE;
}

// Items of a list or combo box. Across processes Wine hands the text over as wide characters only,
// so the wide messages are sent and the text converted back to code page 932.
std::vector<std::string> Items(HWND box, UINT countMsg, UINT lengthMsg, UINT textMsg) {
  std::vector<std::string> items;
  LRESULT count = SendWide(box, countMsg, 0, 0).value_or(0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendWide(box, lengthMsg, i, 0).value_or(0);
    if (length < 0) length = 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendWide(box, textMsg, i, reinterpret_cast<LPARAM>(text.data())).value_or(0);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    items.push_back(ToCp932(text));
  }
  return items;
}

void Notify(HWND control, WORD code) {
  PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace

std::optional<LRESULT> SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

HWND FindControl(HWND window, const std::string& name) {
  IdSearch s{ControlIdFor(name), nullptr};
  EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND WaitForControl(HWND window, const std::string& name, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindControl(window, name)) != nullptr; }, timeoutMs);
  return found;
}

std::string ControlText(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &length))
    return {};
  std::string text(length + 1, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, kAnswerTimeoutMs, &got);
  text.resize(got);
  return text;
}

bool IsEnabled(HWND control) {
  return IsWindowEnabled(control) != FALSE;
}

bool IsChecked(HWND control) {
  return SendWide(control, BM_GETCHECK, 0, 0).value_or(BST_UNCHECKED) == BST_CHECKED;
}

std::vector<std::string> ListItems(HWND listBox) {
  return Items(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListIndex(HWND listBox) {
  return static_cast<int>(SendWide(listBox, LB_GETCURSEL, 0, 0).value_or(LB_ERR));
}

std::vector<std::string> ComboItems(HWND comboBox) {
  return Items(comboBox, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboIndex(HWND comboBox) {
  return static_cast<int>(SendWide(comboBox, CB_GETCURSEL, 0, 0).value_or(CB_ERR));
}

std::vector<std::string> StatusPanels(HWND statusBar) {
  std::vector<std::string> panels;
  LRESULT count = SendWide(statusBar, SB_GETPARTS, 0, 0).value_or(0);
  for (LRESULT i = 0; i < count; ++i) {
    // The length may count characters rather than bytes: room for two bytes each.
    size_t length = LOWORD(SendWide(statusBar, SB_GETTEXTLENGTHA, i, 0).value_or(0));
    // The status bar writes the text into the caller's buffer as it is, so the buffer must be in
    // the program's own memory.
    RemoteBuffer buffer(statusBar, 2 * length + 2);
    if (!buffer.Ok()) break;
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(statusBar, SB_GETTEXTA, i, buffer.Address(), SMTO_NORMAL,
                             kAnswerTimeoutMs, &got))
      break;
    panels.push_back(buffer.Read(LOWORD(got)));
  }
  return panels;
}

bool TypeText(HWND control, const std::string& text) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                           SMTO_NORMAL, kAnswerTimeoutMs, &result))
    return false;
  // A combo box reports no change for text set from outside; typing would.
  char kind[16] = {};
  GetClassNameA(control, kind, sizeof kind);
  if (lstrcmpiA(kind, "ComboBox") == 0) Notify(control, CBN_EDITCHANGE);
  return true;
}

bool Click(HWND button) {
  if (!IsEnabled(button)) return false;
  return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

void PickListItem(HWND listBox, int index) {
  SendWide(listBox, LB_SETCURSEL, index, 0);
  Notify(listBox, LBN_SELCHANGE);
}

void DoubleClickListItem(HWND listBox, int index) {
  PickListItem(listBox, index);
  Notify(listBox, LBN_DBLCLK);
}

void PickComboItem(HWND comboBox, int index) {
  SendWide(comboBox, CB_SETCURSEL, index, 0);
  Notify(comboBox, CBN_SELCHANGE);
}

void ChooseMenuItem(HWND window, const std::string& itemName) {
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(ControlIdFor(itemName), 0), 0);
}

}  // namespace tavel::e2e
