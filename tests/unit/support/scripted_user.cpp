// A user who answers the program's boxes from a script, and remembers what each box said.
#include "support/scripted_user.h"

#include "ui/controls.h"

namespace tavel::testing {

namespace {

Button* DefaultButton(Control& parent) {
  for (Control* child : parent.Children()) {
    auto* button = dynamic_cast<Button*>(child);
    if (button && button->Default() && button->Showing()) return button;
    if (Button* found = DefaultButton(*child)) return found;
  }
  return nullptr;
}

}  // namespace

ScriptedUser::ScriptedUser(HeadlessUi& ui) {
  ui.OnModal = [this](Form& form) { Handle(form); };
}

std::vector<std::string> ScriptedUser::Texts(DialogKind kind) const {
  auto found = texts.find(kind);
  return found == texts.end() ? std::vector<std::string>{} : found->second;
}

void ScriptedUser::Handle(Form& form) {
  auto* box = dynamic_cast<DialogForm*>(&form);
  if (!box) {
    if (Button* ok = DefaultButton(form)) ok->Click();
    return;
  }
  shown.push_back({box->Kind(), box->Caption(), box->Text()});
  texts[box->Kind()].push_back(box->Text());
  // A copy: the action may open boxes of its own, which come back here.
  if (auto action = actions[box->Kind()]) action(*box);
  if (!box->IsClosed()) Reply(*box);
}

void ScriptedUser::Reply(DialogForm& box) {
  std::deque<int>& queued = next[box.Kind()];
  auto standing = answers.find(box.Kind());
  if (queued.empty() && standing == answers.end()) {
    if (Button* ok = DefaultButton(box)) ok->Click();
    return;
  }
  int result = queued.empty() ? standing->second : queued.front();
  if (!queued.empty()) queued.pop_front();
  if (!box.Answer(result)) {
    ++refused;
    box.Close();
  }
}

}  // namespace tavel::testing
