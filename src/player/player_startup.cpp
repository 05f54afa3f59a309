// The player window's creation, its staged start-up and the forced exit after a failed stage.
#include <new>

#include "base/scoped_value.h"
#include "dialogs/dialog_placement.h"
#include "lists/playable.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "player/player_window.h"
#include "player/settings.h"
#include "player/window_number.h"
#include "product/layout.h"
#include "text/date_format.h"
#include "ui/application.h"

namespace tavel {

namespace {
constexpr const char* kMemoryFailure = "メモリーが確保できませんでした。";
}

void TTAVEL32KOLAP::FormCreate() {
  App().SetHintPause(100);
  State.MciBusy = State.Closing = State.EmergencyExit = 0;
  State.TrayMenuPending = 0;
  State.InitState = 1;
  State.InitErrorLabel = "エラー：１";
  State.ListWidthMargin = Width() - ListBox2.Width();
  State.ListHeightMargin = Height() - ListBox2.Height();
  State.ListMinWidth = ListBox2.Width();
  State.ListMinHeight = ListBox2.Height();
  PlaceFromSettings();
  for (MenuItem* menu : {&MHELP0, &MOption0, &MStart0}) menu->SetEnabled(false);
  Size client = ClientSize();
  PanelOPEN.SetBounds({0, 0, client.width, client.height});
  MeasurePanelWidths();
  Timer6.SetEnabled(true);
}

// The saved position, or the centre of the screen, kept inside the player's own work area.
void TTAVEL32KOLAP::PlaceFromSettings() {
  Size window{Width(), Height()};
  Point centred = CentredPosition(services_.desktop.ScreenSize(), window);
  // Read as the start-up reads every setting: the key is created when it is missing.
  const std::string fp =
      services_.registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kPositionValue, true);
  PlayerWorkArea.TaskbarWindow = 0;
  ComputeWorkArea(services_.desktop, PlayerWorkArea);
  Point p = KeepInsideWorkArea(PlayerWorkArea, ReadWindowPosition(fp, centred), window);
  SetBounds({p.x, p.y, window.width, window.height});
}

// A close requested while a stage lets events run (the load failure's message) begins the forced
// exit; nothing of the start-up goes on after that.
void TTAVEL32KOLAP::Timer6Timer() {
  Timer6.SetEnabled(false);
  if (ForcedExitBegun) return;
  bool started = RunStartupStages();
  if (ForcedExitBegun) return;
  if (!started) {
    TimerEROUT.SetEnabled(true);
    return;
  }
  FinishStartup();
}

// Steps 1 to 14 of the start-up. A stage that cannot get its memory sets its label and ends the
// start-up; the forced exit then reports it when the window closes.
bool TTAVEL32KOLAP::RunStartupStages() {
  auto fail = [this](int initState, const char* label) {
    State.InitState = initState;
    State.InitErrorLabel = label;
    return false;
  };
  try {
    Allocation(1);
    State.ExtensionList = std::make_unique<StringList>();
  } catch (const std::bad_alloc&) {
    return fail(1, "初期化１：");
  }
  try {
    Allocation(2);
    State.HistoryList = std::make_unique<StringList>();
  } catch (const std::bad_alloc&) {
    State.ExtensionList.reset();
    return fail(1, "初期化３h：");
  }
  State.InitState = 2;
  State.InitErrorLabel = "エラー：２";
  State.MciReturnSize = 302;
  State.LowerCaseNames = 1;
  MemoryCountsRefreshed = false;
  State.ListSync = 0;
  State.StartGuard = 0;
  State.CurrentFile.clear();

  ShowNamePanel("ファイル名表示");
  ShowSizePanel("ﾌｧｲﾙｻｲｽﾞ");
  Clock& clock = services_.clock;
  ShowDatePanel(FormatDateTime(" yy/mm/dd ddd hh:mm:ss ", clock.Now(), clock.DateSeparator(),
                               clock.TimeSeparator()) +
                "rsha");

  std::vector<char> work1, work2, work3;
  try {
    Allocation(5);
    *State.ExtensionList = PlayableTypes();
    State.AbortRequest = 0;
  } catch (const std::bad_alloc&) {
    return fail(2, "初期化４：");
  }
  const char* bufferLabels[] = {"初期化５：", "初期化６：", "初期化７："};
  std::vector<char>* buffers[] = {&work1, &work2, &work3};
  for (int i = 0; i < 3; ++i) {
    try {
      Allocation(6 + i);
      buffers[i]->resize(i < 2 ? 302 : 1000);
    } catch (const std::bad_alloc&) {
      return fail(2, bufferLabels[i]);
    }
  }

  ApplySettings();
  WindowNumberClaim claim = ClaimWindowNumber(services_.registry, services_.mutexes);
  State.WindowNumber = claim.number;
  numberMark_ = std::move(claim.mark);
  TrayActive = false;
  std::string number = std::to_string(State.WindowNumber);
  State.PlayTitlePrefix = number + "楽蔵32 ";
  State.IdleTitle = number + "楽蔵32 TAVEL";
  RestoreIdleTitle();
  if (!LoadStartMemory()) StackBoxDlg1.ShowMsg("メモリーデータのロード処理に失敗しました・・・");
  if (ForcedExitBegun) return false;
  ApplySavedIndex();
  State.InitState = 0;
  return true;
}

