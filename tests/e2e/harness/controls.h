// The controls inside a window of the program under test: found by the program's control names,
// read and operated from outside as a user would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "wait.h"

namespace tavel::e2e {

// The control named `name` (Button3, ListBox2, ...) anywhere inside `window`, or null.
HWND FindControl(HWND window, const std::string& name);
// Waits until the control exists (forms may add controls during their start-up).
HWND WaitForControl(HWND window, const std::string& name, int timeoutMs = kWindowTimeoutMs);

// Text of a label, button, edit box or panel (WM_GETTEXT: Shift-JIS bytes).
std::string ControlText(HWND control);
bool IsEnabled(HWND control);
// Check box or radio button state.
bool IsChecked(HWND control);

// Items and selected index (-1 for none) of a list box and of a combo box.
std::vector<std::string> ListItems(HWND listBox);
int ListIndex(HWND listBox);
std::vector<std::string> ComboItems(HWND comboBox);
int ComboIndex(HWND comboBox);
// Texts of the panels of a status bar (Shift-JIS bytes).
std::vector<std::string> StatusPanels(HWND statusBar);

// Puts text into an edit box or an editable combo box as typing it would, with the change
// notification the program gets; false when the window did not answer.
bool TypeText(HWND control, const std::string& text);
// Clicks a button (posted: a click that opens a modal box must not hold up the test). False when
// the button is disabled, as a user's click would do nothing.
bool Click(HWND button);
// Selects an entry as the user would, with the notification the program gets (posted).
void PickListItem(HWND listBox, int index);
void DoubleClickListItem(HWND listBox, int index);
void PickComboItem(HWND comboBox, int index);

// Chooses an item of the window's menu bar by the program's name for it, as a click on the item
// does (posted).
void ChooseMenuItem(HWND window, const std::string& itemName);

// A message to a window of another process; nothing when it does not answer in time.
std::optional<LRESULT> SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tavel::e2e
