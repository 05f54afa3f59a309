// List files: the memories M0 to M9 and the history, one path per line, kept beside the executable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace tavel {

// Memory numbers 0 to 9 are M0 to M9; this one is the history.
inline constexpr int kHistoryMemory = 10;

// The entries of a list file. A line ends at CR LF, a lone CR or a lone LF, and a NUL byte ends the
// content. Every line is an entry, empty ones too, and nothing is trimmed; a last line without its
// end is an entry, but a file that ends with a line end has no empty entry after it.
std::vector<std::string> ParseListFile(std::string_view bytes);

// The number of entries ParseListFile would give, without making them.
std::size_t CountListEntries(std::string_view bytes);

// Every entry followed by CR LF; an empty list is no bytes at all.
std::string FormatListFile(const std::vector<std::string>& entries);

// The memories' lists and the history in `folder`, by the names of product/layout.h.
std::string MemoryFileName(const std::string& folder, int memory);
std::string HistoryFileName(const std::string& folder);
// The file of any memory number, the history included.
std::string ListFileName(const std::string& folder, int memory);

// The entries of a list file; empty when it is missing or cannot be read.
std::vector<std::string> LoadListFile(FileSystem& fs, const std::string& path);

}  // namespace tavel