// Reads the stored settings into the menus, the lists and the play controls.
void TTAVEL32KOLAP::ApplySettings() {
  PlayerSettings s;
  if (auto key = OpenSettingsKey(services_.registry)) {
    s = ReadSettings(*key);
  }
  ScopedValue<std::uint8_t> sync(State.MenuSync, 1);
  State.HistoryLimit = s.HistoryLimit;
  UpdateHistoryCaption();
  SAISEIBAR.SetChecked(s.PlayBar);
  BackColor.SetChecked(s.StandardColors);
  ApplyListColours();
  SetShowHint(s.Hints);
  HELP3.SetChecked(s.Hints);
  SSN.SetChecked(s.NameDisplay);
  ListBox8.SetVisible(s.NameDisplay);
  ListBox2.SetVisible(!s.NameDisplay);
  State.CurrentMemory = static_cast<std::uint8_t>(s.MemoryIndex);
  RadioGroup1.SetItemIndex(s.PlayModeIndex);
  CheckBox1.SetChecked(s.Endless);
  Start1.SetChecked(s.AutoPlay);
  START2.SetChecked(s.StartInTray);
  MP3WMA.SetChecked(s.Mp3AndWma);
  ApplyFileTypes();
}

void TTAVEL32KOLAP::ApplySavedIndex() {
  int index = 0;
  if (auto key = OpenSettingsKey(services_.registry)) {
    index = ReadSavedIndex(*key);
  }
  if (index >= ListBox2.Count()) return;
  ListBox2.SetItemIndex(index);
  if (SSN.Checked()) ListBox8.SetItemIndex(index);
}

// Steps 15 to 17: uncover the window (or go to the tray), enable the menus, start playing if asked.
void TTAVEL32KOLAP::FinishStartup() {
  TakeMediaKeys();
  if (!START2.Checked()) PanelOPEN.SetVisible(false);
  for (MenuItem* menu : {&MHELP0, &MOption0, &MStart0}) menu->SetEnabled(true);
  if (START2.Checked()) {
    EnterTray();
    PanelOPEN.SetVisible(false);
  }
  if (Start1.Checked()) Button2Click();
}

void TTAVEL32KOLAP::TimerEROUTTimer() {
  TimerEROUT.SetEnabled(false);
  Close();
}

void TTAVEL32KOLAP::ForcedExitMessage() {
  StackBoxDlg1.ShowMsg(State.InitErrorLabel + kMemoryFailure + "\n" + "強制終了します。");
  if (State.InitState == 2) {
    State.HistoryList.reset();
    State.ExtensionList.reset();
  }
}

}  // namespace tavel
