// Enter in the program's boxes: each box opens with the keyboard focus on its default button, so
// that Enter answers はい, sets the value, or presses ＯＫ.
#include <string>

#include "harness/started_player.h"

namespace tavel::e2e {
namespace {

// The box of `className` that `process` opens, once it shows with the focus on its default button.
HWND BoxWithFocusOnDefault(TestProcess& process, const char* className) {
  HWND box = process.WaitForShownWindow(className);
  if (!box) return nullptr;
  HWND button = WaitForControl(box, "Button1");
  bool focused = WaitUntil([&] { return FocusedControl(box) == button; }, kWindowTimeoutMs);
  EXPECT_TRUE(focused) << className << ": the focus is on " << ControlText(FocusedControl(box));
  return focused ? box : nullptr;
}

TEST(EnterKey, PressesOkInTheMessageBox) {
  Sandbox box;
  ASSERT_TRUE(box.Ready());
  TestProcess& p = box.StartProbe("TAVEL_PROBE", "60");
  HWND msg = BoxWithFocusOnDefault(p, "TStack0Box");
  ASSERT_NE(msg, nullptr);
  ASSERT_TRUE(PressKey(msg, VK_RETURN));
  ASSERT_TRUE(p.WaitForExit());
  EXPECT_EQ(p.ExitCode(), std::optional<DWORD>(1));  // ＯＫ, not the countdown running out
}

class EnterInPlayerBoxes : public StartedPlayer {
 protected:
  void SetUp() override { StartPlayer({{"FILEHIS", "20"}}); }
};

// The deletion of the version number asks first; はい deletes it.
TEST_F(EnterInPlayerBoxes, AnswersYesInTheYesNoBox) {
  ChooseMenuItem(player, "help4");
  HWND question = BoxWithFocusOnDefault(*process, "TYesNoBox");
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(PressKey(question, VK_RETURN));
  ASSERT_TRUE(
      WaitUntil([&] { return box.Settings().Read("Version") == std::string(); }, kWindowTimeoutMs));
  ASSERT_TRUE(WaitForNoWindow("TYesNoBox"));
  ClosePlayer();
}

// 設 定 asks for confirmation (a cancel would not); はい then closes the setting dialog, which a
// no would keep open.
TEST_F(EnterInPlayerBoxes, SetsTheValueInTheSettingDialog) {
  ChooseMenuItem(player, "FILEHIS");
  HWND setting = BoxWithFocusOnDefault(*process, "TTMSETBox");
  ASSERT_NE(setting, nullptr);
  ASSERT_TRUE(PressKey(setting, VK_RETURN));
  HWND question = BoxWithFocusOnDefault(*process, "TYesNoBox");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(ControlText(WaitForControl(question, "Msg")), "ﾌｧｲﾙﾋｽﾄﾘｰを、\n20個に、設定します");
  ASSERT_TRUE(PressKey(question, VK_RETURN));
  ASSERT_TRUE(WaitForNoWindow("TTMSETBox"));
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("FILEHIS"), std::optional<std::string>("20"));
}

}  // namespace
}  // namespace tavel::e2e
