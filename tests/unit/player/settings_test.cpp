// Tests of the player's settings: parsing and defaults, window placement, saving and the version.
#include "player/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "product/identity.h"
#include "support/fake_named_mutex.h"
#include "support/fake_registry.h"

namespace tavel {
namespace {

using testing::FakeNamedMutexes;
using testing::FakeRegistry;
using Fields = std::optional<std::vector<std::int32_t>>;

// Every field, so that whole settings compare and print field by field.
auto AllFields(const PlayerSettings& s) {
  return std::tie(s.HistoryLimit, s.PlayBar, s.StandardColors, s.Hints, s.MemoryIndex,
                  s.NameDisplay, s.PlayModeIndex, s.Endless, s.AutoPlay, s.StartInTray,
                  s.SavedIndex, s.Mp3AndWma);
}

// --- Comma lists ---

TEST(CommaFields, TheLastFieldIsTheWholeRemainder) {
  EXPECT_EQ(ParseCommaFields("1,2,3", 3), Fields({1, 2, 3}));
  EXPECT_EQ(ParseCommaFields("-1,+2", 2), Fields({-1, 2}));
  EXPECT_EQ(ParseCommaFields("42", 1), Fields(std::vector<std::int32_t>{42}));
  EXPECT_EQ(ParseCommaFields("1,2,3,4,5,6,7,8", 7), std::nullopt);  // last field "7,8"
  EXPECT_EQ(ParseCommaFields("1,2,", 3), std::nullopt);
}

TEST(CommaFields, TooFewCommasOrABadFieldFail) {
  for (const char* text :
       {"1,2", "", ",2,3", "1,,3", "1,x,3", "1, 2,3", "1,2,3 ", "1,2,9999999999"})
    EXPECT_EQ(ParseCommaFields(text, 3), std::nullopt) << text;
}

// --- Single values ---

TEST(SingleValues, MissingEmptyOrBadTakeTheDefault) {
  EXPECT_EQ(ParseInteger(std::string("25"), 0), 25);
  EXPECT_EQ(ParseInteger(std::string("-3"), 0), -3);
  for (std::optional<std::string> bad :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>("x"), std::optional<std::string>("1.5")}) {
    EXPECT_EQ(ParseInteger(bad, 0), 0);
    EXPECT_FALSE(ParseFlag(bad, false));
    EXPECT_TRUE(ParseFlag(bad, true));
  }
  EXPECT_TRUE(ParseFlag(std::string("2"), false));  // on when not 0
  EXPECT_TRUE(ParseFlag(std::string("-1"), false));
  EXPECT_FALSE(ParseFlag(std::string("0"), true));
}

TEST(SingleValues, MemoryKeepsFieldsFiveAndSeven) {
  MemorySetting m4 = ParseMemory(std::string("1,1,1,1,4,1,0"));
  EXPECT_EQ(m4.MemoryIndex, 4);
  EXPECT_FALSE(m4.NameDisplay);
  EXPECT_EQ(ParseMemory(std::string("-1,-1,-1,-1,10,-1,1")).MemoryIndex, 10);
  EXPECT_EQ(ParseMemory(std::string("9,9,9,9,260,9,0")).MemoryIndex, 4);  // low 8 bits
  EXPECT_EQ(ParseMemory(std::string("0,0,0,0,-1,0,0")).MemoryIndex, 255);
  for (const char* bad :
       {"5", "1,1,1,1,4,1", "1,1,1,1,4,1,0,0", "1,1,1,1,,1,0", "1,1,1,1,M4,1,0"}) {
    MemorySetting m = ParseMemory(std::string(bad));
    EXPECT_EQ(m.MemoryIndex, 0) << bad;
    EXPECT_TRUE(m.NameDisplay) << bad;
  }
}

TEST(SingleValues, PlayModeKeepsTheFirstFourFields) {
  PlayModeSetting m = ParsePlayMode(std::string("0,0,1,0,-1,-1,-1,-1"));
  EXPECT_EQ(m.PlayModeIndex, 0);
  EXPECT_FALSE(m.Endless);
  EXPECT_TRUE(m.AutoPlay);
  EXPECT_FALSE(m.StartInTray);
  EXPECT_TRUE(ParsePlayMode(std::string("2,5,0,7,0,0,0,0")).StartInTray);
  for (const char* bad : {"0,0,1,0,-1,-1,-1", "0,0,1,0,-1,-1,-1,-1,-1", "0", ""}) {
    PlayModeSetting d = ParsePlayMode(std::string(bad));
    EXPECT_EQ(d.PlayModeIndex, 3) << bad;
    EXPECT_TRUE(d.Endless) << bad;
    EXPECT_FALSE(d.AutoPlay) << bad;
    EXPECT_FALSE(d.StartInTray) << bad;
  }
}

TEST(SingleValues, SavedIndexIsTheFirstOfTwo) {
  EXPECT_EQ(ParseSavedIndex(std::string("7,-1")), 7);
  EXPECT_EQ(ParseSavedIndex(std::string("-1,-1")), -1);
  for (const char* bad : {"", "3", "3,x", "3,-1,5", "x,0"})
    EXPECT_EQ(ParseSavedIndex(std::string(bad)), 0) << bad;
  EXPECT_EQ(ParseSavedIndex(std::nullopt), 0);
}

// --- Reading the key ---

TEST(ReadFromKey, NoKeyAtAllGivesTheDefaults) {
  FakeRegistry registry;
  auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
  PlayerSettings read = ReadSettings(*key);
  EXPECT_EQ(read.MemoryIndex, 0);  // M0
  EXPECT_TRUE(read.NameDisplay);
  EXPECT_EQ(read.PlayModeIndex, 3);  // random
  EXPECT_TRUE(read.Endless);
  EXPECT_TRUE(read.Hints);
  EXPECT_TRUE(read.StandardColors);
  EXPECT_EQ(read.HistoryLimit, 0);
  EXPECT_FALSE(read.PlayBar);
  EXPECT_FALSE(read.Mp3AndWma);
  EXPECT_EQ(ReadSavedIndex(*key), 0);
  EXPECT_EQ(
      registry.accessLog,
      (std::vector<std::string>{"read FILEHIS", "read SAISEIBAR", "read BackColor", "read minihelp",
                                "read MEMORY", "read SAISEIM", "read MP3WMA", "read INDEX"}));
}

TEST(ReadFromKey, MP3AndWMAPlayOnlyForAStoredNumberOtherThanZero) {
  FakeRegistry registry;
  auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
  for (auto [stored, on] : {std::pair{"1", true},
                            {"2", true},
                            {"0", false},
                            {"", false},
                            {"yes", false},
                            {"1,1", false}}) {
    registry.Set(kSettingsKeyPath, "MP3WMA", stored);
    EXPECT_EQ(ReadSettings(*key).Mp3AndWma, on) << stored;
  }
}

TEST(ReadFromKey, ANegativeHistoryLimitIsABadValue) {
  FakeRegistry registry;
  registry.Set(kSettingsKeyPath, "FILEHIS", "-5");
  auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
  EXPECT_EQ(ReadSettings(*key).HistoryLimit, 0);
}

TEST(ReadFromKey, StoredValuesAreTaken) {
  FakeRegistry registry;
  registry.Set(kSettingsKeyPath, "FILEHIS", "50");
  registry.Set(kSettingsKeyPath, "SAISEIBAR", "1");
  registry.Set(kSettingsKeyPath, "BackColor", "0");
  registry.Set(kSettingsKeyPath, "minihelp", "0");
  registry.Set(kSettingsKeyPath, "MEMORY", "1,1,1,1,4,1,0");
  registry.Set(kSettingsKeyPath, "SAISEIM", "0,0,1,1,-1,-1,-1,-1");
  registry.Set(kSettingsKeyPath, "INDEX", "7,-1");
  auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, true);
  PlayerSettings expected{50, true, false, false, 4, false, 0, false, true, true, 0};
  EXPECT_EQ(AllFields(ReadSettings(*key)), AllFields(expected));
  EXPECT_EQ(ReadSavedIndex(*key), 7);
}

