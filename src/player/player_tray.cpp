// The task tray: the icon whose tip follows the window title, the icon's two pop-up menus, and
// entering and leaving the tray.
#include "player/player_window.h"
#include "player/tray_icon.h"
#include "text/sjis.h"
#include "ui/application.h"
#include "ui/scoped_value.h"

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
    if (msg != kTrayCallbackMessage) return false;
    TrayIconMessage(lParam);
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
