// The program's version: the one reading of the stored text and the one way it is shown.
#include "product/identity.h"

#include <gtest/gtest.h>

#include "support/fake_registry.h"

namespace tavel {
namespace {

TEST(Version, StoredTextShownAsTensDotUnits) {
  const struct {
    std::optional<std::string> stored;
    const char* shown;
  } cases[] = {
      {"11", "1.1"},   {"7", "0.7"},   {"10", "1.0"}, {"254", "25.4"},
      {"256", "25.6"}, {"255", "?.?"}, {"", "?.?"},   {std::nullopt, "?.?"},
      {"abc", "?.?"},  {"1.1", "?.?"}, {"-5", "?.?"}, {"-15", "?.?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatVersion(ParseVersion(c.stored)), c.shown) << c.stored.value_or("-");
  }
  EXPECT_EQ(FormatVersion(kThisVersion, "．"), "1．1");
}

// Only "11" itself is this version: text with anything around the number is not.
TEST(Version, OnlyTheExactNumberIsThisVersion) {
  EXPECT_EQ(ParseVersion(std::string("11")), kThisVersion);
  EXPECT_EQ(ParseVersion(std::string("+11")), kThisVersion);
  for (const char* text : {"", "11a", " 11", "0x0B", "1.1"}) {
    EXPECT_EQ(ParseVersion(std::string(text)), kUnknownVersion) << text;
  }
}

TEST(Version, ShowingItLeavesNoKeyBehindButTheEntryCreatesIt) {
  testing::FakeRegistry registry;
  EXPECT_EQ(VersionText(registry), "?.?");
  EXPECT_FALSE(registry.HasKey(kSettingsKeyPath));
  EXPECT_EQ(ReadInstalledVersion(registry, true), kUnknownVersion);
  EXPECT_TRUE(registry.HasKey(kSettingsKeyPath));
  registry.Set(kSettingsKeyPath, "Version", "11");
  EXPECT_EQ(VersionText(registry), "1.1");
  EXPECT_EQ(registry.openKeys, 0);
}

}  // namespace
}  // namespace tavel