// --- Window position ---

TEST(WindowPosition, StoredTextOverTheCentredPosition) {
  const Point centred{284, 262};
  const struct {
    std::optional<std::string> fp;
    int x, y;
  } cases[] = {
      {std::nullopt, 284, 262}, {"", 284, 262},    {"20000,20000", 20000, 20000},
      {"-50,10", -50, 10},      {"abc", 284, 262}, {"abc,def", 284, 262},
      {"100,abc", 100, 262},    {"100", 100, 262}, {",5", 284, 262},
      {"100,", 100, 262},       {"1,2,3", 1, 262},
  };
  for (const auto& c : cases) {
    Point p = ReadWindowPosition(c.fp, centred);
    EXPECT_EQ(p.x, c.x) << c.fp.value_or("<missing>");
    EXPECT_EQ(p.y, c.y) << c.fp.value_or("<missing>");
  }
}

TEST(WindowPosition, CentringRoundsTowardZero) {
  Point p = CentredPosition({1024, 768}, {455, 243});
  EXPECT_EQ(p.x, 284);
  EXPECT_EQ(p.y, 262);
  p = CentredPosition({400, 200}, {455, 243});  // window larger than the screen
  EXPECT_EQ(p.x, -27);
  EXPECT_EQ(p.y, -21);
}

