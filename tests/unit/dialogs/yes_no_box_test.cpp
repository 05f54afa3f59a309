// The Yes/No box: answers, layout, caption, placement and painting, driven headless.
#include "dialogs/yes_no_box.h"

#include <gtest/gtest.h>

#include "dialogs/dialog_icons.h"
#include "support/dialog_fixture.h"

namespace tavel {
namespace {

struct YesNoBoxTest : testing::DialogFixture<TYesNoBoxDlg, TYesNoBox, DialogKind::YesNoBox> {
  struct Shown {
    Rect form, msg, image, yes, no;
    Size client;
  };
  Shown Capture(const std::string& text) {
    Shown s;
    Act([&](TYesNoBox& b) {
      s = {b.Bounds(),         b.Msg.Bounds(),     b.Image1.Bounds(),
           b.Button1.Bounds(), b.Button2.Bounds(), b.ClientSize()};
    });
    dlg.Execute(text);
    return s;
  }
};

TEST_F(YesNoBoxTest, AnswersAreSixSevenAndTwoFromTheTitleBar) {
  TYesNoBox* open = nullptr;
  std::string yes, no;
  bool yesIsDefault = false;
  Act([&](TYesNoBox& b) {
    open = YesNoBoxForm;
    yes = b.Button1.Caption();
    no = b.Button2.Caption();
    yesIsDefault = b.Button1.Default() && !b.Button2.Default();
    b.Button1.Click();
  });
  EXPECT_EQ(dlg.Execute("q"), kResultYes);
  EXPECT_NE(open, nullptr);
  EXPECT_EQ(YesNoBoxForm, nullptr);
  EXPECT_EQ(yes, "はい");
  EXPECT_EQ(no, "いいえ");
  EXPECT_TRUE(yesIsDefault);  // Enter answers yes

  Act([](TYesNoBox& b) { b.Button2.Click(); });
  EXPECT_EQ(dlg.Execute("q"), kResultNo);
  Act([](TYesNoBox& b) { b.Close(); });
  EXPECT_EQ(dlg.Execute("q"), 2);
}

TEST_F(YesNoBoxTest, AQuestionAskedWithinAnotherGivesTheReferenceBack) {
  TYesNoBox* outer = nullptr;
  TYesNoBox* afterInner = nullptr;
  int inner = -1;
  Act([&](TYesNoBox& b) {
    if (outer) {
      b.Button2.Click();
      return;
    }
    outer = YesNoBoxForm;
    inner = dlg.Execute("inner");
    afterInner = YesNoBoxForm;
    b.Button1.Click();
  });
  EXPECT_EQ(dlg.Execute("outer"), kResultYes);
  EXPECT_EQ(inner, kResultNo);
  EXPECT_EQ(afterInner, outer);
  EXPECT_EQ(YesNoBoxForm, nullptr);
}

TEST_F(YesNoBoxTest, AShortQuestionIsAsWideAsTheButtonsInThreeGaps) {
  Shown s = Capture("abc");
  EXPECT_EQ(s.msg, (Rect{64, 16, 24, 13}));
  EXPECT_EQ(s.form.width, 89 + 89 + 20);
  EXPECT_EQ(s.form.height, 32 + 33 + 80);
  EXPECT_EQ(s.image.top, 16);
  // Client 190 x 118: gaps of 4; the buttons centred below the icon.
  EXPECT_EQ(s.yes, (Rect{4, 66, 89, 33}));
  EXPECT_EQ(s.no, (Rect{97, 66, 89, 33}));

  s = Capture(std::string(40, 'x'));  // wider than the buttons: the text sets the width
  EXPECT_EQ(s.form.width, 3 * 32 + 320);
  EXPECT_EQ(s.yes.left, 76);
  EXPECT_EQ(s.no.left, 2 * 76 + 89);
}

TEST_F(YesNoBoxTest, ALongerQuestionGrowsTheBoxAndCentresTheIconOnIt) {
  Shown s = Capture(std::string(20, 'x') + "\nab\ncd\nef");
  EXPECT_EQ(s.msg, (Rect{64, 16, 160, 52}));
  EXPECT_EQ(s.form.width, 256);
  EXPECT_EQ(s.form.height, 52 + 33 + 80);
  EXPECT_EQ(s.image.top, 16 + (52 - 32) / 2 - 4);
  // Content ends at 68 in a client area 248 x 138; (248 - 178) / 3 truncates to 23.
  EXPECT_EQ(s.yes, (Rect{23, 68 + (138 - 68 - 33) / 2, 89, 33}));
  EXPECT_EQ(s.no.left, 2 * 23 + 89);
  EXPECT_EQ(s.no.top, s.yes.top);
}

TEST_F(YesNoBoxTest, CaptionAndPlacement) {
  std::string caption;
  Act([&](TYesNoBox& b) { caption = b.Caption(); });
  app.SetTitle("楽蔵32");
  dlg.Execute("q");
  EXPECT_EQ(caption, "楽蔵32");
  dlg.Title = "設定";
  dlg.Execute("q");
  EXPECT_EQ(caption, "設定");

  desktop.AddBottomTaskbar(30);
  dlg.SourceHandle = desktop.AddWindow({"TOther", "x", {300, 200, 320, 245}});
  Shown s = Capture("abc");
  EXPECT_EQ(s.form.left, 300 + (320 - 198) / 2);
  EXPECT_EQ(s.form.top, 200 + (245 - 145) / 2);
  EXPECT_EQ(area.Work.height, 768 - 28);
}

TEST_F(YesNoBoxTest, PaintingDrawsTheQuestionIconOnTheFormColour) {
  desktop.colors[SysColor::Window] = Rgb(0, 0, 128);
  std::vector<Color> form, corner, disc, kept;
  Act([&](TYesNoBox& b) {
    for (Color text : {Color{0}, Rgb(255, 255, 255)}) {
      desktop.colors[SysColor::WindowText] = text;
      b.Paint();
      form.push_back(b.GetColor());
      corner.push_back(b.Image1.Picture().At(0, 0));
      disc.push_back(b.Image1.Picture().At(5, 16));
      kept.push_back(b.Image2.Picture().At(0, 0));
    }
  });
  dlg.Execute("q");
  EXPECT_EQ(form, (std::vector<Color>{Rgb(192, 192, 192), Rgb(0, 0, 128)}));
  EXPECT_EQ(corner, form);
  EXPECT_EQ(disc, (std::vector<Color>{Rgb(255, 0, 0), Rgb(255, 0, 0)}));
  EXPECT_EQ(kept, (std::vector<Color>{kQuestionIconKey, kQuestionIconKey}));
}

}  // namespace
}  // namespace tavel
