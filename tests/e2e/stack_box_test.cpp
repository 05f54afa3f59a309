// The stacked message box on real windows: its layout, its countdown and closing by itself.
#include <string>

#include "harness/harness.h"

namespace tavel::e2e {
namespace {

// The window a click at the centre of `control` would reach.
HWND TopmostAtCentre(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// The probe program opens one box with a countdown of the given seconds and exits with its result.
class StackBox : public ::testing::Test {
 protected:
  // The probe's box once it shows.
  HWND OpenBox(const char* seconds) {
    probe = &box.StartProbe("TAVEL_PROBE", seconds);
    return probe->WaitForShownWindow("TStack0Box");
  }

  Sandbox box;
  TestProcess* probe = nullptr;
};

TEST_F(StackBox, CountsDownOnceASecondAndClosesItself) {
  HWND msg = OpenBox("4");
  ASSERT_NE(msg, nullptr);
  EXPECT_EQ(Caption(msg), "楽蔵32");
  EXPECT_EQ(ControlText(WaitForControl(msg, "Msg")), "カウントダウンの確認です。\n二行目");
  HWND count = WaitForControl(msg, "Label1");
  ASSERT_NE(count, nullptr);
  SaveScreenshot(msg, "countdown");
  // While it counts, the pause button is the one the user sees and clicks; pausing uncovers the
  // resume button in its place.
  HWND pause = WaitForControl(msg, "Button2");
  HWND resume = WaitForControl(msg, "Button3");
  ASSERT_NE(pause, nullptr);
  ASSERT_NE(resume, nullptr);
  EXPECT_EQ(TopmostAtCentre(pause), pause);
  // Each second shows on the way down; none is skipped.
  for (const char* text : {"3秒", "2秒", "1秒"}) {
    EXPECT_TRUE(WaitUntil([&] { return ControlText(count) == text; }, 10000)) << text;
  }
  ASSERT_TRUE(probe->WaitForExit());
  EXPECT_EQ(probe->ExitCode(), std::optional<DWORD>(2));  // ran out: result 2
}

TEST_F(StackBox, OkEndsTheCountdownWithResultOne) {
  HWND msg = OpenBox("30");
  ASSERT_NE(msg, nullptr);
  HWND pause = WaitForControl(msg, "Button2");
  HWND resume = WaitForControl(msg, "Button3");
  ASSERT_TRUE(Click(pause));
  EXPECT_TRUE(WaitUntil([&] { return TopmostAtCentre(pause) == resume; }, kWindowTimeoutMs));
  ASSERT_TRUE(Click(WaitForControl(msg, "Button1")));
  ASSERT_TRUE(probe->WaitForExit());
  EXPECT_EQ(probe->ExitCode(), std::optional<DWORD>(1));
}

}  // namespace
}  // namespace tavel::e2e
