// The MCI playback engine: the command sender, the pick, open-and-play and monitor steps, the play
// bar and the end of a play sequence.
#include <algorithm>

#include "base/scoped_value.h"
#include "lists/playable.h"
#include "platform/mci.h"
#include "player/file_info.h"
#include "player/playback_rules.h"
#include "player/player_window.h"
#include "text/name_case.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

namespace {

// Not an MCI code: the command was not sent because it does not fit the command buffer.
constexpr std::int32_t kCommandTooLong = 0x7FFF;
constexpr int kMonitorInterval = 1000;
constexpr int kMonitorSoonInterval = 500;
// A file whose position stands still short of its length for this many polls in a row (three
// seconds) has ended: a truncated file, whose header promises more than its data holds, stops
// there and would otherwise hold a background player for ever. One or two polls at the same place
// can be a device that is slow to start; three are not playing. A file held by ■ stands still on
// purpose and is left alone.
constexpr int kStalledPollsAtEnd = 3;

}  // namespace

std::int32_t TTAVEL32KOLAP::SendMci(const std::string& command, std::string* answer) {
  if (State.Closing) return -1;
  std::int32_t result = kCommandTooLong;
  {
    ScopedValue<std::int32_t> busy(State.MciBusy, 1);
    App().ProcessMessages();
    // The close may have begun while events ran; a command sent now would reach a device that
    // the close has already shut.
    if (State.Closing) return -1;
    if (!command.empty()) MciCommand = command;
    if (MciCommand.size() <= kMciCommandCapacity) {
      result = static_cast<std::int32_t>(
          services_.mci.SendString(MciCommand, MciReturn, State.MciReturnSize));
    }
    // Taken before events run again: a command sent by a handler in between would overwrite it.
    if (answer) *answer = MciReturn;
  }
  App().ProcessMessages();
  return result;
}

std::int32_t TTAVEL32KOLAP::SendMciDirect(const std::string& command) {
  MciCommand = command;
  return static_cast<std::int32_t>(
      services_.mci.SendString(MciCommand, MciReturn, State.MciReturnSize));
}

void TTAVEL32KOLAP::ClosePlayback() {
  PanelBar.SetVisible(false);
  State.PlayActive = 0;
  stopPending_ = false;
  RestoreIdleTitle();
  State.LastMciResult = SendMci("Close Kolap wait");
}

// The entry is not played: on to the advance step.
void TTAVEL32KOLAP::SkipToAdvance() {
  App().ProcessMessages();
  stopPending_ = false;
  Timer4.SetEnabled(true);
}

// Pick and check: the entry to play next, its file information, its type and the title.
void TTAVEL32KOLAP::Timer2Timer() {
  Timer2.SetEnabled(false);
  stopPending_ = false;  // a stop waiting for the previous file does not stop the next one
  Label6.SetCaption("0");
  if (State.AbortRequest == 1) {
    ClosePlayback();
    return;
  }
  if (SSN.Checked()) ListBox2.SetItemIndex(ListBox8.ItemIndex());
  int count = ListBox2.Count();
  if (count == 0) {
    ClosePlayback();
    App().Beep();
    return;
  }
  int index = std::clamp(ListBox2.ItemIndex(), 0, count - 1);
  if (State.PlayStep == 2) {
    int range = count % 65536;
    index = range > 0 && RandomIndex ? std::clamp(RandomIndex(range), 0, count - 1) : 0;
  }
  ListBox2.SetItemIndex(index);
  std::string path = ListBox2.Item(index);
  ShowFileInfo();
  if (StatusBar2.PanelText(1) == kMissingSizeText ||
      !IsPlayableType(path, State.ExtensionList ? *State.ExtensionList : StringList{})) {
    SkipToAdvance();
    return;
  }
  SetPlayTitle(State.PlayTitlePrefix + UpperCaseName(DisplayName(path)) + " (再生中)");
  State.CurrentFile = path;
  App().ProcessMessages();
  Timer11.SetEnabled(true);
}

// Open and play. A file that cannot be opened, measured or played is closed again and skipped
// without a message; so is a path too long for the command buffer, which is never sent at all.
void TTAVEL32KOLAP::Timer11Timer() {
  Timer11.SetEnabled(false);
  auto fail = [this] {
    SendMci("Close Kolap wait");
    SkipToAdvance();
  };
  std::optional<std::string> open = OpenCommand(State.CurrentFile);
  if (!open || SendMci(*open) != 0) {
    fail();
    return;
  }
  SendMci("Set Kolap time format ms wait");
  std::string length;
  std::int32_t result = SendMci("status Kolap length wait", &length);
  if (result == -1) return;
  if (result != 0) {
    fail();
    return;
  }
  State.TrackLength = MciNumber(length);
  ShowTrackLength();
  result = SendMci("play Kolap");
  if (result == -1) return;
  if (result != 0) {
    fail();
    return;
  }
  if (SAISEIBAR.Checked()) PanelBar.SetVisible(true);
  State.WrapState |= 1;
  AppendHistory(State.CurrentFile);
  App().ProcessMessages();
  ArmMonitor();
}

