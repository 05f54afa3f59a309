// Lists that draw their own items, the headless drawing surface, and the choice of a control's
// window by its kind.
#include <gtest/gtest.h>

#include <vector>

#include "ui/application.h"
#include "ui/bitmap_canvas.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/headless_ui.h"
#include "ui/image.h"
#include "ui/list_controls.h"

namespace tavel {
namespace {

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);

struct OwnerDrawn : ::testing::Test {
  HeadlessUi ui;
  Application app{ui};
  Form form{app, "TTest", "Form1"};
  ListBox list{&form, "ListBox1"};
  Bitmap screen{40, 20, Rgb(1, 2, 3)};
  BitmapCanvas canvas{screen};

  void SetUp() override {
    list.SetStyle(ListStyle::OwnerDrawVariable);
    list.Assign({"C:", "D: MYDISK"});
  }
};

TEST_F(OwnerDrawn, WithoutHandlerAnItemShowsItsTextAsTheSystemWould) {
  list.DrawItem(canvas, 1, {0, 0, 40, 16}, {true, true, false, false});
  EXPECT_EQ(screen.At(0, 0), BitmapCanvas::kHighlight);
  EXPECT_EQ(screen.At(39, 15), BitmapCanvas::kHighlight);
  EXPECT_EQ(screen.At(0, 16), Rgb(1, 2, 3));
  ASSERT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(canvas.Texts()[0].text, "D: MYDISK");
  EXPECT_EQ(canvas.Texts()[0].color, BitmapCanvas::kHighlightText);
  EXPECT_EQ(canvas.Texts()[0].rect, (Rect{2, 0, 38, 16}));
  EXPECT_EQ(canvas.FocusFrames(), (std::vector<Rect>{{0, 0, 40, 16}}));

  // A disabled, unselected item is grey on the window colour; a place without an item (an empty
  // combo box field) gets only its background and focus.
  list.DrawItem(canvas, 0, {0, 0, 40, 16}, {false, false, true, false});
  EXPECT_EQ(screen.At(5, 5), BitmapCanvas::kWindow);
  EXPECT_EQ(canvas.Texts().back().color, BitmapCanvas::kGrayText);
  list.DrawItem(canvas, -1, {0, 0, 40, 16}, {true, true, false, true});
  list.DrawItem(canvas, 2, {0, 0, 40, 16}, {false, false, false, false});
  EXPECT_EQ(canvas.Texts().size(), 2u);
  EXPECT_EQ(screen.At(5, 5), BitmapCanvas::kWindow);
  EXPECT_EQ(canvas.FocusFrames().size(), 2u);
}

TEST_F(OwnerDrawn, HandlerDrawsRealItemsOnlyAndTheFocusFrameFollowsIt) {
  std::vector<int> drawn;
  list.OnDrawItem = [&](Canvas& c, int index, const Rect& r, ItemState state) {
    drawn.push_back(index);
    EXPECT_TRUE(state.inField);
    c.Fill(r, kBlue);
  };
  list.DrawItem(canvas, 0, {0, 0, 40, 16}, {false, true, false, true});
  list.DrawItem(canvas, -1, {0, 0, 40, 16}, {false, false, false, true});
  list.DrawItem(canvas, 5, {0, 0, 40, 16}, {false, false, false, true});
  EXPECT_EQ(drawn, (std::vector<int>{0}));
  EXPECT_EQ(canvas.FocusFrames().size(), 1u);
}

TEST_F(OwnerDrawn, VariableItemsAskTheHandlerFixedOnesTakeTheItemHeight) {
  std::vector<int> asked;
  list.SetItemHeight(18);
  list.OnMeasureItem = [&](int index, int& height) {
    asked.push_back(index);
    EXPECT_EQ(height, 18);
    height = 20 + index;
  };
  EXPECT_EQ(list.MeasureItem(1), 21);
  EXPECT_EQ(list.MeasureItem(-1), 18);  // a combo box's selection field
  EXPECT_EQ(list.MeasureItem(2), 18);
  list.SetStyle(ListStyle::OwnerDrawFixed);
  EXPECT_EQ(list.MeasureItem(0), 18);
  EXPECT_EQ(asked, (std::vector<int>{1}));
  list.SetItemHeight(0);  // not a height
  EXPECT_EQ(list.ItemHeight(), 18);
}

TEST_F(OwnerDrawn, PicturesLeaveWhatIsBelowWhereTheyArePureRedAndAreCutAtTheEdges) {
  Bitmap folder(3, 2, kRed);
  folder.Set(1, 0, kBlue);
  folder.Set(2, 1, Rgb(254, 0, 0));  // nearly red is a colour of the picture
  canvas.DrawPicture(38, 18, folder, kRed);
  EXPECT_EQ(screen.At(38, 18), Rgb(1, 2, 3));
  EXPECT_EQ(screen.At(39, 18), kBlue);
  EXPECT_EQ(screen.At(39, 19), Rgb(1, 2, 3));
  canvas.DrawPicture(-1, 0, folder, kRed);
  EXPECT_EQ(screen.At(0, 0), kBlue);
  EXPECT_EQ(screen.At(1, 1), Rgb(254, 0, 0));
}

// A kind that forgot to name itself would present itself as its base (an edit combo box as a combo
// box) or as having no window.
TEST_F(OwnerDrawn, EveryKindOfControlNamesItsOwnKind) {
  Form box(app, "TBox", "Box");
  Label label(&box, "a");
  Button button(&box, "b");
  CheckBox check(&box, "c");
  RadioGroup radio(&box, "d");
  Panel panel(&box, "e");
  Edit edit(&box, "f");
  ScrollBar scroll(&box, "g");
  SpinButton spin(&box, "h");
  ListBox listBox(&box, "i");
  ComboBox combo(&box, "j");
  EditComboBox editCombo(&box, "m");
  StatusBar status(&box, "k");
  Image image(&box, "l");
  EXPECT_EQ(box.Kind(), ControlKind{});  // a form has no window of a child's kind
  std::vector<ControlKind> kinds;
  for (Control* c : box.Children()) kinds.push_back(c->Kind());
  EXPECT_EQ(kinds,
            (std::vector<ControlKind>{&label, &button, &check, &radio, &panel, &edit, &scroll,
                                      &spin, &listBox, &combo, &editCombo, &status, &image}));
}

}  // namespace
}  // namespace tavel
