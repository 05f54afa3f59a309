// The about box: its texts, caption, layout, placement, result and painting, driven headless.
#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialogs/program_icon.h"
#include "support/dialog_fixture.h"

namespace tavel {
namespace {

struct AboutBoxTest : testing::DialogFixture<TAboutBoxDlg, TAboutBox, DialogKind::AboutBox> {
  struct Shown {
    std::string caption, product, version, comment0, comment1;
  };
  Shown Capture() {
    Shown s;
    Act([&](TAboutBox& b) {
      s = {b.Caption(), b.ProductName.Caption(), b.Version.Caption(), b.Comment0.Caption(),
           b.Comment1.Caption()};
    });
    dlg.Execute();
    return s;
  }
};

TEST_F(AboutBoxTest, TextsAndCaption) {
  app.SetTitle("楽蔵32");
  dlg.ProductName = "TAVEL32.EXE 楽蔵32";  // 18 bytes
  dlg.Version = "1.1";
  dlg.Comment0 = "一行目";
  dlg.Comment1 = "二行目";
  Shown s = Capture();
  // Without a title of its own the box takes the application's.
  EXPECT_EQ(s.caption, "楽蔵32 バージョン情報");
  EXPECT_EQ(s.product, "ProductName TAVEL32.EXE 楽蔵32");
  EXPECT_EQ(s.version, "Version 1.1");
  EXPECT_EQ(s.comment0, "一行目");
  EXPECT_EQ(s.comment1, "二行目");

  dlg.Title = "題名";
  dlg.Version = "";
  EXPECT_EQ(Capture().caption, "題名 バージョン情報");
  EXPECT_EQ(Capture().version, "Version ");
}

TEST_F(AboutBoxTest, OnlyANameOfAtMostTwentyBytesGetsThePrefix) {
  dlg.ProductName = "12345678901234567890";
  EXPECT_EQ(Capture().product, "ProductName 12345678901234567890");
  dlg.ProductName = "123456789012345678901";
  EXPECT_EQ(Capture().product, "123456789012345678901");
  // Counted in bytes: ten double-byte characters are 20, one more half-width one is 21.
  dlg.ProductName = "楽蔵楽蔵楽蔵楽蔵楽蔵";
  EXPECT_EQ(Capture().product, "ProductName 楽蔵楽蔵楽蔵楽蔵楽蔵");
  dlg.ProductName = "楽蔵楽蔵楽蔵楽蔵楽蔵1";
  EXPECT_EQ(Capture().product, "楽蔵楽蔵楽蔵楽蔵楽蔵1");
}

TEST_F(AboutBoxTest, ResultIsTrueOnlyForOk) {
  TAboutBox* open = nullptr;
  std::string ok;
  bool isDefault = false;
  Act([&](TAboutBox& b) {
    open = AboutBoxForm;
    ok = b.Button1.Caption();
    isDefault = b.Button1.Default();
    b.Button1.Click();
  });
  EXPECT_TRUE(dlg.Execute());
  EXPECT_NE(open, nullptr);
  EXPECT_EQ(AboutBoxForm, nullptr);
  EXPECT_EQ(ok, "Ｏ Ｋ");
  EXPECT_TRUE(isDefault);
  Act([](TAboutBox& b) { b.Close(); });
  EXPECT_FALSE(dlg.Execute());
}

TEST_F(AboutBoxTest, DesignLayoutCentredOverTheSourceWindow) {
  desktop.AddBottomTaskbar(30);
  dlg.SourceHandle = desktop.AddWindow({"TOther", "x", {300, 200, 320, 245}});
  dlg.ProductName = std::string(60, 'x');  // long texts do not change the design size
  Rect form, panel, icon, product, version, comments, comment0, comment1, button;
  Size client;
  Act([&](TAboutBox& b) {
    form = b.Bounds();
    client = b.ClientSize();
    panel = b.Panel1.Bounds();
    icon = b.ProgramIcon.Bounds();
    product = b.ProductName.Bounds();
    version = b.Version.Bounds();
    comments = b.Comments.Bounds();
    comment0 = b.Comment0.Bounds();
    comment1 = b.Comment1.Bounds();
    button = b.Button1.Bounds();
    EXPECT_EQ(b.ProgramIcon.Parent(), &b.Panel1);
    EXPECT_EQ(b.Comments.Caption(), "Comments");
  });
  dlg.Execute();
  EXPECT_EQ(client.width, 413);
  EXPECT_EQ(client.height, 299);
  EXPECT_EQ(panel, (Rect{11, 11, 389, 223}));
  EXPECT_EQ(icon, (Rect{11, 11, 94, 86}));
  EXPECT_EQ(product.left, 122);
  EXPECT_EQ(product.top, 30);
  EXPECT_EQ(version.left, 122);
  EXPECT_EQ(version.top, 63);
  EXPECT_EQ(comments.left, 11);
  EXPECT_EQ(comments.top, 144);
  EXPECT_EQ(comment0.left, 88);
  EXPECT_EQ(comment0.top, 144);
  EXPECT_EQ(comment1.left, 88);
  EXPECT_EQ(comment1.top, 168);
  EXPECT_EQ(button, (Rect{154, 246, 106, 38}));
  // Centred over the window, pushed up to stay above the taskbar.
  EXPECT_EQ(form.left, 300 + (320 - form.width) / 2);
  EXPECT_EQ(form.top, std::min(200 + (245 - form.height) / 2, 768 - 28 - form.height));
}

TEST_F(AboutBoxTest, PaintingPutsTheCentredNoteOnTheFormColour) {
  desktop.colors[SysColor::Window] = Rgb(0, 0, 128);
  std::vector<Color> form, corner;
  int noteOnForm = 0;
  Act([&](TAboutBox& b) {
    for (Color text : {Color{0}, Rgb(255, 255, 255)}) {
      desktop.colors[SysColor::WindowText] = text;
      b.Paint();
      form.push_back(b.GetColor());
      corner.push_back(b.ProgramIcon.Picture().At(0, 0));
    }
    // The note lies in the middle of the picture, and only there differs from the form.
    const Bitmap& p = b.ProgramIcon.Picture();
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        if (p.At(x, y) == b.GetColor()) continue;
        ++noteOnForm;
        EXPECT_TRUE(x >= 31 && x < 63 && y >= 27 && y < 59) << x << "," << y;
      }
    }
  });
  dlg.Execute();
  EXPECT_EQ(form, (std::vector<Color>{Rgb(192, 192, 192), Rgb(0, 0, 128)}));
  EXPECT_EQ(corner, form);
  EXPECT_GT(noteOnForm, 0);
}

}  // namespace
}  // namespace tavel
