// Layout steps shared by the boxes that show a text beside an icon above a row of buttons.
#include "dialogs/dialog_layout.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"

namespace tavel {

void PlaceTextBesideIcon(Label& text, const Image& icon) {
  text.SetLeft(2 * icon.Width());
}

int TextAndIconWidth(const Label& text, const Image& icon) {
  return 3 * icon.Width() + text.Width();
}

void FitHeightAndButtonRow(Form& form, const Label& text, Image& icon, Button& button) {
  form.SetHeight(std::max(text.Height(), icon.Height()) + button.Height() + 2 * icon.Height() +
                 icon.Height() / 2);
  int iconTop = text.Top() + (text.Height() - icon.Height()) / 2 - 4;
  icon.SetTop(std::max(iconTop, kIconMinTop));
  int contentBottom = std::max(text.Top() + text.Height(), icon.Top() + icon.Height());
  button.SetTop(contentBottom + (form.ClientSize().height - contentBottom - button.Height()) / 2);
}

void CentreButton(const Form& form, Button& button) {
  button.SetLeft((form.ClientSize().width - button.Width()) / 2);
}

void ShareButtonRow(const Form& form, Button& first, Button& second) {
  second.SetTop(first.Top());
  int gap = (form.ClientSize().width - first.Width() - second.Width()) / 3;
  if (gap < 0) gap = kNarrowRowGap;
  first.SetLeft(gap);
  second.SetLeft(first.Left() + first.Width() + gap);
}

}  // namespace tavel
