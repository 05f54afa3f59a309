// The form of the boxes that show a text beside an icon above a row of buttons: the message boxes
// and the Yes/No box.
#pragma once

#include <string>

#include "dialogs/dialog_component.h"
#include "ui/controls.h"
#include "ui/image.h"

namespace tavel {

class IconTextForm : public DialogForm {
 public:
  // `icon` is shown with every pixel of `key` in the form's colour.
  IconTextForm(Application& app, std::string className, std::string name, DialogKind kind,
               Desktop& desktop, int clientWidth, int clientHeight, const Bitmap& icon, Color key);

  Label Msg;
  Image Image1;  // the icon as shown
  Image Image2;  // hidden: the untouched icon, so that a change of colour scheme repaints right

  std::string Text() const override { return Msg.Caption(); }

  // The form colour by the painting rule, and the icon drawn on it.
  void FormPaint();

 protected:
  // Puts the text beside the icon, makes the form as wide as both (at least `minWidth`) and as high
  // as the content and a button row, and puts `rowButton` at the row's height.
  void LayOutIconAndText(Button& rowButton, int minWidth = 0);

 private:
  Color key_;
};

}  // namespace tavel
