// The end-to-end test program: GoogleTest with the checks made before any test and a screenshot
// at each test's first failure.
#include <gtest/gtest.h>

#include "environment.h"
#include "failure_screenshot.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new tavel::e2e::E2eEnvironment);
  ::testing::UnitTest::GetInstance()->listeners().Append(new tavel::e2e::FailureScreenshot);
  return RUN_ALL_TESTS();
}
