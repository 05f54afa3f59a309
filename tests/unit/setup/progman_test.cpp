// Tests of the Program Manager conversation: the macro bytes, one conversation per macro with its
// two failures, and the group list with the maker's groups and the previous install's group.
#include "setup/progman.h"

#include <gtest/gtest.h>

#include "support/fake_progman.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless_ui.h"
#include "ui/list_controls.h"

namespace tavel::testing {
namespace {

using Names = std::vector<std::string>;

TEST(ProgmanMacros, QuoteEveryArgumentThatHoldsABlankACommaOrAParenthesis) {
  const std::string title = "\"楽蔵32 T-VEL\"";
  EXPECT_EQ(CreateGroupMacro("KOLAP"), "[CreateGroup(KOLAP)]\r\n");
  EXPECT_EQ(AddItemMacro("C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE", title),
            "[AddItem(C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE,\"楽蔵32 T-VEL\")]\r\n");
  EXPECT_EQ(ShowGroupMacro("KOLAP SOFT32"), "[ShowGroup(\"KOLAP SOFT32\",1)]\r\n");
  EXPECT_EQ(DeleteItemMacro(title), "[DeleteItem(\"楽蔵32 T-VEL\")]\r\n");
  EXPECT_EQ(AddItemMacro("C:\\Program Files (x86)\\A,B\\TaVEL32.EXE", title),
            "[AddItem(\"C:\\Program Files (x86)\\A,B\\TaVEL32.EXE\",\"楽蔵32 T-VEL\")]\r\n");
  EXPECT_EQ(CreateGroupMacro("音楽(BGM)"), "[CreateGroup(\"音楽(BGM)\")]\r\n");
  // The bytes of the title are Shift-JIS: 楽 is 0x8A 0x79.
  EXPECT_EQ(DeleteItemMacro(title).substr(13, 2), "\x8A\x79");
}

TEST(SendProgmanMacro, UsesOneConversationPerMacroAndReportsEachFailure) {
  FakeProgman progman;
  EXPECT_EQ(SendProgmanMacro(progman, CreateGroupMacro("G")), "");
  EXPECT_EQ(SendProgmanMacro(progman, AddItemMacro("C:\\X.EXE", "\"T\"")), "");
  EXPECT_EQ(progman.log, (Names{"connect", "execute [CreateGroup(G)]\r\n", "disconnect", "connect",
                                "execute [AddItem(C:\\X.EXE,\"T\")]\r\n", "disconnect"}));
  EXPECT_TRUE(progman.HasItem("G", "T"));

  progman.log.clear();
  progman.acceptsExecute = false;
  EXPECT_EQ(SendProgmanMacro(progman, ShowGroupMacro("G")), "DDE:送信に失敗しました・・・");
  EXPECT_EQ(progman.log.back(), "disconnect");  // closed on the failing path too
  progman.answers = false;
  EXPECT_EQ(SendProgmanMacro(progman, ShowGroupMacro("G")), "DDE:オープンに失敗しました・・・");
  EXPECT_EQ(progman.log.back(), "connect refused");
  EXPECT_EQ(progman.openConversations, 0);
}

TEST(ParseProgmanGroups, SplitsAtControlBytesKeepingBlanksAndDoubleByteNames) {
  EXPECT_EQ(ParseProgmanGroups("Accessories\r\nMain\r\nKOLAP SOFT32\r\n"),
            (Names{"Accessories", "Main", "KOLAP SOFT32"}));
  EXPECT_EQ(ParseProgmanGroups(""), Names{});
  // Leading control bytes give one empty name; 0x14 itself belongs to a name, 0x13 does not.
  EXPECT_EQ(ParseProgmanGroups("\r\nA\x14"
                               "B\x13\nC"),
            (Names{"",
                   "A\x14"
                   "B",
                   "C"}));
  // Double-byte names whose second bytes are small or 0x5C stay whole.
  EXPECT_EQ(ParseProgmanGroups("スタートアップ\r\n表\r\n"), (Names{"スタートアップ", "表"}));
  // A NUL ends the reply.
  EXPECT_EQ(ParseProgmanGroups(std::string("A\r\n\0B", 5)), Names{"A"});
}

TEST(ChooseProgmanGroups, SortsThenPutsTheMakersGroupsLastAndSelectsTheSavedOne) {
  GroupChoice first = ChooseProgmanGroups({"Main", "KOLAP SOFT32", "Accessories"}, "");
  EXPECT_EQ(first.names, (Names{"Accessories", "Main", "KOLAP SOFT32"}));
  EXPECT_EQ(first.selected, 2);

  GroupChoice both =
      ChooseProgmanGroups({"KOLAP SOFT32", "Zeta", "KOLAP SOFT", "alpha", "Main"}, "");
  EXPECT_EQ(both.names, (Names{"alpha", "Main", "Zeta", "KOLAP SOFT", "KOLAP SOFT32"}));
  EXPECT_EQ(both.selected, 4);

  EXPECT_EQ(ChooseProgmanGroups({"Accessories", "Main"}, "Main").selected, 1);
  // A saved group no longer there leaves the maker's group, which is added when missing.
  GroupChoice gone = ChooseProgmanGroups({"Main"}, "Games");
  EXPECT_EQ(gone.names, (Names{"Main", "KOLAP SOFT32"}));
  EXPECT_EQ(gone.selected, 1);
  // Group names do not differ by case: the shell's "kolap soft32" is the maker's group.
  GroupChoice lower = ChooseProgmanGroups({"kolap soft32", "Main"}, "MAIN");
  EXPECT_EQ(lower.names, (Names{"Main", "KOLAP SOFT32"}));
  EXPECT_EQ(lower.selected, 0);
}

class FetchProgmanGroupsTest : public ::testing::Test {
 protected:
  HeadlessUi ui;
  Application app{ui};
  Form form{app, "TTest", "Test"};
  ComboBox groups{&form, "ComboBox1"};
  FakeProgman progman;
};

TEST_F(FetchProgmanGroupsTest, FillsTheBoxFromTheReplyAndClosesTheLink) {
  progman.groups = {"StartUp", "Administrative Tools"};
  EXPECT_TRUE(FetchProgmanGroups(progman, groups, ""));
  EXPECT_EQ(groups.Items(), (Names{"Administrative Tools", "StartUp", "KOLAP SOFT32"}));
  EXPECT_EQ(groups.ItemIndex(), 2);
  EXPECT_EQ(progman.log, (Names{"connect", "request GROUPS", "disconnect"}));
}

TEST_F(FetchProgmanGroupsTest, WithoutAReplyOffersOnlyTheMakersGroup) {
  progman.groups = {"Main"};
  progman.answersRequest = false;
  EXPECT_TRUE(FetchProgmanGroups(progman, groups, "Main"));
  EXPECT_EQ(groups.Items(), Names{"KOLAP SOFT32"});
  EXPECT_EQ(groups.ItemIndex(), 0);
}

TEST_F(FetchProgmanGroupsTest, ReportsAConversationThatCannotOpenAndLeavesTheBox) {
  groups.Add("typed");
  progman.answers = false;
  EXPECT_FALSE(FetchProgmanGroups(progman, groups, ""));
  EXPECT_EQ(groups.Items(), Names{"typed"});
}

}  // namespace
}  // namespace tavel::testing
