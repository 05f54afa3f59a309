// How dialog boxes paint: the form colour from the system colours and icons with a transparent
// colour.
#include "dialogs/dialog_painting.h"

#include "ui/form.h"
#include "ui/image.h"

namespace tavel {

Color DialogFormColor(Desktop& desktop) {
  bool blackText = desktop.SystemColor(SysColor::WindowText) == 0;
  return desktop.SystemColor(blackText ? SysColor::BtnFace : SysColor::Window);
}

void PaintDialogBackground(Form& form, Desktop& desktop) {
  form.SetColor(DialogFormColor(desktop));
}

void DrawTransparentIcon(const Image& source, Color key, Color brush, int size, Image& target) {
  CopyWithKeyColor(source.Picture(), key, brush, size, size, target.MutablePicture());
  target.PictureChanged();
}

}  // namespace tavel