// --- Saving ---

SettingsSnapshot SampleSnapshot() {
  SettingsSnapshot s;
  s.WindowPosition = {-8, 120};
  s.Settings = {30, true, false, true, 4, false, 2, false, true, true, -1, true};
  s.WindowNumber = 2;
  return s;
}

class WriteSettingsTest : public ::testing::Test {
 protected:
  std::string Value(const char* name) const { return registry.Get(kSettingsKeyPath, name); }
  void Write(const SettingsSnapshot& snapshot) {
    WriteSettings(registry, mutexes, snapshot,
                  [this](const std::string& label) { reports.push_back(label); });
  }

  FakeRegistry registry;
  FakeNamedMutexes mutexes;
  std::vector<std::string> reports;
};

TEST_F(WriteSettingsTest, WritesEveryValueInOrderAndClosesTheKey) {
  registry.Set(kSettingsKeyPath, "WN", "1,2");
  Write(SampleSnapshot());
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(Value("FP"), "-8,120");
  EXPECT_EQ(Value("MEMORY"), "-1,-1,-1,-1,4,-1,0");
  EXPECT_EQ(Value("SAISEIM"), "2,0,1,1,-1,-1,-1,-1");
  EXPECT_EQ(Value("FILEHIS"), "30");
  EXPECT_EQ(Value("SAISEIBAR"), "1");
  EXPECT_EQ(Value("INDEX"), "-1,-1");
  EXPECT_EQ(Value("minihelp"), "1");
  EXPECT_EQ(Value("BackColor"), "0");
  EXPECT_EQ(Value("MP3WMA"), "1");
  EXPECT_EQ(Value("WN"), "1");
  EXPECT_EQ(registry.accessLog,
            (std::vector<std::string>{"write FP", "write MEMORY", "write SAISEIM", "write FILEHIS",
                                      "write SAISEIBAR", "write INDEX", "write minihelp",
                                      "write BackColor", "write MP3WMA", "read WN", "write WN"}));
  EXPECT_EQ(registry.openCount, 1);
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(WriteSettingsTest, CreatesTheKeyAndReadsBackTheSame) {
  SettingsSnapshot snapshot = SampleSnapshot();
  Write(snapshot);
  ASSERT_TRUE(registry.HasKey(kSettingsKeyPath));
  auto key = registry.Open(RegistryRoot::Users, kSettingsKeyPath, false);
  PlayerSettings read = ReadSettings(*key);
  read.SavedIndex = ReadSavedIndex(*key);
  EXPECT_EQ(AllFields(read), AllFields(snapshot.Settings));
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "WN"));
}

TEST_F(WriteSettingsTest, FailedSavesAreReportedByLabelAndTheRestIsWritten) {
  registry.Set(kSettingsKeyPath, "WN", "2");
  registry.failWrites = {"FP",       "SAISEIM",   "FILEHIS", "SAISEIBAR",
                         "minihelp", "BackColor", "MP3WMA"};
  registry.failDeletes = {"WN"};
  Write(SampleSnapshot());
  EXPECT_EQ(reports, (std::vector<std::string>{kSaveLabelPosition, kSaveLabelPlayMode,
                                               kSaveLabelWindowNumber}));
  EXPECT_EQ(Value("MEMORY"), "-1,-1,-1,-1,4,-1,0");
  EXPECT_EQ(Value("INDEX"), "-1,-1");
  EXPECT_FALSE(registry.Has(kSettingsKeyPath, "FP"));

  reports.clear();
  registry.failWrites = {"MEMORY", "INDEX", "WN"};
  registry.Set(kSettingsKeyPath, "WN", "1,2");
  Write(SampleSnapshot());
  EXPECT_EQ(reports,
            (std::vector<std::string>{kSaveLabelMemory, kSaveLabelIndex, kSaveLabelWindowNumber}));
  EXPECT_EQ(Value("FP"), "-8,120");
}

TEST_F(WriteSettingsTest, AKeyThatCannotBeOpenedFailsEveryReportedValue) {
  registry.failOpen = true;
  Write(SampleSnapshot());
  EXPECT_EQ(reports,
            (std::vector<std::string>{kSaveLabelPosition, kSaveLabelMemory, kSaveLabelPlayMode,
                                      kSaveLabelIndex, kSaveLabelWindowNumber}));
}

TEST(SaveFailure, MessageText) {
  EXPECT_EQ(ReportSaveFailureText(kSaveLabelPosition),
            "[tavel.ini]ファイルのフォームポジションセーブ処理に失敗しました・・・");
}

}  // namespace
}  // namespace tavel
