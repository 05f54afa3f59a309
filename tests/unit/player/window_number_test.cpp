// Tests of the window numbers that running players take from and give back to WN.
#include "player/window_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "product/identity.h"
#include "support/fake_named_mutex.h"
#include "support/fake_registry.h"

namespace tavel {
namespace {

using testing::FakeNamedMutexes;
using testing::FakeRegistry;

class WindowNumberTest : public ::testing::Test {
 protected:
  void SetWn(const std::string& text) { registry.Set(kSettingsKeyPath, "WN", text); }
  std::string Wn() const { return registry.Get(kSettingsKeyPath, "WN"); }
  std::int32_t Allocate(bool otherPlayer = true) {
    auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
    return AllocateWindowNumber(*key, otherPlayer);
  }
  bool Release(std::int32_t number) {
    auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
    return ReleaseWindowNumber(*key, number);
  }

  FakeRegistry registry;
};

std::string AllNumbers(int from, int to) {
  std::string text;
  for (int n = from; n <= to; ++n) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

TEST_F(WindowNumberTest, TakesTheLowestFreeNumberAndAppendsIt) {
  const struct {
    const char* wn;
    std::int32_t number;
    const char* after;
  } cases[] = {
      {"1,2", 3, "1,2,3"}, {"1,3", 2, "1,3,2"},   {"", 1, ",1"},   {"1,,3", 2, "1,,3,2"},
      {",1", 2, ",1,2"},   {"2,1,", 3, "2,1,,3"}, {"5", 1, "5,1"},
  };
  for (const auto& c : cases) {
    SetWn(c.wn);
    EXPECT_EQ(Allocate(), c.number) << c.wn;
    EXPECT_EQ(Wn(), c.after) << c.wn;
  }
}

TEST_F(WindowNumberTest, MissingListCountsAsEmpty) {
  EXPECT_EQ(Allocate(), 1);
  EXPECT_EQ(Wn(), ",1");
}

TEST_F(WindowNumberTest, WithoutAnotherPlayerTheStaleListIsReplacedByOne) {
  SetWn("1,2");
  EXPECT_EQ(Allocate(false), 1);
  EXPECT_EQ(Wn(), "1");
  registry = FakeRegistry();
  EXPECT_EQ(Allocate(false), 1);  // nothing to delete is not a failure
  EXPECT_EQ(Wn(), "1");
}

TEST_F(WindowNumberTest, NumbersOutsideTheTableAreIgnored) {
  SetWn("0,301,99999,-5,2147483647");
  EXPECT_EQ(Allocate(), 1);
  EXPECT_EQ(Wn(), "0,301,99999,-5,2147483647,1");
  SetWn(AllNumbers(1, 299) + ",301");
  EXPECT_EQ(Allocate(), 300);
}

TEST_F(WindowNumberTest, FailuresGiveZeroAndLeaveTheListAlone) {
  // Every number taken, then pieces that are not decimal numbers.
  for (const std::string& wn : {AllNumbers(1, 300), std::string("1,x,3"), std::string("1, 2"),
                                std::string("1;2"), std::string("99999999999")}) {
    SetWn(wn);
    EXPECT_EQ(Allocate(), 0) << wn;
    EXPECT_EQ(Wn(), wn);
  }
  SetWn("1");
  registry.failWrites = {"WN"};
  EXPECT_EQ(Allocate(), 0);
  EXPECT_EQ(Allocate(false), 0);
}

TEST_F(WindowNumberTest, TheWholeOfALongListCounts) {
  // 1200 characters; the 2 lies beyond the first thousand and is still in use.
  std::string wn = "1" + std::string(1100, ',') + "2" + std::string(98, ',');
  ASSERT_EQ(wn.size(), 1200u);
  SetWn(wn);
  EXPECT_EQ(Allocate(), 3);
  EXPECT_EQ(Wn(), wn + ",3");
  SetWn(AllNumbers(1, 280));  // about 1000 characters of genuine numbers
  EXPECT_EQ(Allocate(), 281);
}

// The whole read-modify-write, and the question whether another player runs, happen under the
// lock that all players share; the key is closed before the lock is given back.
TEST_F(WindowNumberTest, ClaimAndReleaseHoldTheSharedLock) {
  FakeNamedMutexes mutexes;
  mutexes.alsoLogTo = &registry.accessLog;
  const std::string lock = std::string("lock ") + kWindowNumberMutex;
  const std::string unlock = std::string("unlock ") + kWindowNumberMutex;
  SetWn("1");
  auto first = mutexes.Keep(kNumberedPlayerMark);  // a player with number 1 runs
  WindowNumberClaim claim = ClaimWindowNumber(registry, mutexes);
  EXPECT_EQ(claim.number, 2);
  EXPECT_EQ(registry.accessLog, (std::vector<std::string>{lock, "read WN", "write WN", unlock}));
  EXPECT_EQ(registry.openKeys, 0);
  EXPECT_EQ(mutexes.open[kNumberedPlayerMark], 2);

  registry.accessLog.clear();
  auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
  EXPECT_TRUE(ReleaseWindowNumber(*key, mutexes, 1));
  EXPECT_EQ(registry.accessLog, (std::vector<std::string>{lock, "read WN", "write WN", unlock}));
  EXPECT_EQ(Wn(), "2");
  EXPECT_EQ(mutexes.held[kWindowNumberMutex], 0);
}

// Alone means: no other player has its number. Players that have ended, however they ended, keep
// no mark, so what they left in WN goes.
TEST_F(WindowNumberTest, AClaimWithoutNumberedPlayersStartsAfresh) {
  FakeNamedMutexes mutexes;
  SetWn("1,2");
  WindowNumberClaim first = ClaimWindowNumber(registry, mutexes);
  EXPECT_EQ(first.number, 1);
  EXPECT_EQ(Wn(), "1");
  EXPECT_EQ(ClaimWindowNumber(registry, mutexes).number, 2);  // and gone again at once
  EXPECT_EQ(Wn(), "1,2");
  first.mark.reset();
  EXPECT_EQ(ClaimWindowNumber(registry, mutexes).number, 1);
  EXPECT_EQ(Wn(), "1");
}

TEST_F(WindowNumberTest, AClaimWithoutTheLockOrTheKey) {
  FakeNamedMutexes mutexes;
  auto other = mutexes.Keep(kNumberedPlayerMark);
  SetWn("1");
  // A lock out of reach (a holder that hangs) still numbers the player, without the lock.
  mutexes.refuse = true;
  EXPECT_EQ(ClaimWindowNumber(registry, mutexes).number, 2);
  EXPECT_EQ(Wn(), "1,2");
  registry.failOpen = true;
  EXPECT_EQ(ClaimWindowNumber(registry, mutexes).number, 0);
  other.reset();
  EXPECT_EQ(ClaimWindowNumber(registry, mutexes).number, 0);
}

TEST_F(WindowNumberTest, ReleaseRemovesTheFirstOccurrenceAndTidies) {
  const struct {
    const char* wn;
    std::int32_t number;
    const char* after;
  } cases[] = {
      {"1,2,3", 3, "1,2"}, {"1,3,2", 3, "1,2"}, {",1,,3,2", 1, "3,2"},
      {"2,2", 2, "2"},     {"1,2", 5, "1,2"},   {"0,1,0", 0, "1"},
      {"1,301", 1, "301"}, {"1,x,2", 2, "1,x"}, {"1,02", 2, "1"},
  };
  for (const auto& c : cases) {
    SetWn(c.wn);
    EXPECT_TRUE(Release(c.number)) << c.wn;
    EXPECT_EQ(Wn(), c.after) << c.wn;
  }
}

TEST_F(WindowNumberTest, ReleasingTheLastNumberDeletesTheList) {
  for (const char* wn : {"1", ",1", "0,,1,"}) {
    SetWn(wn);
    EXPECT_TRUE(Release(1)) << wn;
    EXPECT_FALSE(registry.Has(kSettingsKeyPath, "WN")) << wn;
  }
  EXPECT_TRUE(Release(1));  // already missing: nothing to do
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "WN"));
}

TEST_F(WindowNumberTest, ReleaseReportsFailedWritesAndDeletes) {
  SetWn("1,2");
  registry.failWrites = {"WN"};
  EXPECT_FALSE(Release(2));
  EXPECT_EQ(Wn(), "1,2");
  SetWn("2");
  registry.failDeletes = {"WN"};
  EXPECT_FALSE(Release(2));
  EXPECT_EQ(Wn(), "2");
}

TEST_F(WindowNumberTest, PlayersComingAndGoing) {
  EXPECT_EQ(Allocate(false), 1);
  EXPECT_EQ(Allocate(), 2);
  EXPECT_EQ(Allocate(), 3);
  EXPECT_TRUE(Release(2));
  EXPECT_EQ(Wn(), "1,3");
  EXPECT_EQ(Allocate(), 2);
  EXPECT_EQ(Wn(), "1,3,2");
  EXPECT_TRUE(Release(3));
  EXPECT_TRUE(Release(1));
  EXPECT_EQ(Wn(), "2");
  EXPECT_TRUE(Release(2));
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "WN"));
}

}  // namespace
}  // namespace tavel
