// The play order: the four play modes, the endless switch, the start, skip, back-skip and abort
// commands, and the advance step that chooses the next entry of the play list.
#include <chrono>

#include "base/scoped_value.h"
#include "player/player_window.h"
#include "ui/application.h"

namespace tavel {

namespace {

constexpr std::uint16_t kStartWaitPasses = 60000;
constexpr int kSingleModeIndex = 2;
constexpr int kRandomStep = 2;

unsigned SeedFromClock() {
  return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

void TTAVEL32KOLAP::WirePlayback() {
  // Each step counts as running while its handler runs, however it ends.
  Timer2.OnTimer = [this] {
    ScopedValue<int> step(playStepsRunning_, playStepsRunning_ + 1);
    Timer2Timer();
  };
  Timer11.OnTimer = [this] {
    ScopedValue<int> step(playStepsRunning_, playStepsRunning_ + 1);
    Timer11Timer();
  };
  Timer3.OnTimer = [this] {
    ScopedValue<int> step(playStepsRunning_, playStepsRunning_ + 1);
    Timer3Timer();
  };
  Timer4.OnTimer = [this] {
    ScopedValue<int> step(playStepsRunning_, playStepsRunning_ + 1);
    Timer4Timer();
  };
  ButtonStop2.OnClick = [this] { ButtonStop2Click(); };
  ScrollBar1.OnScroll = [this](ScrollCode code, int& newPos) { ScrollBar1Scroll(code, newPos); };
  // One handler skips and back-skips; the tray's items pass the button they stand for.
  Button3.OnClick = TRBS.OnClick = [this] { Button3Click(Button3); };
  Button4.OnClick = TRSKIP.OnClick = [this] { Button3Click(Button4); };
  Button5.OnClick = TR2.OnClick = TL2.OnClick = [this] { Button5Click(); };
  ListBox2.OnDblClick = [this] { Button2Click(ListBox2); };
  ListBox8.OnDblClick = [this] { Button2Click(ListBox8); };
  RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
  for (MenuItem* item : {&TRM0, &TRM1, &TRM2, &TRM3}) {
    item->OnClick = [this, item] { TRM0Click(*item); };
  }
  randomEngine_.seed(SeedFromClock());
  RandomIndex = [this](int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(randomEngine_);
  };
  RadioGroup1Click();  // the step of the group as it stands, before any setting is read
}

void TTAVEL32KOLAP::RadioGroup1Click() {
  switch (RadioGroup1.ItemIndex()) {
    case 1:
      State.PlayStep = -1;
      break;
    case 2:
      State.PlayStep = 0;
      break;
    case 3:
      State.PlayStep = kRandomStep;
      break;
    default:
      State.PlayStep = 1;
  }
}

// The tray's mode items carry the index of their mode as their tag.
void TTAVEL32KOLAP::TRM0Click(const MenuItem& sender) {
  const MenuItem* items[] = {&TRM0, &TRM1, &TRM2, &TRM3};
  for (int tag = 0; tag < 4; ++tag) {
    if (items[tag] == &sender) RadioGroup1.SetItemIndex(tag);
  }
}

void TTAVEL32KOLAP::Button2Click() {
  Button2Click(Button2);
}

// Start: stops a running sequence first and waits for it to end (a bounded number of passes),
// then starts at the selected entry. Any sender but the 再生 button plays the entry alone.
void TTAVEL32KOLAP::Button2Click(const Control& sender) {
  randomEngine_.seed(SeedFromClock());
  if (State.StartGuard != 0) {
    App().Beep();
    return;
  }
  {
    // The guard holds while a running sequence is being stopped, on every way out of that.
    ScopedValue<std::uint16_t> guard(State.StartGuard, 1);
    App().ProcessMessages();
    if (State.PlayActive == 1) {
      App().ProcessMessages();
      if (Timer3.Interval() != 0) Timer3.SetInterval(500);
      State.AbortRequest = 1;
      App().ProcessMessages();
    }
    // Each pass gives the running sequence up to a millisecond to reach its next step, so that
    // the bound of passes is about a minute on any machine, never a spin that ends before the
    // monitor's next tick could stop the old sequence. A start that arrived while a step of that
    // sequence lets events run (a double-click during the open command) runs above the step: the
    // sequence cannot end before this handler returns, so the wait gives up at once rather than
    // after the minute. The sequence then stops at its next step, as after a wait that ran out.
    while (State.PlayActive == 1) {
      State.AbortRequest = 1;
      if (playStepsRunning_ == 0) App().WaitForEvents(1);
      if (playStepsRunning_ > 0 || State.StartGuard > kStartWaitPasses) {
        State.StartGuard = 0;
        App().Beep();
        StackBoxDlg1.ShowMsg("中断ボタンを押して下さい。\n完全に停止してから再生してね☆");
        return;
      }
      ++State.StartGuard;
    }
  }
  App().ProcessMessages();
  if (Timer3.Interval() != 1000 && Timer3.Interval() != 0) Timer3.SetInterval(1000);
  if (&sender != &Button2) {
    RadioGroup1.SetItemIndex(kSingleModeIndex);
    State.PlayStep = 0;
  }
  State.SkipCommand = 1;
  State.PlayActive = 1;
  State.AbortRequest = 0;
  State.WrapState = 0;
  if (START2.Checked()) {
    if (State.Closing) return;
    EnterTray();
  }
  App().ProcessMessages();
  Timer2.SetEnabled(true);
}

// With "最小化立ち上げ" the player starts and plays from the tray: the icon shows, the window and
// its taskbar button go. When the shell refuses the icon the window stays, the refusal is
// reported, and the start-up or the start of playing goes on: the error must not leave a
// sequence marked as playing with no step armed.
void TTAVEL32KOLAP::EnterTray() {
  if (TrayActive) return;
  std::string refusal;
  if (!OfferTrayIcon(refusal)) {
    App().ShowError(refusal);
    return;
  }
  Hide();
  App().ProcessMessages();
  App().Backend().HideTaskbarButton();
  App().ProcessMessages();
}

// Skip and back-skip only leave a request for the monitor; with nothing playing they start at the
// selected entry.
void TTAVEL32KOLAP::Button3Click(const Control& sender) {
  State.SkipCommand = &sender == &Button3 ? -1 : 2;
  if (State.PlayActive != 1) Button2Click(Button2);
}

void TTAVEL32KOLAP::Button5Click() {
  State.AbortRequest = 1;
}

// Advance: the next entry by the mode; a skip moves like a normal advance, a back-skip against
// the mode's direction. Random mode draws in the pick step and never ends by itself.
void TTAVEL32KOLAP::Timer4Timer() {
  Timer4.SetEnabled(false);
  if (State.AbortRequest == 1) {
    ClosePlayback();
    return;
  }
  if (State.PlayStep == kRandomStep) {
    State.SkipCommand = 1;
    App().ProcessMessages();
    Timer2.SetEnabled(true);
    return;
  }
  if (State.PlayStep == 1 || State.PlayStep == -1) {
    int count = ListBox2.Count();
    int direction = State.SkipCommand == 2 ? 1 : State.SkipCommand;
    int index = ListBox2.ItemIndex() + State.PlayStep * direction;
    State.SkipCommand = 1;
    if (index < 0) {
      if (!PassesWrapCheck()) return;
      index = count - 1;
    }
    if (index > count - 1) {
      if (!PassesWrapCheck()) return;
      index = 0;
    }
    SelectEntry(index);
  }
  State.SkipCommand = 1;
  if (State.PlayStep == 0 && !PassesWrapCheck()) return;
  App().ProcessMessages();
  Timer2.SetEnabled(true);
}

// At either end of the list, and for every repetition in single mode: without endless the
// sequence ends; a second wrap in which nothing has played ends it with a message.
bool TTAVEL32KOLAP::PassesWrapCheck() {
  if (!CheckBox1.Checked()) {
    ClosePlayback();
    return false;
  }
  if (State.WrapState == 2) {
    App().Beep();
    StackBoxDlg1.ShowTimedMsg("再生対象データがありません・・・");
    ClosePlayback();
    return false;
  }
  if (State.WrapState == 0) State.WrapState = 2;
  return true;
}

void TTAVEL32KOLAP::SelectEntry(int index) {
  ListBox2.SetItemIndex(index);
  if (!SSN.Checked()) return;
  ScopedValue<std::int32_t> sync(State.ListSync, 1);
  ListBox8.SetItemIndex(index);
}

}  // namespace tavel
