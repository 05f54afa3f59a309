// Closing the player window: refusing while a start waits, stopping playback, saving, releasing.
#include <new>
#include <vector>

#include "player/player_window.h"
#include "player/settings.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::FormCloseQuery(bool& canClose) {
  if (State.InitState != 0) {
    // A second request while the forced exit's message is open: the first one closes the window.
    if (ForcedExitBegun) {
      canClose = false;
      return;
    }
    ForcedExitBegun = true;
    // The message box lets events run; the start-up stage must not run under it.
    Timer6.SetEnabled(false);
    ForcedExitMessage();
    return;
  }
  if (State.StartGuard != 0) {
    App().Beep();
    canClose = false;
    return;
  }
  RunCloseSequence();
}

// The Windows session ends (log-off, shut-down, often with the player in the tray) and the process
// goes straight after: the close sequence runs now and saves as a normal close does. Nothing may
// refuse it: a start that still waits is given up. Before the start-up has ended there is nothing
// to save, and a close already under way (the emergency exit among them) goes its own way.
void TTAVEL32KOLAP::FormEndSession() {
  if (State.InitState != 0 || State.Closing || IsClosed()) return;
  State.StartGuard = 0;
  Close();
}

void TTAVEL32KOLAP::RunCloseSequence() {
  State.StartGuard = 1;
  App().ProcessMessages();
  if (State.PlayActive == 1) {
    State.AbortRequest = 1;
    App().ProcessMessages();
  }
  State.Closing = 1;
  for (int pass = 0; pass < 2; ++pass) {
    for (Timer* t : {&Timer2, &Timer3, &Timer4, &Timer11}) t->SetInterval(0);
    App().ProcessMessages();
  }
  ClosePlayback();
  // The sender no longer sends anything now; the device is closed past it.
  State.LastMciResult = SendMciDirect("Close Kolap wait");
  App().ProcessMessages();
  RemoveTrayIcon();
  ReleaseMediaKeys();
  App().ProcessMessages();
  if (State.EmergencyExit) {
    State.HistoryList.reset();
    State.ExtensionList.reset();
    return;
  }
  // A close that arrived while a command was on its way to MCI closes the device once more after
  // it.
  if (State.MciBusy) {
    for (int pass = 0; pass < 3 && State.MciBusy; ++pass) App().ProcessMessages();
    State.LastMciResult = SendMciDirect("Close Kolap wait");
  }
  SaveHistory();
  State.HistoryList.reset();
  State.ExtensionList.reset();
  if (!CloseBuffersAvailable()) return;
  WriteSettings(
      services_.registry, services_.mutexes, CurrentSettings(),
      [this](const std::string& label) { StackBoxDlg1.ShowMsg(ReportSaveFailureText(label)); });
}

// The close works in three buffers (1000, 302 and 302 bytes); without them no setting is written.
bool TTAVEL32KOLAP::CloseBuffersAvailable() {
  const std::size_t sizes[] = {1000, 302, 302};
  for (int i = 0; i < 3; ++i) {
    try {
      Allocation(11 + i);
      std::vector<char> buffer(sizes[i]);
    } catch (const std::bad_alloc&) {
      StackBoxDlg1.ShowMsg("E" + std::to_string(i + 1) + ":メモリー確保に失敗しました・・・");
      return false;
    }
  }
  return true;
}

SettingsSnapshot TTAVEL32KOLAP::CurrentSettings() {
  SettingsSnapshot snapshot;
  snapshot.WindowPosition = {Left(), Top()};
  snapshot.WindowNumber = State.WindowNumber;
  PlayerSettings& s = snapshot.Settings;
  // With nothing picked in the selector (the memory asked for at start-up did not exist) the first
  // memory is saved, so that the next start does not report the same failure again.
  s.MemoryIndex = ComboBox1.ItemIndex() >= 0 ? ComboBox1.ItemIndex() : 0;
  s.NameDisplay = SSN.Checked();
  s.PlayModeIndex = RadioGroup1.ItemIndex();
  s.Endless = CheckBox1.Checked();
  s.AutoPlay = Start1.Checked();
  s.StartInTray = START2.Checked();
  s.HistoryLimit = State.HistoryLimit;
  s.PlayBar = SAISEIBAR.Checked();
  s.SavedIndex = ListBox2.ItemIndex();
  s.Hints = ShowHint();
  s.StandardColors = BackColor.Checked();
  s.Mp3AndWma = MP3WMA.Checked();
  return snapshot;
}

}  // namespace tavel
