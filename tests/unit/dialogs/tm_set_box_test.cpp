// The count and time setting dialog: arrows and limits, the unit, setting with confirmation and
// cancelling, layout, caption, placement and painting, driven headless.
#include "dialogs/tm_set_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/dialog_fixture.h"

namespace tavel {
namespace {

struct TmSetBoxTest : testing::DialogFixture<TTmSETBoxDlg, TTMSETBox, DialogKind::TmSetBox> {
  TmSetBoxTest() { answer = kResultYes; }

  std::vector<std::string>& questions = user.texts[DialogKind::YesNoBox];
  int& answer = user.answers[DialogKind::YesNoBox];  // to the question of 設 定
};

TEST_F(TmSetBoxTest, ArrowsStepAndStayWithinTheLimits) {
  std::vector<std::string> shown;
  std::vector<int> rightEdges;
  std::string hints;
  auto note = [&](TTMSETBox& b) {
    hints = b.SpinButton1.Hint() + b.SpinButton2.Hint() + b.SpinButton3.Hint();
    shown.push_back(b.Label2.Caption());
    rightEdges.push_back(b.Label2.Left() + b.Label2.Width());
  };
  dlg.TCount = 50;
  Act([&](TTMSETBox& b) {
    note(b);
    for (int i = 0; i < 3; ++i) b.SpinButton3.OnUpClick();
    note(b);
    b.SpinButton1.OnDownClick();
    note(b);
    TmSetBoxState.count = 32700;
    b.SpinButton3.OnUpClick();
    note(b);
    TmSetBoxState.count = 5;
    b.SpinButton2.OnDownClick();
    note(b);
  });
  EXPECT_EQ(dlg.Execute("x"), kResultCancel);
  EXPECT_EQ(shown, (std::vector<std::string>{"50個", "230個", "229個", "32700個", "0個"}));
  // The value grows to the left, just left of the arrows.
  EXPECT_EQ(rightEdges, std::vector<int>(5, 120));
  EXPECT_EQ(hints, "１１０６０");
  EXPECT_EQ(dlg.TCount, 50);  // cancelled: the caller's value stays

  // A starting value out of range is shown as given; the first click brings it into range.
  dlg.TCount = 40000;
  shown.clear();
  Act([&](TTMSETBox& b) {
    note(b);
    b.SpinButton1.OnUpClick();
    note(b);
  });
  dlg.Execute("x");
  EXPECT_EQ(shown, (std::vector<std::string>{"40000個", "32700個"}));
  EXPECT_EQ(SpinCount(-5, 1), 0);
  EXPECT_EQ(SpinCount(2147483647, 60), 32700);
}

// A held arrow steps at once, again after 400 ms and then every 100 ms; let go, it stops.
TEST_F(TmSetBoxTest, AHeldArrowRepeatsItsStepUntilLetGo) {
  std::vector<std::string> shown;
  dlg.TCount = 100;
  Act([&](TTMSETBox& b) {
    b.SpinButton2.Press(true);
    ui.Advance(399);
    shown.push_back(b.Label2.Caption());
    ui.Advance(601);  // 400, 500, ... 1000 ms
    shown.push_back(b.Label2.Caption());
    b.SpinButton2.Release();
    ui.Advance(1000);
    shown.push_back(b.Label2.Caption());
    // Held again, the first repeat waits its 400 ms once more.
    b.SpinButton2.Press(false);
    ui.Advance(450);
    b.SpinButton2.Release();
    shown.push_back(b.Label2.Caption());
  });
  dlg.Execute("x");
  EXPECT_EQ(shown, (std::vector<std::string>{"110個", "180個", "180個", "160個"}));
}

TEST_F(TmSetBoxTest, SettingAsksAndReturnsTheValueOnlyOnYes) {
  dlg.TCount = 50;
  Act([](TTMSETBox& b) {
    b.SpinButton2.OnUpClick();
    b.Button1.Click();
  });
  EXPECT_EQ(dlg.Execute("ﾌｧｲﾙﾋｽﾄﾘｰ"), kResultOk);
  EXPECT_EQ(dlg.TCount, 60);
  EXPECT_EQ(questions, std::vector<std::string>{"ﾌｧｲﾙﾋｽﾄﾘｰを、\n60個に、設定します"});
  EXPECT_EQ(TmSetBoxState.openForm, nullptr);

  // No keeps the dialog open; closing it then cancels and nothing is stored.
  answer = kResultNo;
  bool stayedOpen = false;
  Act([&](TTMSETBox& b) {
    b.SpinButton1.OnUpClick();
    b.Button1.Click();
    stayedOpen = !b.IsClosed();
  });
  EXPECT_EQ(dlg.Execute("x"), kResultCancel);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(dlg.TCount, 60);

  // "中 止" and Escape (its cancel button) and the title bar all give 2.
  Act([](TTMSETBox& b) {
    EXPECT_TRUE(b.Button4.Cancel());
    EXPECT_TRUE(b.Button1.Default());
    b.SpinButton3.OnUpClick();
    b.Button4.Click();
  });
  EXPECT_EQ(dlg.Execute("x"), kResultCancel);
  EXPECT_EQ(dlg.TCount, 60);
}

TEST_F(TmSetBoxTest, AValueBelowTheMinimumIsRaisedBeforeTheQuestionButZeroIsKept) {
  dlg.MinCount = 10;
  dlg.TCount = 3;
  answer = kResultNo;
  std::string shownAfter;
  Act([&](TTMSETBox& b) {
    b.Button1.Click();
    shownAfter = b.Label2.Caption();
  });
  dlg.Execute("ﾌｧｲﾙﾋｽﾄﾘｰ");
  EXPECT_EQ(questions.back(), "ﾌｧｲﾙﾋｽﾄﾘｰを、\n10個に、設定します");
  EXPECT_EQ(shownAfter, "10個");  // stays raised after no
  EXPECT_EQ(dlg.TCount, 3);

  answer = kResultYes;
  dlg.TCount = 0;
  Act([](TTMSETBox& b) { b.Button1.Click(); });
  EXPECT_EQ(dlg.Execute("x"), kResultOk);
  EXPECT_EQ(dlg.TCount, 0);
  EXPECT_EQ(questions.back(), "xを、\n0個に、設定します");
}

TEST_F(TmSetBoxTest, TheFirstLineChoosesSecondsAndAloneWidensTheDialog) {
  struct Shown {
    Rect form, msg1;
    std::string value, line1, line2;
    Size client;
  } s;
  Act([&](TTMSETBox& b) {
    s = {b.Bounds(),        b.LMsg1.Bounds(),  b.Label2.Caption(),
         b.LMsg1.Caption(), b.LMsg2.Caption(), b.ClientSize()};
    b.SpinButton1.OnUpClick();
    s.value += "," + b.Label2.Caption();
    b.Button1.Click();
  });
  dlg.Msg0 = "ab";
  dlg.TCount = 7;
  dlg.Execute("時間");
  EXPECT_EQ(s.value, "7秒,8秒");
  EXPECT_EQ(questions.back(), "時間を、\n8秒に、設定します");
  EXPECT_EQ(s.client.width, 332);
  EXPECT_EQ(s.client.height, 118);
  EXPECT_EQ(s.line1, "");  // the design text is always replaced
  int designWidth = s.form.width;

  dlg.Msg0 = std::string(50, 'x');  // 400 wide from 8: beyond the dialog's edge
  dlg.Msg1 = std::string(60, 'y');
  dlg.Msg2 = "z";
  dlg.Execute("x");
  EXPECT_EQ(s.form.width, 8 + 400 + 10);
  EXPECT_EQ(s.msg1.width, 480);  // the second line does not widen it
  EXPECT_EQ(s.line2, "z");

  dlg.Msg0 = std::string((designWidth - 8) / 8, 'x');  // ends within the dialog
  dlg.Execute("x");
  EXPECT_EQ(s.form.width, designWidth);
}

TEST_F(TmSetBoxTest, CaptionPlacementAndPainting) {
  std::string caption;
  Rect bounds;
  std::vector<Color> colours;
  Act([&](TTMSETBox& b) {
    caption = b.Caption();
    bounds = b.Bounds();
    for (Color text : {Color{0}, Rgb(255, 255, 255)}) {
      desktop.colors[SysColor::WindowText] = text;
      b.Paint();
      colours.push_back(b.GetColor());
    }
  });
  desktop.colors[SysColor::Window] = Rgb(0, 0, 128);
  app.SetTitle("楽蔵32");
  dlg.Execute("x");
  EXPECT_EQ(caption, "楽蔵32");
  EXPECT_EQ(colours, (std::vector<Color>{Rgb(192, 192, 192), Rgb(0, 0, 128)}));

  desktop.AddBottomTaskbar(30);
  dlg.Title = "設定";
  dlg.SourceHandle = desktop.AddWindow({"TOther", "x", {300, 200, 320, 245}});
  dlg.Execute("x");
  EXPECT_EQ(caption, "設定");
  EXPECT_EQ(bounds.left, 300 + (320 - bounds.width) / 2);
  EXPECT_EQ(bounds.top, 200 + (245 - bounds.height) / 2);
}

}  // namespace
}  // namespace tavel
