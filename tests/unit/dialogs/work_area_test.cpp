// The work area: finding the taskbar on any edge, rejecting look-alikes, remembering it.
#include "dialogs/work_area.h"

#include <gtest/gtest.h>

#include "support/fake_desktop.h"

namespace tavel {
namespace {

using testing::FakeDesktop;

// Bars as the shell makes them on a 1024 x 768 screen: 2 pixels over the screen's edges.
const Rect kTopBar{-2, -2, 1028, 30};
const Rect kBottomBar{-2, 742, 1028, 28};
const Rect kLeftBar{-2, -2, 62, 772};
const Rect kRightBar{964, -2, 62, 772};

struct WorkAreaTest : ::testing::Test {
  FakeDesktop desktop;
  WorkArea area;

  WindowHandle Bar(Rect r, WindowHandle handle = 0, std::string title = "") {
    return desktop.AddWindow({"Shell_TrayWnd", std::move(title), r}, handle);
  }
  // Moves an existing window by putting it back with the same handle.
  void Move(WindowHandle h, Rect r) {
    desktop.RemoveWindow(h);
    desktop.AddWindow({"Shell_TrayWnd", "", r}, h);
  }
  void ExpectArea(int left, int top, int width, int height) {
    EXPECT_EQ(area.Work.left, left);
    EXPECT_EQ(area.Work.top, top);
    EXPECT_EQ(area.Work.width, width);
    EXPECT_EQ(area.Work.height, height);
  }
};

TEST_F(WorkAreaTest, ATaskbarOnEachEdgeIsCutOffTheScreen) {
  struct Case {
    Rect bar;
    Rect expected;
  };
  for (const Case& c : {Case{kTopBar, {0, 28, 1024, 740}}, Case{kBottomBar, {0, 0, 1024, 742}},
                        Case{kLeftBar, {60, 0, 964, 768}}, Case{kRightBar, {0, 0, 964, 768}}}) {
    FakeDesktop fresh;
    desktop = fresh;
    area = WorkArea{};
    WindowHandle bar = Bar(c.bar);
    EXPECT_TRUE(ComputeWorkArea(desktop, area));
    ExpectArea(c.expected.left, c.expected.top, c.expected.width, c.expected.height);
    EXPECT_EQ(area.TaskbarWindow, bar);
  }
}

TEST_F(WorkAreaTest, WithoutATaskbarTheWholeScreenIsUsed) {
  area = {{5, 6, 7, 8}, 0};
  desktop.AddWindow({"TMaximised", "", {0, 0, 1024, 768}});  // spans the screen but starts at 0
  EXPECT_FALSE(ComputeWorkArea(desktop, area));
  ExpectArea(0, 0, 1024, 768);
  EXPECT_EQ(area.TaskbarWindow, 0u);
}

TEST_F(WorkAreaTest, BarsWithATitleAnUnreadableTitleOrTooThickAreRejected) {
  Bar(kBottomBar, 0, "Status");
  EXPECT_FALSE(ComputeWorkArea(desktop, area));

  FakeDesktop unreadable;
  unreadable.AddWindow({"Shell_TrayWnd", "", kBottomBar, /*textReadable=*/false});
  EXPECT_FALSE(ComputeWorkArea(unreadable, area));

  FakeDesktop thick;  // 387 pixels: one more than half the screen plus 2
  thick.AddWindow({"Shell_TrayWnd", "", {-2, 383, 1028, 387}});
  EXPECT_FALSE(ComputeWorkArea(thick, area));
  ExpectArea(0, 0, 1024, 768);
  EXPECT_EQ(area.TaskbarWindow, 0u);
}

TEST_F(WorkAreaTest, SmallestHandleGivesTheRectangleFirstProbedIsRemembered) {
  WindowHandle top = Bar(kTopBar, 0x500);  // under the first probe, (1, 1)
  WindowHandle bottom = Bar(kBottomBar, 0x300);
  EXPECT_TRUE(ComputeWorkArea(desktop, area));
  ExpectArea(0, 0, 1024, 742);
  EXPECT_EQ(area.TaskbarWindow, top);

  // From now on only the remembered window is read, without probing the corners.
  desktop.RemoveWindow(bottom);
  desktop.AddWindow({"TCovering", "", {-100, -100, 2000, 2000}});
  desktop.rectQueries = 0;
  EXPECT_TRUE(ComputeWorkArea(desktop, area));
  EXPECT_EQ(desktop.rectQueries, 1);
  ExpectArea(0, 28, 1024, 740);
  EXPECT_EQ(area.TaskbarWindow, top);
}

TEST_F(WorkAreaTest, AGoneTaskbarIsSearchedForAgain) {
  WindowHandle old = Bar(kBottomBar);
  ComputeWorkArea(desktop, area);
  desktop.RemoveWindow(old);
  WindowHandle now = Bar(kLeftBar);
  EXPECT_TRUE(ComputeWorkArea(desktop, area));
  ExpectArea(60, 0, 964, 768);
  EXPECT_EQ(area.TaskbarWindow, now);

  desktop.RemoveWindow(now);
  EXPECT_FALSE(ComputeWorkArea(desktop, area));
  ExpectArea(0, 0, 1024, 768);
  EXPECT_EQ(area.TaskbarWindow, 0u);
}

TEST_F(WorkAreaTest, AnEmptyOrNegativeAreaFallsBackToTheScreenAndForgetsTheBar) {
  // A bar along the top whose top is 0 counts as a bottom bar and leaves a height of 0.
  Bar({-2, 0, 1028, 28});
  EXPECT_FALSE(ComputeWorkArea(desktop, area));
  ExpectArea(0, 0, 1024, 768);
  EXPECT_EQ(area.TaskbarWindow, 0u);

  FakeDesktop other;
  desktop = other;
  WindowHandle bar = Bar(kLeftBar);
  ASSERT_TRUE(ComputeWorkArea(desktop, area));
  Move(bar, {-10, -2, 1110, 772});  // the remembered window grew past the right edge
  EXPECT_FALSE(ComputeWorkArea(desktop, area));
  ExpectArea(0, 0, 1024, 768);
  EXPECT_EQ(area.TaskbarWindow, 0u);
}

}  // namespace
}  // namespace tavel
