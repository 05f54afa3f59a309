// The player window's titles, status panels, resizing, painting and list colours.
#include <algorithm>

#include "base/scoped_value.h"
#include "dialogs/dialog_painting.h"
#include "player/player_window.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::RestoreIdleTitle() {
  SetPlayTitle(State.IdleTitle);
}

void TTAVEL32KOLAP::SetPlayTitle(const std::string& text) {
  App().SetTitle(text);
  SetCaption(text);
  if (State.Closing) return;
  TrayTip = text;
  if (TrayActive) UpdateTrayTip();
}

void TTAVEL32KOLAP::MeasurePanelWidths() {
  Label2.SetCaption("AAAAAAAA.AAA");
  NamePanelMinWidth = Label2.Width() + 10;
  Label2.SetCaption("8,888,888");
  SizePanelNormalWidth = Label2.Width() + 10;
  Label2.SetFont(SmallFont());
  SizePanelSmallWidth = Label2.Width() + 3;
  Label2.SetFont(windowFont_);
  SizePanelMinWidth = SizePanelNormalWidth;
}

// 9 points at 96 dots per inch are 12 pixels.
Font TTAVEL32KOLAP::SmallFont() const {
  Font small = windowFont_;
  small.height = 12;
  return small;
}

int TTAVEL32KOLAP::MeasureText(const std::string& text) {
  Label2.SetCaption(text);
  return Label2.Width();
}

void TTAVEL32KOLAP::ShowNamePanel(const std::string& text) {
  StatusBar2.SetPanelWidth(0, std::max(NamePanelMinWidth, MeasureText(text) + 10));
  StatusBar2.SetPanelText(0, text);
}

void TTAVEL32KOLAP::ShowSizePanel(const std::string& text) {
  StatusBar2.SetPanelWidth(1, std::max(SizePanelMinWidth, MeasureText(text) + 10));
  StatusBar2.SetPanelText(1, text);
}

// The date panel takes what the other two leave; when that is too narrow the whole bar goes down
// to 9 points until a later date fits in the window font again.
void TTAVEL32KOLAP::ShowDatePanel(const std::string& text) {
  int width = MeasureText(text);
  StatusBar2.SetFont(windowFont_);
  const auto& panels = StatusBar2.Panels();
  if (Width() - 10 - panels[0].width - panels[1].width < width + 10) {
    StatusBar2.SetFont(SmallFont());
    Label2.SetFont(SmallFont());
    ShowNamePanel(std::string(panels[0].text));
    SizePanelMinWidth = SizePanelSmallWidth;
    ShowSizePanel(std::string(panels[1].text));
    SizePanelMinWidth = SizePanelNormalWidth;
    Label2.SetFont(windowFont_);
  }
  StatusBar2.SetPanelText(2, text);
}

void TTAVEL32KOLAP::FormResize() {
  auto busy = App().ShowBusy();
  int width = std::max(Width() - State.ListWidthMargin, State.ListMinWidth);
  int height = std::max(Height() - State.ListHeightMargin, State.ListMinHeight);
  for (ListBox* list : {&ListBox2, &ListBox8}) {
    list->SetBounds({list->Left(), list->Top(), width, height});
  }
}

void TTAVEL32KOLAP::FormPaint() {
  SetColor(DialogFormColor(services_.desktop));
}

void TTAVEL32KOLAP::ApplyListColours() {
  auto busy = App().ShowBusy();
  Color c = BackColor.Checked() ? services_.desktop.SystemColor(SysColor::Window) : GetColor();
  for (Control* list : std::initializer_list<Control*>{&ListBox2, &ListBox8, &ComboBox1}) {
    list->SetColor(c);
  }
}

// The bar follows the check at once while a sequence plays; otherwise the next file shows it.
void TTAVEL32KOLAP::SAISEIBARClick() {
  if (State.MenuSync) return;
  SAISEIBAR.SetChecked(!SAISEIBAR.Checked());
  ScopedValue<std::uint8_t> sync(State.MenuSync, 1);
  App().ProcessMessages();
  if (State.PlayActive == 1) PanelBar.SetVisible(SAISEIBAR.Checked());
}

void TTAVEL32KOLAP::UpdateHistoryCaption() {
  FILEHIS.SetCaption(State.HistoryLimit != 0
                         ? "ファイルヒストリーの設定　" + std::to_string(State.HistoryLimit) + "個"
                         : std::string("ファイルヒストリーの設定　ＯＦＦ"));
}

void TTAVEL32KOLAP::Button6Click() {
  State.AbortRequest = 1;
  Close();
}

}  // namespace tavel
