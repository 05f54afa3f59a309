// Switches the system's critical-error boxes off for one scope (a drive without a medium then
// fails quietly instead of asking the user to retry) and puts the previous mode back.
#pragma once

#include <windows.h>

#include "base/scoped_value.h"

namespace tavel {

// Setting the error mode is the only way to learn the one before it (the oldest systems cannot
// read it), so the mode is set once to learn the previous one and once more by the scoped value.
class CriticalErrorsOff : ScopedValue<UINT> {
 public:
  CriticalErrorsOff()
      : ScopedValue(SetMode, SetErrorMode(SEM_FAILCRITICALERRORS), SEM_FAILCRITICALERRORS) {}

 private:
  static void SetMode(const UINT& mode) { SetErrorMode(mode); }
};

}  // namespace tavel
