// Handle owners: a held handle goes back exactly once, an empty one never.
#include "base/handle_owner.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavel {
namespace {

// Handles are numbers, -1 holds nothing; every give-back is noted, and `fails` makes it fail.
struct NoteClose {
  std::vector<int>* closed;
  bool fails = false;
  static int Empty() { return -1; }
  bool operator()(int h) const {
    closed->push_back(h);
    return !fails;
  }
};
using Owner = HandleOwner<int, NoteClose>;

TEST(HandleOwner, GivesAHeldHandleBackOnceWhetherClosedEarlyOrAtTheEnd) {
  std::vector<int> closed;
  {
    Owner early(7, {&closed});
    Owner late(8, {&closed});
    EXPECT_TRUE(early.Close());
    EXPECT_FALSE(early.Valid());
    EXPECT_FALSE(early.Close());
  }
  EXPECT_EQ(closed, (std::vector<int>{7, 8}));
}

TEST(HandleOwner, AFailedOpenIsNeverClosedAndAFailedCloseIsReported) {
  std::vector<int> closed;
  { Owner failedOpen(-1, {&closed}); }
  EXPECT_TRUE(closed.empty());
  Owner flushFails(3, {&closed, true});
  EXPECT_FALSE(flushFails.Close());
  EXPECT_EQ(closed, std::vector<int>{3});
}

}  // namespace
}  // namespace tavel
