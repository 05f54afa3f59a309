// The player window's memories: loading a list into the play list, the selector's counts and the
// history of played files.
#include "lists/list_file.h"
#include "platform/process.h"
#include "player/memory_lists.h"
#include "player/player_window.h"
#include "product/layout.h"
#include "text/path.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::WireListHandlers() {
  ComboBox1.OnChange = [this] { LoadMemory(); };
  ComboBox1.OnEnter = [this] { RefreshMemoryCounts(); };
  ListBox2.OnClick = [this] { ShowFileInfo(); };
  ListBox8.OnClick = [this] { ListBox8Click(); };
  SSN.OnClick = [this] { SSNClick(); };
  OOMOJI.OnClick = [this] { OOMOJIClick(); };
  MHELP0.OnClick = [this] { MHELP0Click(); };
  StatusBar2.OnClick = [this] { StatusBar2Click(); };
}

std::string TTAVEL32KOLAP::ListFolder() {
  return FolderOf(services_.process.OwnPath());
}

// Replaces the play list in one step (a list of thousands of entries must not redraw per entry).
void TTAVEL32KOLAP::ShowPlayList(std::vector<std::string> entries) {
  ListBox2.Assign(std::move(entries));
}

void TTAVEL32KOLAP::SetMemoryItem(int memory, std::size_t count) {
  ComboBox1.SetItem(memory, MemoryItemText(memory, count));
}

bool TTAVEL32KOLAP::LoadStartMemory() {
  StartMemory loaded = tavel::LoadStartMemory(services_.files, ListFolder(), State.CurrentMemory);
  HistoryAtStart = loaded.historyOrigin;
  // The selector may have had its one recount before the history was read (it has the focus as
  // soon as the window shows), so the history's item is set here.
  if (State.CurrentMemory != kHistoryMemory) {
    *State.HistoryList = std::move(loaded.history);
    SetMemoryItem(kHistoryMemory, State.HistoryList->size());
  }
  if (!loaded.valid) {
    // The history read all the same is kept, or the close would write the file empty.
    ComboBox1.SetItemIndex(-1);
    return false;
  }
  ShowPlayList(std::move(loaded.shown));
  SetMemoryItem(State.CurrentMemory, ListBox2.Count());
  ComboBox1.SetItemIndex(State.CurrentMemory);
  RebuildNameList();
  return true;
}

void TTAVEL32KOLAP::LoadMemory() {
  // Before the start-up has made the history list (the selector has the focus as soon as the
  // window shows) and after the close has released it there is nothing to switch: the pick is
  // undone.
  if (!State.HistoryList) {
    ComboBox1.SetItemIndex(State.InitState == 0 ? State.CurrentMemory : -1);
    return;
  }
  auto busy = App().ShowBusy();
  Panel4.SetVisible(true);
  App().ProcessMessages();
  if (!State.HistoryList) {
    Panel4.SetVisible(false);
    return;
  }
  if (State.CurrentMemory == kHistoryMemory) *State.HistoryList = ListBox2.Items();
  int k = ComboBox1.ItemIndex();
  if (k >= 0) {
    State.CurrentMemory = static_cast<std::uint8_t>(k);
    ShowPlayList(MemoryEntries(services_.files, ListFolder(), k, *State.HistoryList));
    SetMemoryItem(k, ListBox2.Count());
  }
  ComboBox1.SetItemIndex(State.CurrentMemory);
  if (k >= 0) RebuildNameList();
  Panel4.SetVisible(false);
}

void TTAVEL32KOLAP::RefreshMemoryCounts() {
  if (MemoryCountsRefreshed) return;
  MemoryCountsRefreshed = true;
  Panel4.SetVisible(true);
  App().ProcessMessages();
  int selected = ComboBox1.ItemIndex();
  auto counts = CountMemories(services_.files, ListFolder());
  ComboBox1.BeginUpdate();
  for (int m = 0; m < static_cast<int>(counts.size()); ++m) SetMemoryItem(m, counts[m]);
  if (State.CurrentMemory != kHistoryMemory && State.HistoryList) {
    SetMemoryItem(kHistoryMemory, State.HistoryList->size());
  }
  ComboBox1.SetItemIndex(selected);
  ComboBox1.EndUpdate();
  Panel4.SetVisible(false);
}

void TTAVEL32KOLAP::AppendHistory(const std::string& path) {
  if (!State.HistoryList) return;
  if (!tavel::AppendHistory(*State.HistoryList, path, State.HistoryLimit, State.CurrentMemory)) {
    return;
  }
  ++HistoryAddedThisRun;
  int selected = ComboBox1.ItemIndex();
  SetMemoryItem(kHistoryMemory, State.HistoryList->size());
  ComboBox1.SetItemIndex(selected);
}

// Written whether or not recording is on; a failed write is not reported and keeps the old file.
void TTAVEL32KOLAP::SaveHistory() {
  // Players that close at the same moment (at the end of the Windows session) take turns, so that
  // each finds the file as the one before it left it. Without the lock the save goes on all the
  // same.
  std::unique_ptr<MutexHandle> turn = services_.mutexes.Acquire(kHistoryFileMutex);
  const HistoryRun run{HistoryAtStart, HistoryAddedThisRun, State.HistoryLimit};
  if (State.CurrentMemory == kHistoryMemory) {
    tavel::SaveHistory(services_.files, ListFolder(), ListBox2.Items(), run);
  } else if (State.HistoryList) {
    tavel::SaveHistory(services_.files, ListFolder(), *State.HistoryList, run);
  }
}

}  // namespace tavel
