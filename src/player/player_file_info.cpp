// The player window's file information: the status bar for the selected entry, the name-only list
// and the switches of the name display.
#include "base/scoped_value.h"
#include "player/file_info.h"
#include "player/player_window.h"
#include "text/name_case.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::ShowFileInfo() {
  if (ListBox2.Count() == 0) return;
  if (SSN.Checked()) {
    ScopedValue<std::int32_t> sync(State.ListSync, 1);
    ListBox8.SetItemIndex(ListBox2.ItemIndex());
  }
  int index = ListBox2.ItemIndex();
  if (index < 0) return;
  FileInfoTexts texts = DescribeFile(services_.files, services_.clock, ListBox2.Item(index));
  ShowNamePanel(texts.name);
  ShowSizePanel(texts.size);
  ShowDatePanel(texts.date);
}

void TTAVEL32KOLAP::RebuildNameList() {
  if (!SSN.Checked()) return;
  std::vector<std::string> names;
  names.reserve(ListBox2.Items().size());
  for (const std::string& entry : ListBox2.Items()) {
    names.push_back(ConvertNameCase(DisplayName(entry), State.LowerCaseNames != 0));
  }
  ListBox8.Assign(std::move(names));
}

void TTAVEL32KOLAP::ListBox8Click() {
  if (State.ListSync) return;
  ListBox2.SetItemIndex(ListBox8.ItemIndex());
  ShowFileInfo();
}

void TTAVEL32KOLAP::SSNClick() {
  if (State.MenuSync) return;
  SSN.SetChecked(!SSN.Checked());
  ScopedValue<std::uint8_t> sync(State.MenuSync, 1);
  App().ProcessMessages();
  if (SSN.Checked()) {
    int selected = ListBox2.ItemIndex();
    RebuildNameList();
    ListBox8.SetItemIndex(selected);
    ListBox8.SetVisible(true);
  } else {
    ListBox2.SetItemIndex(ListBox8.ItemIndex());
    ListBox2.SetVisible(true);
    ListBox8.SetVisible(false);
  }
}

// The case change reaches the paths themselves, so what plays and what the history keeps follow it.
void TTAVEL32KOLAP::OOMOJIClick() {
  auto busy = App().ShowBusy();
  State.LowerCaseNames = State.LowerCaseNames ? 0 : 1;
  OOMOJI.SetChecked(State.LowerCaseNames == 0);
  RebuildNameList();
  App().ProcessMessages();
  int selected = ListBox2.ItemIndex();
  std::vector<std::string> converted;
  converted.reserve(ListBox2.Items().size());
  for (const std::string& entry : ListBox2.Items()) {
    converted.push_back(ConvertNameCase(entry, State.LowerCaseNames != 0));
  }
  ListBox2.Assign(std::move(converted));
  ListBox2.SetItemIndex(selected);
  App().ProcessMessages();
}

void TTAVEL32KOLAP::MHELP0Click() {
  auto busy = App().ShowBusy();
  OOMOJI.SetChecked(State.LowerCaseNames == 0);
}

void TTAVEL32KOLAP::StatusBar2Click() {
  if (State.PlayActive == 1) PanelBar.SetVisible(!PanelBar.Visible());
}

}  // namespace tavel
