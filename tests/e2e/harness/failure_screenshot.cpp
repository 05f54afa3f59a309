// A screenshot of the whole screen at the first failed check of a test, to see what went wrong.
#include "failure_screenshot.h"

#include <windows.h>

#include <cstdio>

#include "screenshot.h"

namespace tavel::e2e {

void FailureScreenshot::OnTestPartResult(const ::testing::TestPartResult& result) {
  if (!result.failed() || taken_) return;
  taken_ = true;
  std::string path = SaveScreenshot(GetDesktopWindow(), "failure");
  if (!path.empty()) std::printf("screen at the failure: %s\n", path.c_str());
}

}  // namespace tavel::e2e
