// The player window: its controls, menus, timers and shared state; the handlers live in the files
// of src/player/ by subject (start-up, titles, status panels, closing).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "dialogs/about_box.h"
#include "dialogs/stack_box.h"
#include "dialogs/tm_set_box.h"
#include "dialogs/work_area.h"
#include "dialogs/yes_no_box.h"
#include "platform/named_mutex.h"
#include "platform/services.h"
#include "platform/tray.h"
#include "player/media_keys.h"
#include "player/memory_lists.h"
#include "player/player_state.h"
#include "player/settings.h"
#include "product/entry_state.h"
#include "product/identity.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/list_controls.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace tavel {

class TTAVEL32KOLAP : public Form {
 public:
  TTAVEL32KOLAP(Application& app, Services& services, const EntryState& entry);
  ~TTAVEL32KOLAP() override;

  PlayerState State;

  // Components, in the order the window lays them out.
  ComboBox ComboBox1{this, "ComboBox1"};
  Label Label5{this, "Label5"};
  Label Label6{this, "Label6"};
  CheckBox CheckBox1{this, "CheckBox1"};
  ListBox ListBox2{this, "ListBox2"};
  ListBox ListBox8{this, "ListBox8"};
  ListBox ListBox5{this, "ListBox5"};
  Panel Panel4{this, "Panel4"};
  Panel PanelBar{this, "PanelBar"};
  Button ButtonStop2{&PanelBar, "ButtonStop2"};
  ScrollBar ScrollBar1{&PanelBar, "ScrollBar1"};
  Panel PanelFSD{this, "PanelFSD"};
  Label Label2{&PanelFSD, "Label2"};
  StatusBar StatusBar2{&PanelFSD, "StatusBar2"};
  Panel PanelCMD{this, "PanelCMD"};
  RadioGroup RadioGroup1{&PanelCMD, "RadioGroup1"};
  Button Button2{&PanelCMD, "Button2"};
  Button Button3{&PanelCMD, "Button3"};
  Button Button4{&PanelCMD, "Button4"};
  Button Button5{&PanelCMD, "Button5"};
  Button ButtonTRAY{&PanelCMD, "ButtonTRAY"};
  Button Button6{&PanelCMD, "Button6"};
  Panel PanelOPEN{this, "PanelOPEN"};

  // The menu bar: スタート, オプション and ヘルプ.
  MenuItem MainMenu1{nullptr, "MainMenu1", ""};
  MenuItem MStart0{&MainMenu1, "MStart0", "スタート"};
  MenuItem Start1{&MStart0, "Start1", "自動立ち上げ"};
  MenuItem N2{&MStart0, "N2", "-"};
  MenuItem START2{&MStart0, "START2", "最小化立ち上げ"};
  MenuItem MOption0{&MainMenu1, "MOption0", "オプション"};
  MenuItem SSN{&MOption0, "SSN", "ﾌｧｲﾙ名表示ＯＮ"};
  MenuItem N3{&MOption0, "N3", "-"};
  MenuItem BackColor{&MOption0, "BackColor", "バックカラーを標準色にする"};
  MenuItem N4{&MOption0, "N4", "-"};
  MenuItem SAISEIBAR{&MOption0, "SAISEIBAR", "再生バーＯＮ"};
  MenuItem N5{&MOption0, "N5", "-"};
  MenuItem FILEHIS{&MOption0, "FILEHIS", "ファイルヒストリーの設定　ＯＦＦ"};
  MenuItem N16{&MOption0, "N16", "-"};
  MenuItem MP3WMA{&MOption0, "MP3WMA", "ＭＰ３・ＷＭＡ再生ＯＮ"};
  MenuItem MHELP0{&MainMenu1, "MHELP0", "ヘルプ"};
  MenuItem HELP1{&MHELP0, "HELP1", "使い方..."};
  MenuItem N1{&MHELP0, "N1", "-"};
  MenuItem HELP2{&MHELP0, "HELP2", "バージョン情報..."};
  MenuItem N6{&MHELP0, "N6", "-"};
  MenuItem HELP3{&MHELP0, "HELP3", "ミニヘルプＯＮ"};
  MenuItem N8{&MHELP0, "N8", "-"};
  MenuItem OOMOJI{&MHELP0, "OOMOJI", "ﾌｧｲﾙ名大文字表示ON"};
  MenuItem N14{&MHELP0, "N14", "-"};
  MenuItem help4{&MHELP0, "help4", "ﾊﾞｰｼﾞｮﾝ番号削除..."};
  MenuItem N15{&MHELP0, "N15", "-"};
  MenuItem MHELP3{&MHELP0, "MHELP3", "緊急脱出装置"};

  // The tray icon's left-click menu: start and stop.
  MenuItem PopupMenuTL{nullptr, "PopupMenuTL", ""};
  MenuItem TL1{&PopupMenuTL, "TL1", "再生開始"};
  MenuItem TL2{&PopupMenuTL, "TL2", "中断"};
  MenuItem N7{&PopupMenuTL, "N7", "-"};
  MenuItem TLX{&PopupMenuTL, "TLX", "このメニューを閉じる"};

