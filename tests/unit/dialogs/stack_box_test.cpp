// The stacked message box: layout, countdown, pause, slots, caption and placement, driven headless.
#include "dialogs/stack_box.h"

#include <gtest/gtest.h>

#include "support/dialog_fixture.h"

namespace tavel {
namespace {

// The pause or resume button, whichever the user sees on top.
Button& CountButton(MessageBoxForm& box) {
  return box.Button2.Visible() ? box.Button2 : box.Button3;
}

struct StackBoxTest : testing::DialogFixture<TStackBoxDlg, MessageBoxForm, DialogKind::StackBox> {
  // Shows `text` and keeps the box's geometry as it is when shown.
  struct Shown {
    Rect form, msg, image, ok, pause, countdown;
    bool pauseVisible = false, countdownVisible = false;
    std::string countdownText;
  };
  Shown Capture(bool timed, const std::string& text) {
    Shown s;
    Act([&](MessageBoxForm& b) {
      s = {b.Bounds(),          b.Msg.Bounds(),     b.Image1.Bounds(),
           b.Button1.Bounds(),  b.Button2.Bounds(), b.Label1.Bounds(),
           b.Button2.Visible(), b.Label1.Visible(), b.Label1.Caption()};
    });
    timed ? dlg.ShowTimedMsg(text) : dlg.ShowMsg(text);
    return s;
  }
};

TEST_F(StackBoxTest, OneLineTextKeepsTheIconAtSixteen) {
  Shown s = Capture(false, "abc");
  EXPECT_EQ(s.msg, (Rect{64, 16, 24, 13}));
  EXPECT_EQ(s.image.top, 16);
  EXPECT_EQ(s.form.width, 3 * 32 + 24);
  EXPECT_EQ(s.form.height, 32 + 33 + 80);
  EXPECT_EQ(s.ok, (Rect{11, 66, 89, 33}));  // centred in the client area 112 x 118
  EXPECT_FALSE(s.pauseVisible);
  EXPECT_FALSE(s.countdownVisible);
  // No taskbar, no reference: centred on the screen.
  EXPECT_EQ(s.form.left, (1024 - 120) / 2);
  EXPECT_EQ(s.form.top, (768 - 145) / 2);
}

TEST_F(StackBoxTest, SeveralLinesCentreTheIconOnTheTextAndTheButtonBelow) {
  Shown s = Capture(false, "0123456789\nab\ncd\nef");
  EXPECT_EQ(s.msg, (Rect{64, 16, 80, 52}));
  EXPECT_EQ(s.form.width, 176);
  EXPECT_EQ(s.form.height, 52 + 33 + 80);
  EXPECT_EQ(s.image.top, 16 + (52 - 32) / 2 - 4);
  // Content ends at 68; the client area is 138 high.
  EXPECT_EQ(s.ok, (Rect{(168 - 89) / 2, 68 + (138 - 68 - 33) / 2, 89, 33}));
}

TEST_F(StackBoxTest, CountdownRowSharesTheWidthAndSitsInTheCorner) {
  Shown s = Capture(true, std::string(40, 'x'));  // client 408 x 118
  EXPECT_EQ(s.ok.left, 76);
  EXPECT_EQ(s.pause, (Rect{76 + 89 + 76, 66, 89, 33}));
  EXPECT_EQ(s.form.width, 416);
  EXPECT_EQ(s.countdown, (Rect{408 - 32, 118 - 13, 32, 13}));
  EXPECT_EQ(s.countdownText, "10秒");
  EXPECT_TRUE(s.pauseVisible);
  EXPECT_TRUE(s.countdownVisible);
}

TEST_F(StackBoxTest, NarrowCountdownBoxFallsBackToGapTenAndWidens) {
  Shown s = Capture(true, "abc");  // client 112: the gap would be -22
  EXPECT_EQ(s.ok.left, 10);
  EXPECT_EQ(s.pause.left, 109);
  EXPECT_EQ(s.form.width, 120 - 112 + 198 + 32);
  EXPECT_EQ(s.countdown.left, 198);
  EXPECT_EQ(s.countdown.top, 118 - 13);

  // Client 176: (176 - 178) / 3 truncates to 0, which is no fallback.
  s = Capture(true, std::string(11, 'x'));
  EXPECT_EQ(s.ok.left, 0);
  EXPECT_EQ(s.pause.left, 89);
  EXPECT_EQ(s.form.width, 184 - 176 + 178 + 32);
}

TEST_F(StackBoxTest, CountdownClosesWithTwoAfterTenSeconds) {
  std::vector<std::string> seen;
  bool closedEarly = false;
  MessageBoxForm* box = nullptr;
  Act([&](MessageBoxForm& f) {
    box = &f;
    for (int i = 0; i < 9; ++i) {
      ui.Advance(1000);
      seen.push_back(box->Label1.Caption());
    }
    ui.Advance(999);
    closedEarly = f.IsClosed();
    ui.Advance(1);
    seen.push_back(box->Label1.Caption());
    EXPECT_TRUE(f.IsClosed());
    // The countdown keeps to the bottom right corner as it gets shorter.
    EXPECT_EQ(box->Label1.Left() + box->Label1.Width(), f.ClientSize().width);
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 2);
  EXPECT_FALSE(closedEarly);
  EXPECT_EQ(seen, (std::vector<std::string>{"9秒", "8秒", "7秒", "6秒", "5秒", "4秒", "3秒", "2秒",
                                            "1秒", "0秒"}));
  EXPECT_EQ(ui.Now(), 10000);
}

TEST_F(StackBoxTest, OkBeforeTheEndGivesOne) {
  Act([&](MessageBoxForm& f) {
    ui.Advance(3000);
    f.Button1.Click();
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 1);
  Act([](MessageBoxForm& f) { f.Close(); });  // the close box
  EXPECT_EQ(dlg.ShowMsg("abc"), 2);
}

TEST_F(StackBoxTest, PauseHoldsTheCountAndResumeWaitsAFullSecond) {
  Act([&](MessageBoxForm& b) {
    ui.Advance(4300);
    ASSERT_EQ(b.Label1.Caption(), "6秒");
    CountButton(b).Click();  // 一時停止
    EXPECT_EQ(CountButton(b).Caption(), "ｶｳﾝﾄ再開");
    ui.Advance(20000);
    EXPECT_EQ(b.Label1.Caption(), "6秒");
    CountButton(b).Click();  // ｶｳﾝﾄ再開
    EXPECT_EQ(CountButton(b).Caption(), "一時停止");
    ui.Advance(999);
    EXPECT_EQ(b.Label1.Caption(), "6秒");
    ui.Advance(1);
    EXPECT_EQ(b.Label1.Caption(), "5秒");
    b.Button1.Click();
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 1);
}

TEST_F(StackBoxTest, TimedMessageWithoutTimerIsAPlainMessage) {
  Shown plain = Capture(false, "abc");
  dlg.Timer = false;
  Shown timed = Capture(true, "abc");
  EXPECT_EQ(timed.form, plain.form);
  EXPECT_EQ(timed.ok, plain.ok);
  EXPECT_FALSE(timed.pauseVisible);
  EXPECT_FALSE(timed.countdownVisible);
  bool closed = true;
  Act([&](MessageBoxForm& f) {
    ui.Advance(60000);
    closed = f.IsClosed();
    f.Button1.Click();
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 1);
  EXPECT_FALSE(closed);
}

TEST_F(StackBoxTest, ZeroOrNegativeCountClosesAtTheFirstTick) {
  for (int start : {0, -3}) {
    std::string first, last;
    bool closedEarly = true;
    Act([&](MessageBoxForm& f) {
      first = f.Label1.Caption();
      ui.Advance(999);
      closedEarly = f.IsClosed();
      ui.Advance(1);
      last = f.Label1.Caption();
    });
    dlg.TimerCount = start;
    EXPECT_EQ(dlg.ShowTimedMsg("abc"), 2);
    EXPECT_FALSE(closedEarly);
    EXPECT_EQ(first, std::to_string(start) + "秒");
    EXPECT_EQ(last, std::to_string(start - 1) + "秒");
  }
}

TEST_F(StackBoxTest, FiveSlotsStackAndASixthIsRefused) {
  std::vector<std::string> classes;
  std::vector<int> results;
  int again = -1;
  Act([&](MessageBoxForm& f) {
    int n = static_cast<int>(classes.size());
    classes.push_back(f.ClassName());
    EXPECT_EQ(StackBoxSlots[static_cast<size_t>(std::min(n, 4))].openForm, &f);
    if (n < 4) results.push_back(dlg.ShowMsg("next"));
    if (n == 4) {
      EXPECT_TRUE(dlg.B0 && dlg.B1 && dlg.B2 && dlg.B3 && dlg.B4);
      EXPECT_EQ(dlg.ShowTimedMsg("sixth"), 0);
    }
    if (n == 3) again = dlg.ShowMsg("after the innermost closed");
    f.Button1.Click();
  });
  EXPECT_EQ(dlg.ShowMsg("outermost"), 1);
  EXPECT_EQ(classes, (std::vector<std::string>{"TStack0Box", "TStack1Box", "TStack2Box",
                                               "TStack3Box", "TStack4Box", "TStack4Box"}));
  EXPECT_EQ(results, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(again, 1);
  EXPECT_FALSE(dlg.B0 || dlg.B1 || dlg.B2 || dlg.B3 || dlg.B4);
  for (const MessageSlot& slot : StackBoxSlots) EXPECT_EQ(slot.openForm, nullptr);
}

TEST_F(StackBoxTest, EachSlotCountsDownOnItsOwn) {
  std::string outerAtEnd, innerAtEnd;
  int inner = -1;
  bool outerClosedMeanwhile = false;
  MessageBoxForm* outer = nullptr;
  Act([&](MessageBoxForm& f) {
    if (!outer) {
      outer = &f;
      dlg.TimerCount = 5;
      inner = dlg.ShowTimedMsg("inner");
      return;
    }
    ui.Advance(3000);
    outerClosedMeanwhile = outer->IsClosed();
    outerAtEnd = outer->Label1.Caption();
    innerAtEnd = f.Label1.Caption();
    f.Button1.Click();
  });
  dlg.TimerCount = 3;
  // The outer box runs out while the inner one is open and ends with 2 once it has closed.
  EXPECT_EQ(dlg.ShowTimedMsg("outer"), 2);
  EXPECT_EQ(inner, 1);
  EXPECT_TRUE(outerClosedMeanwhile);
  EXPECT_EQ(outerAtEnd, "0秒");
  EXPECT_EQ(innerAtEnd, "2秒");
}

TEST_F(StackBoxTest, CaptionIsTheTitleOrTheApplicationTitleAtShowing) {
  std::string caption;
  Act([&](MessageBoxForm& f) { caption = f.Caption(); });
  app.SetTitle("楽蔵32");
  dlg.ShowMsg("abc");
  EXPECT_EQ(caption, "楽蔵32");
  app.SetTitle("other");
  dlg.ShowMsg("abc");
  EXPECT_EQ(caption, "other");
  dlg.Title = "お知らせ";
  dlg.ShowMsg("abc");
  EXPECT_EQ(caption, "お知らせ");
}

TEST_F(StackBoxTest, PlacedOverTheSourceWindowInsideTheWorkArea) {
  desktop.AddWindow({"Shell_TrayWnd", "", {-2, -2, 1028, 30}});  // along the top
  dlg.SourceHandle = desktop.AddWindow({"TOther", "x", {300, 200, 320, 245}});
  Shown s = Capture(false, "abc");
  EXPECT_EQ(s.form.left, 300 + (320 - 120) / 2);
  EXPECT_EQ(s.form.top, 200 + (245 - 145) / 2);
  EXPECT_EQ(area.Work.top, 28);

  // Too large for the screen: aligned with the work area, below the bar.
  s = Capture(false, std::string(200, 'x') + std::string(60, '\n'));
  EXPECT_EQ(s.form.left, 0);
  EXPECT_EQ(s.form.top, 28);
}

TEST_F(StackBoxTest, PaintingUsesTheFormColourForTheIconCorners) {
  desktop.colors[SysColor::Window] = Rgb(0, 0, 128);
  std::vector<Color> form, corner, centre, kept;
  Act([&](MessageBoxForm& b) {
    for (Color text : {Color{0}, Rgb(255, 255, 255)}) {
      desktop.colors[SysColor::WindowText] = text;
      b.Paint();
      form.push_back(b.GetColor());
      corner.push_back(b.Image1.Picture().At(0, 0));
      centre.push_back(b.Image1.Picture().At(5, 16));
      kept.push_back(b.Image2.Picture().At(0, 0));
    }
  });
  dlg.ShowMsg("abc");
  EXPECT_EQ(form, (std::vector<Color>{Rgb(192, 192, 192), Rgb(0, 0, 128)}));
  EXPECT_EQ(corner, form);
  EXPECT_EQ(centre, (std::vector<Color>{Rgb(0, 0, 255), Rgb(0, 0, 255)}));
  EXPECT_EQ(kept, (std::vector<Color>{Rgb(255, 0, 0), Rgb(255, 0, 0)}));
}

}  // namespace
}  // namespace tavel
