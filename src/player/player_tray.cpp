// The task tray: the icon whose tip follows the window title, the icon's two pop-up menus, and
// entering and leaving the tray.
#include "base/scoped_value.h"
#include "player/player_window.h"
#include "player/tray_icon.h"
#include "text/sjis.h"
#include "ui/application.h"

namespace tavel {

namespace {

constexpr std::intptr_t kLeftButtonDown = 0x201;
constexpr std::intptr_t kRightButtonDown = 0x204;
constexpr char kTrayRefused[] = "タスクトレイに登録できません";

}  // namespace

// A run of lead-range bytes starts at a character boundary, so an odd run at the end leaves a
// lead byte without its partner.
std::string CutTrayTip(std::string tip) {
  if (tip.size() > kTrayTipMaxBytes) tip.resize(kTrayTipMaxBytes);
  if (LeadByteRunBefore(tip, tip.size()) % 2 == 1) tip.pop_back();
  return tip;
}

void TTAVEL32KOLAP::WireTray() {
  OnMessage = [this](unsigned msg, std::uintptr_t, std::intptr_t lParam) {
    if (msg == kTrayCallbackMessage) {
      TrayIconMessage(lParam);
      return true;
    }
    unsigned shellStarted = services_.tray.ShellStartedMessage();
    if (shellStarted == 0 || msg != shellStarted) return false;
    ShellStarted();
    return true;
  };
  ButtonTRAY.OnClick = [this] { ButtonTRAYClick(); };
  TRIconOff.OnClick = [this] { TRIconOffClick(); };
}

void TTAVEL32KOLAP::AddTrayIcon() {
  if (!TrayActive) {
    TrayData.window = Handle();
    TrayData.callbackMessage = kTrayCallbackMessage;
  }
  TrayData.id = 0;
  TrayData.flags = kTrayFlagMessage | kTrayFlagIcon | (TrayTip.empty() ? 0 : kTrayFlagTip);
  TrayData.icon = App().Backend().FormIcon(*this);
  TrayTip = CutTrayTip(TrayTip);
  TrayData.tip = TrayTip;
  bool accepted = TrayActive ? services_.tray.Modify(TrayData) : services_.tray.Add(TrayData);
  if (!accepted) throw TrayError(kTrayRefused);
  TrayActive = true;
}

// A title change while the icon shows. The shell refuses to change an icon it has lost (it started
// again without the program hearing of it): the icon is then added anew. A refusal is reported
// once, not at every following title, and never stops what changed the title, the play steps
// above all.
void TTAVEL32KOLAP::UpdateTrayTip() {
  std::string refusal;
  if (!OfferTrayIcon(refusal)) {
    TrayActive = false;
    if (!OfferTrayIcon(refusal)) {
      TrayActive = true;
      if (!trayRefusalReported_) App().ShowError(refusal);
      trayRefusalReported_ = true;
      return;
    }
  }
  trayRefusalReported_ = false;
}

bool TTAVEL32KOLAP::OfferTrayIcon(std::string& refusal) {
  try {
    AddTrayIcon();
    return true;
  } catch (const TrayError& refused) {
    refusal = refused.what();
    return false;
  }
}

// The shell has started again and shows none of the old icons: a player in the tray adds its icon
// anew, or, when the shell will not have it, comes back to the screen so that it stays reachable.
void TTAVEL32KOLAP::ShellStarted() {
  if (!TrayActive || State.Closing) return;
  TrayActive = false;
  std::string refusal;
  if (OfferTrayIcon(refusal)) return;
  App().ShowError(refusal);
  Show();
  App().ProcessMessages();
  App().Backend().ShowTaskbarButton();
  ButtonTRAY.SetVisible(true);
}

void TTAVEL32KOLAP::RemoveTrayIcon() {
  if (TrayActive) services_.tray.Delete(TrayData);
  TrayActive = false;
}

// A menu runs until it closes, and pending messages run before it opens: the two guards keep
// further clicks on the icon meanwhile from opening a second menu.
void TTAVEL32KOLAP::TrayIconMessage(std::intptr_t mouseMessage) {
  if (State.TrayMenuPending || TrayMessageBusy) return;
  ScopedValue<bool> busy(TrayMessageBusy, true);
  App().ProcessMessages();
  Point at = services_.desktop.CursorPos();
  bool left = mouseMessage == kLeftButtonDown;
  if (!left && mouseMessage != kRightButtonDown) return;
  // The menu's preparation clears it already; this clears it on every other way out.
  ScopedValue<std::uint8_t> pending(State.TrayMenuPending, 1);
  App().ProcessMessages();
  if (left) {
    PopupMenuTLPopup();
    App().Backend().PopupMenu(*this, PopupMenuTL, at);
  } else {
    PopupMenuTRPopup();
    App().Backend().PopupMenu(*this, PopupMenuTR, at);
  }
}

// The start and interrupt items show the version and whether a play sequence runs.
void TTAVEL32KOLAP::ShowTrayPlayItems(MenuItem& play, MenuItem& interrupt,
                                      const std::string& playCaption) {
  play.SetCaption(playCaption + VersionText(services_.registry) + "）");
  bool playing = State.PlayActive == 1;
  interrupt.SetCaption(std::string("中断　－　") + (playing ? "(再生中)" : "(停止中)"));
  play.SetChecked(playing);
  interrupt.SetChecked(!playing);
}

void TTAVEL32KOLAP::PopupMenuTLPopup() {
  auto busy = App().ShowBusy();
  ShowTrayPlayItems(TL1, TL2, "再生開始　－　（楽蔵 V");
  App().ProcessMessages();
  State.TrayMenuPending = 0;
}

void TTAVEL32KOLAP::PopupMenuTRPopup() {
  {
    auto busy = App().ShowBusy();
    MenuItem* modes[] = {&TRM0, &TRM1, &TRM2, &TRM3};
    for (MenuItem* item : modes) item->SetChecked(false);
    int mode = RadioGroup1.ItemIndex();
    if (mode >= 0 && mode <= 3) modes[mode]->SetChecked(true);
    ShowTrayPlayItems(TR1, TR2, "再生　－　（楽蔵 V");
  }
  App().ProcessMessages();
  State.TrayMenuPending = 0;
}

// When the shell refuses the icon the window stays as it was.
void TTAVEL32KOLAP::ButtonTRAYClick() {
  if (State.Closing) return;
  auto busy = App().ShowBusy();
  ButtonTRAY.SetVisible(false);
  try {
    AddTrayIcon();
  } catch (const TrayError&) {
    ButtonTRAY.SetVisible(true);
    throw;
  }
  Hide();
  App().ProcessMessages();
  App().Backend().HideTaskbarButton();
  App().ProcessMessages();
}

void TTAVEL32KOLAP::TRIconOffClick() {
  if (State.Closing) return;
  auto busy = App().ShowBusy();
  RemoveTrayIcon();
  Show();
  App().ProcessMessages();
  App().Backend().ShowTaskbarButton();
  App().ProcessMessages();
  ButtonTRAY.SetVisible(true);
}

}  // namespace tavel
