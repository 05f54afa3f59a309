// What every dialog box shares: the form it is built on, which says what kind of box it is, what
// it says and how it is answered; and the non-visual component that places and shows it.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/dialog_placement.h"
#include "platform/desktop.h"
#include "ui/form.h"

namespace tavel {

class Button;

// The program's kinds of box.
enum class DialogKind {
  StackBox,       // the player's stacked message box
  KolapBox,       // the countdown message box of the setup window and the folder browser
  YesNoBox,       // every question
  TmSetBox,       // the count and time setting dialog
  AboutBox,       // the version information
  FolderBrowser,  // the drive and folder picker
};

// A box's form: the dialog design (fixed border, on top, the dialog font, its design client size)
// and its background painted by the rule every box shares.
class DialogForm : public Form {
 public:
  DialogForm(Application& app, std::string className, std::string name, DialogKind kind,
             Desktop& desktop, int clientWidth, int clientHeight);

  DialogKind Kind() const { return kind_; }

  // What the box says to the user: its message or question; lines end with a line feed.
  virtual std::string Text() const = 0;

  // Answers the box as the user would: presses the button that gives `result`, or, for 2 with no
  // such button, closes the box from its title bar. False when the box offers no such answer.
  bool Answer(int result);

 protected:
  // The button that answers `result`: by default the visible, enabled one with that modal result.
  virtual Button* AnswerButton(int result);

  // The window colour under a colour scheme with light text, else the button face.
  void PaintBackground();

 private:
  Desktop& desktop_;
  DialogKind kind_;
};

// A non-visual dialog component: the caller sets its fields, runs it, and reads the result. It
// builds a new form for every call, so a box opened from within another is safe.
class DialogComponent {
 public:
  std::string Title;  // caption; empty: the application's title at the moment of showing
  WindowHandle SourceHandle = 0;  // window the box is centred over; 0: the main form

 protected:
  DialogComponent(Application& app, Desktop& desktop, WorkArea& workArea);

  // Title, or the application's title when it is empty.
  std::string Caption() const;

  // Computes the work area, moves `form` to its place by the placement rule, gives it `caption`,
  // shows it modally and returns its modal result cut to 16 bits.
  std::uint16_t PlaceAndShow(Form& form, const std::string& caption);

  DialogContext context_;
};

}  // namespace tavel
