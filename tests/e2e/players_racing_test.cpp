// Many players started at the same moment and closed at the same moment, numbering themselves
// through the one registry value they share.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "harness/harness.h"

namespace tavel::e2e {
namespace {

constexpr int kPlayers = 10;
// Ten Wine processes starting at once on a small machine take their time.
constexpr int kCrowdTimeoutMs = 4 * kWindowTimeoutMs;

// The number of the player whose idle title this is; -1 before start-up is done.
int NumberInTitle(const std::string& title) {
  const size_t digits = title.find_first_not_of("0123456789");
  if (digits == 0 || digits == std::string::npos) return -1;
  const int number = std::stoi(title.substr(0, digits));
  return title == IdleTitle(number) ? number : -1;
}

std::set<int> NumbersInList(const std::string& wn) {
  std::set<int> numbers;
  size_t start = 0;
  while (start <= wn.size()) {
    size_t comma = std::min(wn.find(',', start), wn.size());
    if (comma > start) numbers.insert(std::stoi(wn.substr(start, comma - start)));
    start = comma + 1;
  }
  return numbers;
}

TEST(PlayersRacing, PlayersStartedTogetherTakeDistinctNumbersAndGiveThemAllBack) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  ASSERT_TRUE(box.MarkInstalled());
  ASSERT_TRUE(box.Settings().Write("WN", "1,2"));  // left behind by players that did not clean up
  std::vector<TestProcess*> players;
  for (int i = 0; i < kPlayers; ++i) players.push_back(&box.Start());

  std::vector<HWND> windows;
  for (TestProcess* p : players) {
    HWND w = p->WaitForWindow(kPlayerClass, kCrowdTimeoutMs);
    ASSERT_NE(w, nullptr) << "a player never opened its window";
    windows.push_back(w);
  }
  std::multiset<int> numbers;
  for (HWND w : windows) {
    ASSERT_TRUE(WaitUntil([&] { return NumberInTitle(Caption(w)) >= 0; }, kCrowdTimeoutMs))
        << "a player never finished its start-up: " << Caption(w);
    numbers.insert(NumberInTitle(Caption(w)));
  }
  std::multiset<int> expected;
  for (int n = 1; n <= kPlayers; ++n) expected.insert(n);
  EXPECT_EQ(numbers, expected);
  std::optional<std::string> wn = box.Settings().Read("WN");
  ASSERT_TRUE(wn.has_value());
  EXPECT_EQ(NumbersInList(*wn), std::set<int>(expected.begin(), expected.end())) << *wn;

  for (HWND w : windows) RequestClose(w);
  for (TestProcess* p : players) {
    EXPECT_TRUE(p->WaitForExit(kCrowdTimeoutMs));
    EXPECT_EQ(p->ExitCode(), std::optional<DWORD>(0));
  }
  EXPECT_EQ(box.Settings().Read("WN"), std::nullopt);
}

}  // namespace
}  // namespace tavel::e2e
