// The memories on show and the history of played files: what the selector, the play list and the
// history list hold, kept apart from the controls that show them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace tavel {

// The most entries the history keeps, whatever its limit setting says.
inline constexpr std::size_t kHistoryHardLimit = 16000;

inline constexpr const char* kMemoryLoadFailedMessage =
    "メモリーデータのロード処理に失敗しました・・・";

// The selector item of a memory: "M3 : 12ｺ", and "HIS: 12ｺ" for the history.
std::string MemoryItemText(int memory, std::size_t count);

// The history file as this player read it at start-up, to tell at the close whether another
// player has written it since. A missing file counts as an empty one.
struct HistoryOrigin {
  bool unread = false;     // the file was there but could not be read
  std::size_t size = 0;    // its length in bytes
  std::size_t digest = 0;  // a digest of its bytes
};

// What start-up shows: the memory named by MEMORY and the history.
struct StartMemory {
  bool valid = false;                // the memory number names a memory (0..10)
  std::vector<std::string> shown;    // the play list
  std::vector<std::string> history;  // the history list; empty while the history is on show
  HistoryOrigin historyOrigin;       // the history file as it was read
};

// Reads the memory on show and the history file. An unknown memory number shows nothing, but the
// history is still read, and the caller keeps it, so that saving it at the close keeps it.
StartMemory LoadStartMemory(FileSystem& fs, const std::string& folder, int memory);

// The entries of a memory picked in the selector: its file read afresh (empty when it cannot be
// read), or a copy of the history list for the history.
std::vector<std::string> MemoryEntries(FileSystem& fs, const std::string& folder, int memory,
                                       const std::vector<std::string>& history);

// The entry counts of M0 to M9 read from their files. A memory file that cannot be read counts 0;
// when no file of that name exists at all it is created empty, while one that exists but cannot be
// read is left alone.
std::array<std::size_t, 10> CountMemories(FileSystem& fs, const std::string& folder);

// Records a file that has started playing: nothing when recording is off (limit 0) or the history
// is on show. At most one entry, the oldest, is removed per call: when the count exceeds the limit,
// or else the hard limit. True when the file was recorded.
bool AppendHistory(std::vector<std::string>& history, const std::string& path, std::int32_t limit,
                   int currentMemory);

// Writes `entries` as the history file in one step, so that a failed write leaves the previous
// file whole.
bool SaveHistory(FileSystem& fs, const std::string& folder,
                 const std::vector<std::string>& entries);

// What one run of the player did to the history, for saving it at the close.
struct HistoryRun {
  HistoryOrigin origin;    // the file as start-up read it
  std::size_t added = 0;   // entries this run recorded; they are the last of the list
  std::int32_t limit = 0;  // the history limit at the close
};

// Saves the history at the close of a run. While the file is as start-up read it (or missing),
// `entries` replace it. When another player has written it meanwhile, or it could not be read at
// start-up, `entries` would throw away what that player recorded: the file is read again and only
// the entries this run added go after its own, each trimming as a play does (one oldest entry out
// when the limit or the hard limit is passed). A file that could not be read at start-up and still
// cannot be read is left as it is and nothing is written.
bool SaveHistory(FileSystem& fs, const std::string& folder, const std::vector<std::string>& entries,
                 const HistoryRun& run);

}  // namespace tavel
