// The program's boxes as a user meets them: a notice or a question, found by its text and answered.
#pragma once

#include <windows.h>

#include <string>

namespace tavel::e2e {

// The shown notice box (the countdown message box or a stacked one) that says `text`, or null
// after the time-out.
HWND WaitForNotice(const std::string& text);
// The shown Yes/No box that asks `text`, or null after the time-out.
HWND WaitForQuestion(const std::string& text);

// Presses "ＯＫ" on the notice; false when it did not appear. Saves a screenshot of it first
// when `screenshot` names one.
bool Acknowledge(const std::string& notice, const char* screenshot = nullptr);
// Answers the question with "はい" or "いいえ"; false when it did not appear.
bool Answer(const std::string& question, bool yes);

}  // namespace tavel::e2e
