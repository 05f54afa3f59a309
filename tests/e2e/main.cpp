// The end-to-end test program: GoogleTest with the checks made before any test.
#include <gtest/gtest.h>

#include "environment.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new tavel::e2e::E2eEnvironment);
  return RUN_ALL_TESTS();
}
