// The about box: the program's icon, product name, version and two comment lines, with "Ｏ Ｋ".
#include "dialogs/about_box.h"

#include <memory>

#include "base/scoped_value.h"
#include "dialogs/dialog_form.h"
#include "dialogs/program_icon.h"
#include "ui/application.h"

namespace tavel {

TAboutBox* AboutBoxForm = nullptr;

namespace {

constexpr int kIconWidth = 94;
constexpr int kIconHeight = 86;

void PlaceLabel(Label& label, int left, int top, const char* hint) {
  label.SetBounds({left, top, 0, 0});
  label.SetHint(hint);
}

}  // namespace

std::string ProductNameText(const std::string& productName) {
  if (productName.size() <= kProductNamePrefixLimit) return "ProductName " + productName;
  return productName;
}

std::string AboutCaption(const std::string& title, const Application& app) {
  return DialogCaption(title, app) + " バージョン情報";
}

TAboutBox::TAboutBox(Application& app, Desktop& desktop)
    : DialogForm(app, "TAboutBox", "AboutBox", DialogKind::AboutBox, desktop, 413, 299),
      Panel1(this, "Panel1"),
      ProgramIcon(&Panel1, "ProgramIcon"),
      ProductName(&Panel1, "ProductName"),
      Version(&Panel1, "Version"),
      Comments(&Panel1, "Comments"),
      Comment0(&Panel1, "Comment0"),
      Comment1(&Panel1, "Comment1"),
      Button1(this, "Button1"),
      icon_(CentredIcon(tavel::ProgramIcon(), kProgramIconKey, kIconWidth, kIconHeight)) {
  SetCaption("バージョン情報");
  SetShowHint(true);
  Panel1.SetBounds({11, 11, 389, 223});
  Panel1.SetOuter(Bevel::Lowered);
  Panel1.SetInner(Bevel::Raised);
  Panel1.SetHint("バージョン情報");
  ProgramIcon.SetBounds({11, 11, kIconWidth, kIconHeight});
  ProgramIcon.SetPicture(icon_);
  ProgramIcon.SetHint("アイコン");
  PlaceLabel(ProductName, 122, 30, "よろしくね☆");
  PlaceLabel(Version, 122, 63, "バージョン番号");
  PlaceLabel(Comments, 11, 144, "");
  Comments.SetWordWrap(true);
  Comments.SetCaption("Comments");
  PlaceLabel(Comment0, 88, 144, "");
  PlaceLabel(Comment1, 88, 168, "");
  Button1.SetBounds({154, 246, 106, 38});
  Button1.SetCaption("Ｏ Ｋ");
  Button1.SetDefault(true);
  Button1.SetModalResult(1);
  Button1.SetHint("バージョン情報の終了");

  OnPaint = [this] { FormPaint(); };
}

std::string TAboutBox::Text() const {
  return ProductName.Caption() + "\n" + Version.Caption() + "\n" + Comment0.Caption() + "\n" +
         Comment1.Caption();
}

// The note's margins take the form's colour, so a change of colour scheme repaints correctly.
void TAboutBox::FormPaint() {
  PaintBackground();
  CopyWithKeyColor(icon_, kProgramIconKey, GetColor(), kIconWidth, kIconHeight,
                   ProgramIcon.MutablePicture());
  ProgramIcon.PictureChanged();
}

TAboutBoxDlg::TAboutBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea)
    : DialogComponent(app, desktop, workArea) {}

bool TAboutBoxDlg::Execute() {
  auto form = std::make_unique<TAboutBox>(context_.app, context_.desktop);
  ScopedValue<TAboutBox*> open(AboutBoxForm, form.get());
  form->ProductName.SetCaption(ProductNameText(ProductName));
  form->Version.SetCaption("Version " + Version);
  form->Comment0.SetCaption(Comment0);
  form->Comment1.SetCaption(Comment1);
  // The form keeps its design size whatever the texts, so it is placed as designed.
  return PlaceAndShow(*form, AboutCaption(Title, context_.app)) == kResultOk;
}

}  // namespace tavel
