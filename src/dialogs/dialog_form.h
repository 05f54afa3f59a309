// The design every dialog box shares: border, font, caption and the 16-bit modal result.
#pragma once

#include <cstdint>
#include <string>

#include "base/geometry.h"

namespace tavel {

class Application;
class Form;

// "System" with a character height of 13 pixels, the font of every box.
Font DialogFont(bool bold = false);

// A fixed dialog border that stays on top of other windows, the dialog font and a client area of
// the given design size.
void SetUpDialogForm(Form& form, int clientWidth, int clientHeight);

// The box's caption: its title, or the application's title at the moment of showing.
std::string DialogCaption(const std::string& title, const Application& app);

// Shows the form modally and returns its modal result cut to 16 bits.
std::uint16_t ShowDialogModal(Form& form);

}  // namespace tavel
