// Layout steps shared by the boxes that show a text beside an icon above a row of buttons.
#pragma once

namespace tavel {

class Button;
class Form;
class Image;
class Label;

// The icon never sits higher than this.
constexpr int kIconMinTop = 16;

// The gap between two buttons that are together wider than the form.
constexpr int kNarrowRowGap = 10;

// The text starts two icon widths from the left edge.
void PlaceTextBesideIcon(Label& text, const Image& icon);

// The text's width plus three icon widths (the icon column and margins).
int TextAndIconWidth(const Label& text, const Image& icon);

// Makes the form as high as its content, a button row and margins; centres the icon on the text
// (4 pixels higher, never above kIconMinTop); centres `button` vertically in the client space below
// the content.
void FitHeightAndButtonRow(Form& form, const Label& text, Image& icon, Button& button);

// Puts `button` in the middle of the form's client width.
void CentreButton(const Form& form, Button& button);

// Puts `second` on `first`'s row and shares the client width between them in three equal gaps:
// gap, first, gap, second, gap. A negative gap becomes kNarrowRowGap.
void ShareButtonRow(const Form& form, Button& first, Button& second);

}  // namespace tavel
