// The memories on show and the history of played files: what the selector, the play list and the
// history list hold, kept apart from the controls that show them.
#include "player/memory_lists.h"

#include "player/list_file.h"

namespace tavel {

std::string MemoryItemText(int memory, std::size_t count) {
  const std::string head =
      memory == kHistoryMemory ? "HIS: " : "M" + std::to_string(memory) + " : ";
  return head + std::to_string(count) + "ｺ";
}

namespace {

// The history file's entries; `unread` tells a file that is there but could not be read from one
// that is missing.
std::vector<std::string> ReadHistory(FileSystem& fs, const std::string& folder, bool& unread) {
  const FileContent content = fs.ReadFile(HistoryFileName(folder));
  unread = content.status == ReadStatus::Unreadable;
  if (content.status != ReadStatus::Ok) return {};
  return ParseListFile(content.bytes);
}

}  // namespace

StartMemory LoadStartMemory(FileSystem& fs, const std::string& folder, int memory) {
  StartMemory start;
  start.valid = memory >= 0 && memory <= kHistoryMemory;
  if (memory == kHistoryMemory) {
    start.shown = ReadHistory(fs, folder, start.historyUnread);
    return start;
  }
  if (start.valid) start.shown = LoadListFile(fs, MemoryFileName(folder, memory));
  start.history = ReadHistory(fs, folder, start.historyUnread);
  return start;
}

std::vector<std::string> MemoryEntries(FileSystem& fs, const std::string& folder, int memory,
                                       const std::vector<std::string>& history) {
  if (memory == kHistoryMemory) return history;
  return LoadListFile(fs, MemoryFileName(folder, memory));
}

std::array<std::size_t, 10> CountMemories(FileSystem& fs, const std::string& folder) {
  std::array<std::size_t, 10> counts{};
  for (int n = 0; n < 10; ++n) {
    const std::string path = MemoryFileName(folder, n);
    const FileContent content = fs.ReadFile(path);
    if (content.status == ReadStatus::Ok) {
      counts[n] = CountListEntries(content.bytes);
      continue;
    }
    // Only a memory file that is not there at all is made; failures of this repair do not matter.
    if (!fs.FindFile(path, kAttrAnyFile)) fs.CreateEmptyFile(path);
  }
  return counts;
}

bool AppendHistory(std::vector<std::string>& history, const std::string& path, std::int32_t limit,
                   int currentMemory) {
  if (limit == 0 || currentMemory == kHistoryMemory) return false;
  history.push_back(path);
  const auto count = static_cast<std::int64_t>(history.size());
  if (count > limit || history.size() > kHistoryHardLimit) history.erase(history.begin());
  return true;
}

bool SaveHistory(FileSystem& fs, const std::string& folder, const std::vector<std::string>& entries,
                 bool unreadAtStart) {
  const std::string path = HistoryFileName(folder);
  if (!unreadAtStart) return fs.ReplaceFileAtomically(path, FormatListFile(entries));
  bool unread = false;
  std::vector<std::string> merged = ReadHistory(fs, folder, unread);
  if (unread) return false;
  merged.insert(merged.end(), entries.begin(), entries.end());
  if (merged.size() > kHistoryHardLimit) {
    merged.erase(merged.begin(), merged.end() - static_cast<std::ptrdiff_t>(kHistoryHardLimit));
  }
  return fs.ReplaceFileAtomically(path, FormatListFile(merged));
}

}  // namespace tavel