  // The tray icon's right-click menu: playing, the play modes, leaving the tray and the end.
  MenuItem PopupMenuTR{nullptr, "PopupMenuTR", ""};
  MenuItem TR1{&PopupMenuTR, "TR1", "再生"};
  MenuItem TR2{&PopupMenuTR, "TR2", "中断"};
  MenuItem N9{&PopupMenuTR, "N9", "-"};
  MenuItem TRSKIP{&PopupMenuTR, "TRSKIP", "スキップ"};
  MenuItem TRBS{&PopupMenuTR, "TRBS", "バックスキップ"};
  MenuItem N13{&PopupMenuTR, "N13", "-"};
  MenuItem TRM0{&PopupMenuTR, "TRM0", "連続"};
  MenuItem TRM1{&PopupMenuTR, "TRM1", "逆連"};
  MenuItem TRM2{&PopupMenuTR, "TRM2", "単独"};
  MenuItem TRM3{&PopupMenuTR, "TRM3", "ランダム"};
  MenuItem N10{&PopupMenuTR, "N10", "-"};
  MenuItem TRIconOff{&PopupMenuTR, "TRIconOff", "常駐解除　（元の画面に戻る）"};
  MenuItem N11{&PopupMenuTR, "N11", "-"};
  MenuItem TROFF{&PopupMenuTR, "TROFF", "終了"};
  MenuItem N12{&PopupMenuTR, "N12", "-"};
  MenuItem TRX{&PopupMenuTR, "TRX", "このメニューを閉じる"};

  Timer Timer6{*this, "Timer6", 500};
  Timer TimerEROUT{*this, "TimerEROUT", 100};
  Timer Timer2{*this, "Timer2", 100};
  Timer Timer11{*this, "Timer11", 100};
  Timer Timer3{*this, "Timer3", 1000};
  Timer Timer4{*this, "Timer4", 100};

  TStackBoxDlg StackBoxDlg1;
  TYesNoBoxDlg YesNoBoxDlg1;
  TAboutBoxDlg AboutBoxDlg1;
  TTmSETBoxDlg TmSETBoxDlg1;

  // The size of the file history, set with the count setting dialog.
  void FILEHISClick();
  void WireHistoryMenu();

  // The help menu's own commands: the help text, deleting the version number, the emergency exit.
  void HELP1Click();
  void help4Click();
  void MHELP3Click();
  void WireHelpMenu();

  // MP3 and WMA files among the types played, or not: the menu switch and the accepted types.
  void MP3WMAClick();
  void ApplyFileTypes();
  void WireFileTypesMenu();

  // The version information, in the about box.
  void HELP2Click();
  void WireAboutMenu();

  // Start-up and window handling.
  void FormCreate();
  void Timer6Timer();
  void TimerEROUTTimer();
  void FormResize();
  void FormPaint();
  void FormCloseQuery(bool& canClose);
  void FormEndSession();
  void Button6Click();

  // Titles: the application title and caption (and the tray tip) follow what plays.
  void RestoreIdleTitle();
  void SetPlayTitle(const std::string& text);

  // Status bar panels with their self-adjusting widths.
  void MeasurePanelWidths();
  void ShowNamePanel(const std::string& text);
  void ShowSizePanel(const std::string& text);
  void ShowDatePanel(const std::string& text);

  // Colours of the lists: the system window colour, or the window's own colour.
  void ApplyListColours();
  // The play bar while playing, on or off.
  void SAISEIBARClick();
  // The caption of the history menu item for the current limit.
  void UpdateHistoryCaption();

  // Memory lists and the history (the list files beside the executable).
  bool LoadStartMemory();
  void LoadMemory();
  void RefreshMemoryCounts();
  void AppendHistory(const std::string& path);
  void SaveHistory();

  // File information and the name-only list.
  void ShowFileInfo();
  void RebuildNameList();
  void ListBox8Click();
  void SSNClick();
  void OOMOJIClick();
  void MHELP0Click();
  void StatusBar2Click();

  // Lets a test make an allocation fail (by throwing std::bad_alloc): start-up stages 1 to 8,
  // the close's work buffers 11 to 13.
  std::function<void(int stage)> BeforeAllocation;
  // The memory counts have been refreshed, at the selector's first focus of the run.
  bool MemoryCountsRefreshed = false;
  // The history file as start-up read it, and how many plays this run has recorded: the close
  // adds them to what another player has written meanwhile.
  HistoryOrigin HistoryAtStart;
  std::size_t HistoryAddedThisRun = 0;
  // A close came before the start-up had ended: the forced exit runs, the start-up no more.
  bool ForcedExitBegun = false;

