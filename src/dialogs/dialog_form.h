// The design every dialog box shares: border, font, caption and the 16-bit modal result.
#pragma once

#include <cstdint>
#include <string>

#include "ui/geometry.h"

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

// Points a program-wide reference at the form that is open for the length of one showing, and
// gives the reference back to the form open before it (a box opened from within another) on every
// way out.
template <typename F>
class OpenFormReference {
 public:
  OpenFormReference(F*& reference, F& form) : reference_(reference), outer_(reference) {
    reference_ = &form;
  }
  ~OpenFormReference() { reference_ = outer_; }
  OpenFormReference(const OpenFormReference&) = delete;
  OpenFormReference& operator=(const OpenFormReference&) = delete;

 private:
  F*& reference_;
  F* outer_;
};

}  // namespace tavel
