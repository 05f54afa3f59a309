// Boxes answered by kind through the scripted user: the answers reach the components' results, the
// texts are kept, and nested boxes are answered in turn.
#include <gtest/gtest.h>

#include "dialogs/stack_box.h"
#include "dialogs/tm_set_box.h"
#include "dialogs/yes_no_box.h"
#include "support/fake_world.h"

namespace tavel::testing {
namespace {

struct ScriptedAnswers : FakeWorld {
  WorkArea area;
};

TEST_F(ScriptedAnswers, OneOffAnswersComeBeforeTheStandingOne) {
  TYesNoBoxDlg yesNo(app, desktop, area);
  yesNo.Title = "題";
  user.Answer(DialogKind::YesNoBox, kResultNo);
  user.AnswerNext(DialogKind::YesNoBox, kResultYes);
  user.AnswerNext(DialogKind::YesNoBox, kResultCancel);  // the close box
  EXPECT_EQ(yesNo.Execute("一"), kResultYes);
  EXPECT_EQ(yesNo.Execute("二"), kResultCancel);
  EXPECT_EQ(yesNo.Execute("三"), kResultNo);
  EXPECT_EQ(user.Texts(DialogKind::YesNoBox), (std::vector<std::string>{"一", "二", "三"}));
  ASSERT_EQ(user.shown.size(), 3u);
  EXPECT_EQ(user.shown[0].caption, "題");
  EXPECT_TRUE(user.Texts(DialogKind::StackBox).empty());
}

TEST_F(ScriptedAnswers, WithoutAnAnswerTheDefaultButtonIsPressed) {
  TYesNoBoxDlg yesNo(app, desktop, area);
  TStackBoxDlg stack(app, desktop, area);
  EXPECT_EQ(yesNo.Execute("q"), kResultYes);
  EXPECT_EQ(stack.ShowTimedMsg("m"), kResultOk);
  // A message box has no "はい": the user closes it instead, and the refusal is counted.
  user.Answer(DialogKind::StackBox, kResultYes);
  EXPECT_EQ(stack.ShowMsg("m"), kResultCancel);
  EXPECT_EQ(user.refused, 1);
}

// The setting dialog's "設 定" asks a question of its own, answered while the dialog is open.
TEST_F(ScriptedAnswers, NestedBoxesAreAnsweredInTurn) {
  TTmSETBoxDlg setting(app, desktop, area);
  setting.TCount = 5;
  user.Act(DialogKind::TmSetBox, [](DialogForm& f) { static_cast<TTMSETBox&>(f).Spin(10); });
  user.Answer(DialogKind::TmSetBox, kResultOk);
  user.AnswerNext(DialogKind::YesNoBox, kResultNo);  // the dialog stays open: closed after it
  EXPECT_EQ(setting.Execute("件"), kResultCancel);
  EXPECT_EQ(setting.TCount, 5);
  user.AnswerNext(DialogKind::YesNoBox, kResultYes);
  EXPECT_EQ(setting.Execute("件"), kResultOk);
  EXPECT_EQ(setting.TCount, 15);
  ASSERT_EQ(user.shown.size(), 4u);
  EXPECT_EQ(user.shown[1].kind, DialogKind::YesNoBox);
  EXPECT_EQ(user.shown[1].text, "件を、\n15個に、設定します");
  EXPECT_EQ(user.shown[2].text, "\n\n\n5個");  // the three lines are empty
}

}  // namespace
}  // namespace tavel::testing
