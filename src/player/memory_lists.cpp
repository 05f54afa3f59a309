// The memories on show and the history of played files: what the selector, the play list and the
// history list hold, kept apart from the controls that show them.
#include "player/memory_lists.h"

#include <algorithm>
#include <functional>

#include "lists/list_file.h"

namespace tavel {

std::string MemoryItemText(int memory, std::size_t count) {
  const std::string head =
      memory == kHistoryMemory ? "HIS: " : "M" + std::to_string(memory) + " : ";
  return head + std::to_string(count) + "ｺ";
}

namespace {

HistoryOrigin OriginOf(const FileContent& content) {
  if (content.status == ReadStatus::Unreadable) return {true, 0, 0};
  return {false, content.bytes.size(), std::hash<std::string>{}(content.bytes)};
}

bool SameOrigin(const HistoryOrigin& a, const HistoryOrigin& b) {
  return !a.unread && !b.unread && a.size == b.size && a.digest == b.digest;
}

// The history file's entries, and what the file was like.
std::vector<std::string> ReadHistory(FileSystem& fs, const std::string& folder,
                                     HistoryOrigin& origin) {
  const FileContent content = fs.ReadFile(HistoryFileName(folder));
  origin = OriginOf(content);
  if (content.status != ReadStatus::Ok) return {};
  return ParseListFile(content.bytes);
}

// Adds a played file at the end; at most one entry, the oldest, goes: when the count exceeds the
// limit (0 sets none), or else the hard limit.
void PushHistory(std::vector<std::string>& history, const std::string& path, std::int32_t limit) {
  history.push_back(path);
  const auto count = static_cast<std::int64_t>(history.size());
  if ((limit != 0 && count > limit) || history.size() > kHistoryHardLimit) {
    history.erase(history.begin());
  }
}

}  // namespace

StartMemory LoadStartMemory(FileSystem& fs, const std::string& folder, int memory) {
  StartMemory start;
  start.valid = memory >= 0 && memory <= kHistoryMemory;
  if (memory == kHistoryMemory) {
    start.shown = ReadHistory(fs, folder, start.historyOrigin);
    return start;
  }
  if (start.valid) start.shown = LoadListFile(fs, MemoryFileName(folder, memory));
  start.history = ReadHistory(fs, folder, start.historyOrigin);
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
  PushHistory(history, path, limit);
  return true;
}

bool SaveHistory(FileSystem& fs, const std::string& folder,
                 const std::vector<std::string>& entries) {
  return fs.ReplaceFileAtomically(HistoryFileName(folder), FormatListFile(entries));
}

bool SaveHistory(FileSystem& fs, const std::string& folder, const std::vector<std::string>& entries,
                 const HistoryRun& run) {
  const FileContent now = fs.ReadFile(HistoryFileName(folder));
  // A file that cannot be read now, when it could at start-up, is replaced as before: what it
  // holds cannot be kept either way.
  const bool untouched = now.status == ReadStatus::Missing ||
                         (now.status == ReadStatus::Unreadable && !run.origin.unread) ||
                         SameOrigin(OriginOf(now), run.origin);
  if (untouched) return SaveHistory(fs, folder, entries);
  if (now.status != ReadStatus::Ok) return false;
  std::vector<std::string> merged = ParseListFile(now.bytes);
  const std::size_t added = std::min(run.added, entries.size());
  for (auto it = entries.end() - static_cast<std::ptrdiff_t>(added); it != entries.end(); ++it) {
    PushHistory(merged, *it, run.limit);
  }
  return SaveHistory(fs, folder, merged);
}

}  // namespace tavel
