// A user who answers the program's boxes from a script, and remembers what each box said.
//
// Headless, every modal box is handed to HeadlessUi::OnModal; a ScriptedUser takes that hook over
// and answers each box by its kind (DialogKind), without knowing the box's form class:
//
//   ScriptedUser user(ui);
//   user.Answer(DialogKind::YesNoBox, kResultNo);     // every question: いいえ
//   user.AnswerNext(DialogKind::YesNoBox, kResultYes); // but the next one: はい
//   setup.Button1Click();
//   EXPECT_EQ(user.Texts(DialogKind::KolapBox), (std::vector<std::string>{"..."}));
//
// Answers are modal results: 1 "ＯＫ" (message boxes, the setting dialog's "設 定"), 6 "はい" and
// 7 "いいえ" (Yes/No box), 2 the close box of the title bar (every box). A box whose kind has no
// answer gets its default button pressed, as Enter would. `Act` runs something first (spinning a
// value, letting virtual time pass); a box still open afterwards gets its answer. An answer the box
// does not offer closes it from its title bar and is counted in `refused`.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialogs/dialog_component.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

class ScriptedUser {
 public:
  explicit ScriptedUser(HeadlessUi& ui);

  // The standing answer for every box of `kind`.
  void Answer(DialogKind kind, int result) { answers[kind] = result; }
  // An answer for the next box of `kind` only; several queue up in order.
  void AnswerNext(DialogKind kind, int result) { next[kind].push_back(result); }
  // What the user does with each box of `kind` before answering it.
  void Act(DialogKind kind, std::function<void(DialogForm&)> action) { actions[kind] = action; }
  // The same, given the box as the form class `Box` of that kind.
  template <class Box>
  void Act(DialogKind kind, std::function<void(Box&)> action) {
    Act(kind, [action](DialogForm& box) { action(static_cast<Box&>(box)); });
  }

  // The texts of the boxes of `kind` shown so far, in order.
  std::vector<std::string> Texts(DialogKind kind) const;

  struct Shown {
    DialogKind kind;
    std::string caption;
    std::string text;
  };
  std::vector<Shown> shown;                              // every box, in the order shown
  std::map<DialogKind, std::vector<std::string>> texts;  // the same texts by kind
  std::map<DialogKind, int> answers;                     // standing answers
  std::map<DialogKind, std::deque<int>> next;            // one-off answers, first to last
  std::map<DialogKind, std::function<void(DialogForm&)>> actions;
  int refused = 0;  // answers a box did not offer

 private:
  void Handle(Form& form);
  void Reply(DialogForm& box);
};

}  // namespace tavel::testing
