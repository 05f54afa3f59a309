// The countdown message box: the stacked box's geometry and countdown, one form and countdown per
// call, and placement over the main window.
#include "dialogs/kolap_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/stack_box.h"
#include "support/dialog_fixture.h"

namespace tavel {
namespace {

struct KolapBoxTest : testing::DialogFixture<TKolapBoxDlg, MessageBoxForm, DialogKind::KolapBox> {
  // Every control's place as the box is shown.
  std::vector<Rect> Geometry(bool kolap, bool timed, const std::string& text) {
    std::vector<Rect> seen;
    auto note = [&](DialogForm& f) {
      seen.push_back(f.Bounds());
      for (Control* c : f.Children()) seen.push_back(c->Visible() ? c->Bounds() : Rect{});
    };
    Act(note);
    user.Act(DialogKind::StackBox, note);
    TStackBoxDlg stack(app, desktop, area);
    if (kolap) {
      timed ? dlg.ShowTimedMsg(text) : dlg.ShowMsg(text);
    } else {
      timed ? stack.ShowTimedMsg(text) : stack.ShowMsg(text);
    }
    return seen;
  }
};

TEST_F(KolapBoxTest, LaidOutAndPlacedAsTheStackedBox) {
  desktop.AddBottomTaskbar(30);
  for (bool timed : {false, true}) {
    for (const char* text : {"一行目\n二行目", "x"}) {
      std::vector<Rect> kolap = Geometry(true, timed, text);
      ASSERT_FALSE(kolap.empty());
      EXPECT_EQ(kolap, Geometry(false, timed, text)) << text << timed;
    }
  }
}

TEST_F(KolapBoxTest, CountsDownToTwoUnlessOkOrPausedFirst) {
  std::string shownAtEnd;
  Act([&](MessageBoxForm& box) {
    ui.Advance(10000);
    shownAtEnd = box.Label1.Caption();
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 2);
  EXPECT_EQ(shownAtEnd, "0秒");
  EXPECT_EQ(ui.Now(), 10000);

  // Paused at 7秒 for a minute, resumed, and answered "ＯＫ" at 2秒.
  std::vector<std::string> seen;
  Act([&](MessageBoxForm& box) {
    ui.Advance(3000);
    box.Button2.Click();
    ui.Advance(60000);
    seen.push_back(box.Label1.Caption());
    box.Button3.Click();
    ui.Advance(5000);
    seen.push_back(box.Label1.Caption());
    EXPECT_FALSE(box.IsClosed());
    box.Button1.Click();
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"7秒", "2秒"}));
  dlg.Timer = false;  // no countdown: waits for the user
  Act([&](MessageBoxForm& box) {
    ui.Advance(20000);
    EXPECT_FALSE(box.IsClosed());
  });
  EXPECT_EQ(dlg.ShowTimedMsg("abc"), 2);
}

// An inner box with its own countdown runs out first; the outer box goes on counting from where it
// stood and closes at its own time.
TEST_F(KolapBoxTest, ABoxOpenedWhileAnotherIsOpenCountsOnItsOwn) {
  TKolapBoxDlg inner(app, desktop, area);
  inner.TimerCount = 3;
  std::vector<std::string> outerSeen;
  std::uint16_t innerResult = 0;
  TKolapBox* outerForm = nullptr;
  Act([&](MessageBoxForm& box) {
    if (outerForm) {  // the inner box
      EXPECT_EQ(KolapBoxForm, &box);
      ui.Advance(3000);
      return;
    }
    outerForm = KolapBoxForm;
    ui.Advance(2000);
    innerResult = inner.ShowTimedMsg("inner");
    outerSeen.push_back(box.Label1.Caption());
    EXPECT_EQ(KolapBoxForm, outerForm);
    ui.Advance(5000);
    EXPECT_TRUE(box.IsClosed());
  });
  EXPECT_EQ(dlg.ShowTimedMsg("outer"), 2);
  EXPECT_EQ(innerResult, 2);
  EXPECT_EQ(outerSeen, std::vector<std::string>{"5秒"});
  EXPECT_EQ(ui.Now(), 10000);
  EXPECT_EQ(KolapBoxForm, nullptr);
}

TEST_F(KolapBoxTest, CentredOverTheMainWindowAndNamedByTheApplication) {
  app.SetTitle("楽蔵32");
  WindowHandle main = desktop.AddWindow({"TMain", "m", {100, 100, 400, 300}});
  Form mainForm(app, "TMain", "Main");
  mainForm.SetHandle(main);
  Rect box;
  std::string caption, className;
  Act([&](MessageBoxForm& f) {
    box = f.Bounds();
    caption = f.Caption();
    className = f.ClassName();
  });
  ui.Post([&] { dlg.ShowMsg("abc"); });
  app.Run(mainForm);
  EXPECT_EQ(box.left, 100 + (400 - box.width) / 2);
  EXPECT_EQ(box.top, 100 + (300 - box.height) / 2);
  EXPECT_EQ(caption, "楽蔵32");
  EXPECT_EQ(className, "TKolapBox");
}

}  // namespace
}  // namespace tavel
