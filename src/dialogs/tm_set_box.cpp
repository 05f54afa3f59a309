// The count and time setting dialog: one whole number, a count of items or a time in seconds,
// set with spin arrows of steps 1, 10 and 60 and confirmed with a Yes/No question.
#include "dialogs/tm_set_box.h"

#include <algorithm>
#include <memory>

#include "base/scoped_value.h"
#include "dialogs/dialog_form.h"
#include "ui/application.h"

namespace tavel {

TmSetDialogState TmSetBoxState;

namespace {

constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 33;
constexpr int kWidenMargin = 10;  // room kept right of a first line wider than the dialog

void SetUpLabel(Label& label, int left, int top, const char* caption) {
  label.SetBounds({left, top, 0, 0});
  label.SetCaption(caption);
}

void SetUpSpin(SpinButton& spin, int left, const char* hint) {
  spin.SetBounds({left, 72, 20, 25});
  spin.SetHint(hint);
}

}  // namespace

std::int32_t SpinCount(std::int32_t count, int step) {
  std::int64_t next = static_cast<std::int64_t>(count) + step;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(next, 0, kTmSetMaxCount));
}

std::string CountText(std::int32_t count, bool seconds) {
  return std::to_string(count) + (seconds ? "秒" : "個");
}

TTMSETBox::TTMSETBox(Application& app, Desktop& desktop, WorkArea& workArea)
    : DialogForm(app, "TTMSETBox", "TMSETBox", DialogKind::TmSetBox, desktop, 332, 118),
      LMsg0(this, "LMsg0"),
      Label2(this, "Label2"),
      LMsg1(this, "LMsg1"),
      LMsg2(this, "LMsg2"),
      Button1(this, "Button1"),
      Button4(this, "Button4"),
      SpinButton1(this, "SpinButton1"),
      SpinButton2(this, "SpinButton2"),
      SpinButton3(this, "SpinButton3"),
      YesNoBoxDlg1(app, desktop, workArea) {
  SetShowHint(true);
  SetUpLabel(LMsg0, 8, 8, "");
  // The value grows to the left, its right edge just left of the arrows.
  Label2.SetBounds({96, 77, 24, 0});
  Label2.SetAlignment(TextAlign::Right);
  Label2.SetCaption("0秒");
  SetUpLabel(LMsg1, 8, 28, "ファイルタイマーの設定：");
  SetUpLabel(LMsg2, 8, 48, "");
  Button1.SetBounds({232, 72, kButtonWidth, kButtonHeight});
  Button1.SetCaption("設 定");
  Button1.SetDefault(true);
  Button4.SetBounds({232, 32, kButtonWidth, kButtonHeight});
  Button4.SetCaption("中 止");
  Button4.SetCancel(true);
  Button4.SetModalResult(kResultCancel);
  SetUpSpin(SpinButton1, 128, "１");
  SetUpSpin(SpinButton2, 148, "１０");
  SetUpSpin(SpinButton3, 168, "６０");

  OnPaint = [this] { FormPaint(); };
  Button1.OnClick = [this] { Button1Click(); };
  const std::pair<SpinButton*, int> spins[] = {
      {&SpinButton1, 1}, {&SpinButton2, 10}, {&SpinButton3, 60}};
  for (const auto& [spin, step] : spins) {
    spin->OnUpClick = [this, step = step] { Spin(step); };
    spin->OnDownClick = [this, step = step] { Spin(-step); };
  }
  FormCreate();
}

void TTMSETBox::ShowCount() {
  Label2.SetCaption(CountText(TmSetBoxState.count, !LMsg0.Caption().empty()));
}

// The dialog must not end up behind the window that is in front.
void TTMSETBox::FormCreate() {
  BringToFront();
}

void TTMSETBox::FormPaint() {
  PaintBackground();
}

std::string TTMSETBox::Text() const {
  return LMsg0.Caption() + "\n" + LMsg1.Caption() + "\n" + LMsg2.Caption() + "\n" +
         Label2.Caption();
}

Button* TTMSETBox::AnswerButton(int result) {
  return result == kResultOk ? &Button1 : DialogForm::AnswerButton(result);
}

// The minimum is not applied while spinning, only when the value is set.
void TTMSETBox::Spin(int step) {
  TmSetBoxState.count = SpinCount(TmSetBoxState.count, step);
  ShowCount();
}

// 0 is always accepted; a smaller value is raised to the minimum, and stays raised when the user
// answers no.
void TTMSETBox::Button1Click() {
  TmSetDialogState& s = TmSetBoxState;
  if (s.count < s.minimum && s.count != 0) {
    s.count = s.minimum;
    ShowCount();
  }
  YesNoBoxDlg1.SourceHandle = static_cast<WindowHandle>(Handle());
  std::string question =
      s.subject + "を、\n" + CountText(s.count, !LMsg0.Caption().empty()) + "に、設定します";
  if (YesNoBoxDlg1.Execute(question) == kResultYes) SetModalResult(kResultOk);
}

TTmSETBoxDlg::TTmSETBoxDlg(Application& app, Desktop& desktop, WorkArea& workArea)
    : DialogComponent(app, desktop, workArea) {}

// Only the first line widens the dialog; longer second and third lines are cut off at its edge.
// The starting value is shown as given; the first arrow click brings it into range.
std::uint16_t TTmSETBoxDlg::Execute(const std::string& subject) {
  auto form = std::make_unique<TTMSETBox>(context_.app, context_.desktop, context_.workArea);
  ScopedValue<TTMSETBox*> open(TmSetBoxState.openForm, form.get());
  form->LMsg0.SetCaption(Msg0);
  int right = form->LMsg0.Left() + form->LMsg0.Width();
  if (right > form->Width()) form->SetWidth(right + kWidenMargin);
  form->LMsg1.SetCaption(Msg1);
  form->LMsg2.SetCaption(Msg2);
  TmSetBoxState.count = TCount;
  TmSetBoxState.minimum = MinCount;
  form->ShowCount();
  TmSetBoxState.subject = subject;
  std::uint16_t result = PlaceAndShow(*form, Caption());
  if (result == kResultOk) TCount = TmSetBoxState.count;
  return result;
}

}  // namespace tavel