  // The task tray: the icon (its tip follows the title), its callback message with the mouse
  // message, the two pop-up menus' opening handlers, entering and leaving the tray.
  void AddTrayIcon();  // adds the icon, or updates it when shown; throws TrayError when refused
  void RemoveTrayIcon();
  void UpdateTrayTip();  // the icon for a new title; a refusal is reported, never thrown
  void ShellStarted();   // the shell has started again without the icon
  bool OfferTrayIcon(std::string& refusal);  // AddTrayIcon; false with the shell's refusal
  void TrayIconMessage(std::intptr_t mouseMessage);
  void PopupMenuTLPopup();
  void PopupMenuTRPopup();
  void ButtonTRAYClick();
  void TRIconOffClick();
  bool TrayActive = false;       // the icon is shown
  std::string TrayTip;           // the tip, cut to what the icon holds
  TrayIconData TrayData;         // the record given to the shell
  bool TrayMessageBusy = false;  // the icon's callback runs

  // The player window's own work area, kept apart from the one all dialogs share.
  WorkArea PlayerWorkArea;

  // Playback: the MCI command sender and the chain of one-shot steps pick (Timer2), open and
  // play (Timer11), monitor (Timer3) and advance (Timer4), with the play bar.
  std::int32_t SendMci(const std::string& command, std::string* answer = nullptr);
  // Sends a command even while closing (the close sequence's own "Close Kolap wait").
  std::int32_t SendMciDirect(const std::string& command);
  void ClosePlayback();
  void Timer2Timer();
  void Timer11Timer();
  void Timer3Timer();
  void ButtonStop2Click();
  void ScrollBar1Scroll(ScrollCode code, int& newPos);
  std::string MciCommand;  // the last command text given to MCI
  std::string MciReturn;   // the last answer of MCI

  // Play order: the modes, the start, skip, back-skip and abort commands, the advance step.
  void Button2Click();  // as the 再生 button
  void Button2Click(const Control& sender);
  void Button3Click(const Control& sender);
  void Button5Click();
  void RadioGroup1Click();
  void TRM0Click(const MenuItem& sender);
  void Timer4Timer();
  // Draws an index from 0 to count - 1 for random mode; tests may replace it.
  std::function<int(int count)> RandomIndex;

  // The keyboard's media keys: taken as hot keys when the start-up ends, given back at the close;
  // each key does what its button does.
  void TakeMediaKeys();
  void ReleaseMediaKeys();
  void MediaKeyPressed(MediaKey key, MediaKeyRoute route);
  // ■ holds the playing file (or will, once the monitor is armed).
  bool HeldByStop() const { return stoppedByUser_ || stopPending_; }
  // Plays on from where ■ holds the file, as the seek bar does: at the monitor's next tick.
  void PlayOnFromStop();

 private:
  void WirePlayback();
  void WireTray();
  void WireMediaKeys();
  void ShowTrayPlayItems(MenuItem& play, MenuItem& interrupt, const std::string& playCaption);
  void ArmMonitor();
  void ApplyPendingStop();
  void SkipToAdvance();
  void ShowTrackLength();
  void ShowTrackPosition();
  void WatchPositionAfresh();
  bool PositionStalled();
  bool PassesWrapCheck();
  void SelectEntry(int index);
  void EnterTray();
  std::mt19937 randomEngine_;
  bool stopPending_ = false;          // ■ pressed while the monitor was not armed
  bool trayRefusalReported_ = false;  // the shell's refusal of the icon has been shown once
  int playStepsRunning_ = 0;          // play step handlers on the stack (they let events run)
  // The monitor's watch for a file that stops short of its length.
  std::int32_t lastPolledPosition_ = -1;
  int stalledPolls_ = 0;
  bool stoppedByUser_ = false;                       // ■ holds the file where it stands
  WindowHandle mediaKeysWindow_ = 0;                 // the window the hot keys were taken for
  bool mediaKeysTaken_[std::size(kMediaKeys)] = {};  // by MediaKey: held as a hot key

 protected:
  Services& services_;

 private:
  void BuildLayout();
  void BuildCommandPanel();
  void WireHandlers();
  void WireListHandlers();
  std::string ListFolder();
  void ShowPlayList(std::vector<std::string> entries);
  void SetMemoryItem(int memory, std::size_t count);
  void PlaceFromSettings();
  bool RunStartupStages();
  void ApplySettings();
  void ApplySavedIndex();
  void FinishStartup();
  void ForcedExitMessage();
  void RunCloseSequence();
  SettingsSnapshot CurrentSettings();
  bool CloseBuffersAvailable();
  Font SmallFont() const;
  int MeasureText(const std::string& text);
  void Allocation(int stage) {
    if (BeforeAllocation) BeforeAllocation(stage);
  }

  // Measured once at creation (status bar panel minimum widths).
  int NamePanelMinWidth = 0;
  int SizePanelNormalWidth = 0;
  int SizePanelSmallWidth = 0;
  int SizePanelMinWidth = 0;
  Font windowFont_;
  // Tells other players that this one has its number (see ClaimWindowNumber); kept while it lives.
  std::unique_ptr<MutexHandle> numberMark_;
};

}  // namespace tavel
