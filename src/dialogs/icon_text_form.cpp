// The form of the boxes that show a text beside an icon above a row of buttons: the message boxes
// and the Yes/No box.
#include "dialogs/icon_text_form.h"

#include <algorithm>

#include "dialogs/dialog_icons.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_painting.h"

namespace tavel {

IconTextForm::IconTextForm(Application& app, std::string className, std::string name,
                           DialogKind kind, Desktop& desktop, int clientWidth, int clientHeight,
                           const Bitmap& icon, Color key)
    : DialogForm(app, std::move(className), std::move(name), kind, desktop, clientWidth,
                 clientHeight),
      Msg(this, "Msg"),
      Image1(this, "Image1"),
      Image2(this, "Image2"),
      key_(key) {
  Msg.SetBounds({88, 16, 0, 0});
  Msg.SetCaption("Msg");
  Image1.SetBounds({16, 16, kDialogIconSize, kDialogIconSize});
  Image1.SetPicture(icon);
  Image2.SetBounds({16, 16, kDialogIconSize, kDialogIconSize});
  Image2.SetPicture(icon);
  Image2.SetVisible(false);
  OnPaint = [this] { FormPaint(); };
}

void IconTextForm::FormPaint() {
  PaintBackground();
  DrawTransparentIcon(Image2, key_, GetColor(), kDialogIconSize, Image1);
}

void IconTextForm::LayOutIconAndText(Button& rowButton, int minWidth) {
  PlaceTextBesideIcon(Msg, Image1);
  SetWidth(std::max(TextAndIconWidth(Msg, Image1), minWidth));
  FitHeightAndButtonRow(*this, Msg, Image1, rowButton);
}

}  // namespace tavel
