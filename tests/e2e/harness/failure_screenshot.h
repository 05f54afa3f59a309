// A screenshot of the whole screen at the first failed check of a test, to see what went wrong.
#pragma once

#include <gtest/gtest.h>

namespace tavel::e2e {

class FailureScreenshot : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override { taken_ = false; }
  void OnTestPartResult(const ::testing::TestPartResult& result) override;

 private:
  bool taken_ = false;
};

}  // namespace tavel::e2e