void TTAVEL32KOLAP::ShowTrackLength() {
  Label5.SetCaption(std::to_string(State.TrackLength / 1000));
  Label6.SetCaption("0");
  PlayBar bar = PlayBarFor(State.TrackLength);
  ScrollBar1.SetPosition(0);
  ScrollBar1.SetRange(0, bar.max);
  State.BarScale = bar.scale;
  State.ResumeAfterSeek = 0;
  WatchPositionAfresh();
  stoppedByUser_ = false;
}

void TTAVEL32KOLAP::WatchPositionAfresh() {
  lastPolledPosition_ = -1;
  stalledPolls_ = 0;
}

// True when the position just polled has stood still long enough to count as the end.
bool TTAVEL32KOLAP::PositionStalled() {
  if (stoppedByUser_ || State.TrackPosition != lastPolledPosition_) {
    stalledPolls_ = 0;
  } else {
    ++stalledPolls_;
  }
  lastPolledPosition_ = State.TrackPosition;
  return stalledPolls_ >= kStalledPollsAtEnd;
}

void TTAVEL32KOLAP::ShowTrackPosition() {
  if (State.TrackPosition == 0) {
    Label6.SetCaption("0");
    ScrollBar1.SetPosition(0);
    return;
  }
  Label6.SetCaption(std::to_string(State.TrackPosition / 1000));
  ScrollBar1.SetPosition(State.TrackPosition / std::max(State.BarScale, 1));
}

// Arms the monitor, then carries out a stop that was pressed while it was not armed.
void TTAVEL32KOLAP::ArmMonitor() {
  Timer3.SetEnabled(true);
  ApplyPendingStop();
}

// Monitor: once a second the position, the time label and the bar; the end of the file, a skip,
// an abort or a failed query close the file.
void TTAVEL32KOLAP::Timer3Timer() {
  Timer3.SetEnabled(false);
  App().ProcessMessages();
  if (Timer3.Interval() != kMonitorInterval && Timer3.Interval() != 0) {
    Timer3.SetInterval(kMonitorInterval);
  }
  if (State.ResumeAfterSeek == 1) {
    State.ResumeAfterSeek = 0;
    stoppedByUser_ = false;
    WatchPositionAfresh();
    State.LastMciResult = SendMci("play KOLAP");
    App().ProcessMessages();
    ArmMonitor();
    return;
  }
  std::string position;
  State.LastMciResult = SendMci("status Kolap position", &position);
  bool stalled = false;
  if (State.LastMciResult == 0) {
    State.TrackPosition = MciNumber(position);
    ShowTrackPosition();
    stalled = PositionStalled();
  }
  bool ended = State.TrackPosition + 2 >= State.TrackLength || State.AbortRequest == 1 ||
               State.SkipCommand != 1 || State.LastMciResult != 0 || stalled;
  if (!ended) {
    App().ProcessMessages();
    ArmMonitor();
    return;
  }
  PanelBar.SetVisible(false);
  App().Backend().Repaint(PanelBar);
  stoppedByUser_ = false;
  State.LastMciResult = SendMci("Close Kolap wait");
  if (State.AbortRequest == 1) {
    ClosePlayback();
  } else {
    SkipToAdvance();
  }
}

// ■: the file stays open at its place and the monitor keeps polling. The stop needs the monitor
// armed and disarms it while it works; pressed while the monitor is not armed (a monitor tick or
// the open step is letting events run), the stop waits until the monitor is armed again.
void TTAVEL32KOLAP::ButtonStop2Click() {
  if (State.PlayActive != 1 || State.Closing) return;
  stopPending_ = true;
  ApplyPendingStop();
}

void TTAVEL32KOLAP::ApplyPendingStop() {
  while (stopPending_ && Timer3.Enabled()) {
    stopPending_ = false;
    Timer3.SetEnabled(false);
    State.LastMciResult = SendMci("stop KOLAP wait");
    stoppedByUser_ = true;
    App().ProcessMessages();
    if (Timer3.Interval() != 0) Timer3.SetInterval(kMonitorSoonInterval);
    Timer3.SetEnabled(true);
  }
}

// A stop still waiting for the monitor is called off; a file that ■ holds plays on at the
// monitor's next tick, from where it stands.
void TTAVEL32KOLAP::PlayOnFromStop() {
  stopPending_ = false;
  if (stoppedByUser_) State.ResumeAfterSeek = 1;
}

// The seek bar: pause, seek to where the thumb stood when the event arrived, and let the next
// monitor tick play on from there.
void TTAVEL32KOLAP::ScrollBar1Scroll(ScrollCode, int&) {
  int position = ScrollBar1.Position();
  State.ResumeAfterSeek = 1;
  State.LastMciResult = SendMci("pause KOLAP wait");
  if (State.LastMciResult != 0) return;
  if (position == 0) {
    State.LastMciResult = SendMci("seek Kolap to start wait");
    Label6.SetCaption("0");
    return;
  }
  std::int64_t ms = static_cast<std::int64_t>(position) * State.BarScale;
  State.LastMciResult = SendMci("seek Kolap to " + std::to_string(ms) + " wait");
  Label6.SetCaption(std::to_string(ms / 1000));
}

}  // namespace tavel
