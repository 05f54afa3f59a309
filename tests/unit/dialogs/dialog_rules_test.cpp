// The rules every dialog box shares: placement in the work area and the information icon.
#include <gtest/gtest.h>

#include <set>

#include "dialogs/dialog_icons.h"
#include "dialogs/dialog_placement.h"
#include "support/fake_desktop.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless_ui.h"

namespace tavel {
namespace {

const WorkArea kBelowTopBar{{0, 28, 1024, 740}, 0};

TEST(PlaceDialog, CentresOverTheReferenceOrTheWorkArea) {
  Point p = PlaceDialog(kBelowTopBar, Rect{100, 100, 401, 300}, {120, 145});
  EXPECT_EQ(p.x, 100 + 140);  // (401 - 120) / 2 truncates
  EXPECT_EQ(p.y, 100 + 77);
  p = PlaceDialog(kBelowTopBar, std::nullopt, {124, 140});
  EXPECT_EQ(p.x, 450);
  EXPECT_EQ(p.y, 28 + 300);
}

TEST(PlaceDialog, KeepsTheBoxInsideTheWorkArea) {
  // A reference hanging over the bottom right corner, then one above the top bar.
  Point p = PlaceDialog(kBelowTopBar, Rect{900, 700, 300, 200}, {200, 150});
  EXPECT_EQ(p.x, 1024 - 200);
  EXPECT_EQ(p.y, 768 - 150);
  p = PlaceDialog(kBelowTopBar, Rect{-300, -50, 200, 100}, {200, 150});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 28);
  // The left bar's right edge is a limit as well.
  p = PlaceDialog({{60, 0, 964, 768}, 0}, Rect{0, 0, 100, 100}, {200, 150});
  EXPECT_EQ(p.x, 60);
}

TEST(PlaceDialog, ABoxLargerThanTheWorkAreaIsAlignedLeftAndTop) {
  Point p = PlaceDialog(kBelowTopBar, Rect{500, 500, 100, 100}, {1500, 900});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 28);
}

// The player window is kept on the screen by the same rule as the boxes.
TEST(KeepInsideWorkArea, FarEdgesFirstSoTheLeftAndTopEdgesWin) {
  const Size window{455, 243};
  const WorkArea bottomTaskbar{{0, 0, 1024, 738}, 0};
  Point p = KeepInsideWorkArea(bottomTaskbar, {20000, 20000}, window);
  EXPECT_EQ(p.x, 569);
  EXPECT_EQ(p.y, 495);
  p = KeepInsideWorkArea(bottomTaskbar, {-50, 10}, window);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 10);
  p = KeepInsideWorkArea({{60, 30, 964, 738}, 0}, {10, 10}, window);  // bars at the left and top
  EXPECT_EQ(p.x, 60);
  EXPECT_EQ(p.y, 30);
  p = KeepInsideWorkArea({{60, 30, 300, 200}, 0}, {500, 500}, window);  // window larger
  EXPECT_EQ(p.x, 60);
  EXPECT_EQ(p.y, 30);
}

TEST(ReferenceRect, SourceHandleElseMainFormElseNone) {
  HeadlessUi ui;
  Application app(ui);
  testing::FakeDesktop desktop;
  WindowHandle source = desktop.AddWindow({"TOther", "x", {10, 20, 300, 200}});
  WindowHandle main = desktop.AddWindow({"TMain", "y", {400, 300, 200, 100}});
  Form mainForm(app, "TMain", "Main");
  mainForm.SetHandle(main);

  EXPECT_FALSE(ReferenceRect(app, desktop, 0));  // no main form
  EXPECT_EQ(ReferenceRect(app, desktop, source), (Rect{10, 20, 300, 200}));
  EXPECT_FALSE(ReferenceRect(app, desktop, 0xDEAD));  // a window that does not exist
  std::optional<Rect> seen;
  ui.Post([&] { seen = ReferenceRect(app, desktop, 0); });
  app.Run(mainForm);
  EXPECT_EQ(seen, (Rect{400, 300, 200, 100}));
}

TEST(DialogIcons, InformationIconIsABlueDiscWithWhiteRimAndLetterOnRed) {
  Bitmap icon = InformationIcon();
  ASSERT_EQ(icon.width, 32);
  ASSERT_EQ(icon.height, 32);
  for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
    EXPECT_EQ(icon.At(x, y), kInformationIconKey);
  }
  EXPECT_EQ(icon.At(16, 1), Rgb(255, 255, 255));   // rim
  EXPECT_EQ(icon.At(5, 16), Rgb(0, 0, 255));       // disc
  EXPECT_EQ(icon.At(15, 7), Rgb(255, 255, 255));   // dot of the i
  EXPECT_EQ(icon.At(15, 11), Rgb(0, 0, 255));      // between dot and stem
  EXPECT_EQ(icon.At(15, 18), Rgb(255, 255, 255));  // stem
  std::set<Color> colours(icon.pixels.begin(), icon.pixels.end());
  EXPECT_EQ(colours.size(), 3u);
}

}  // namespace
}  // namespace tavel
