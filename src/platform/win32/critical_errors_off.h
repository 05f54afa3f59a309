// Switches the system's critical-error boxes off for one scope (a drive without a medium then
// fails quietly instead of asking the user to retry) and puts the previous mode back.
#pragma once

#include <windows.h>

namespace tavel {

class CriticalErrorsOff {
 public:
  CriticalErrorsOff() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorsOff() { SetErrorMode(previous_); }
  CriticalErrorsOff(const CriticalErrorsOff&) = delete;
  CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

 private:
  UINT previous_;
};

}  // namespace tavel
