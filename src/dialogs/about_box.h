// The about box: the program's icon, product name, version and two comment lines, with "Ｏ Ｋ".
#pragma once

#include <string>

#include "dialogs/dialog_component.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"

namespace tavel {

// The longest product name, in bytes, still shown after "ProductName ".
constexpr std::size_t kProductNamePrefixLimit = 20;

// The product name line: "ProductName " and the name, or a long name alone.
std::string ProductNameText(const std::string& productName);

// The caption: the title (or the application's) followed by " バージョン情報".
std::string AboutCaption(const std::string& title, const Application& app);

class TAboutBox : public DialogForm {
 public:
  TAboutBox(Application& app, Desktop& desktop);

  Panel Panel1;
  Image ProgramIcon;
  Label ProductName;
  Label Version;
  Label Comments;
  Label Comment0;
  Label Comment1;
  Button Button1;

  // The product name, the version and the two comment lines.
  std::string Text() const override;

  void FormPaint();

 private:
  Bitmap icon_;  // the untouched picture, its margins in the key colour
};

// The about box open now (none while closed).
extern TAboutBox* AboutBoxForm;

// The component a window owns to show its version information.
// `Title` is the first part of the caption.
class TAboutBoxDlg : public DialogComponent {
 public:
  TAboutBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea);

  std::string ProductName;  // product name line
  std::string Version;      // version text
  std::string Comment0;     // first comment line
  std::string Comment1;     // second comment line

  // Shows the box; true when it was closed with "Ｏ Ｋ", false from its title bar.
  bool Execute();
};

}  // namespace tavel
