// List files: the memories M0 to M9 and the history, one path per line, kept beside the executable.
#include "lists/list_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "product/layout.h"

namespace tavel {

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the line search reads words little-endian");

// Sixteen bytes compared at once (SSE2 where the processor has it, plain code elsewhere).
typedef char Block __attribute__((vector_size(16)));

// Index of the first CR, LF or NUL in [i, end), or end. None of these bytes can be the second half
// of a double-byte character, so no lead-byte walk is needed here.
inline std::size_t FindLineBreak(const char* p, std::size_t i, std::size_t end) {
  for (; i + 16 <= end; i += 16) {
    Block x;
    std::memcpy(&x, p + i, sizeof x);
    const auto hits = (x == '\r') | (x == '\n') | (x == '\0');
    std::uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    if (halves[0] != 0) return i + (static_cast<std::size_t>(__builtin_ctzll(halves[0])) >> 3);
    if (halves[1] != 0) return i + 8 + (static_cast<std::size_t>(__builtin_ctzll(halves[1])) >> 3);
  }
  for (; i < end; ++i) {
    if (p[i] == '\r' || p[i] == '\n' || p[i] == '\0') return i;
  }
  return end;
}

// Calls onLine(first, last) for the byte range of every line, in order, in one pass.
template <typename OnLine>
void ForEachLine(std::string_view bytes, OnLine onLine) {
  const char* p = bytes.data();
  const std::size_t size = bytes.size();
  std::size_t start = 0;
  while (start < size) {
    const std::size_t stop = FindLineBreak(p, start, size);
    if (stop == size || p[stop] == '\0') {
      if (stop > start) onLine(start, stop);  // a last line without its line end
      return;
    }
    onLine(start, stop);
    const bool crlf = p[stop] == '\r' && stop + 1 < size && p[stop + 1] == '\n';
    start = stop + (crlf ? 2 : 1);
  }
}

}  // namespace

std::vector<std::string> ParseListFile(std::string_view bytes) {
  // A low guess of the entry count, as paths are rarely 64 bytes long on average: growing from it
  // once or twice costs less than counting the lines before reading them.
  std::vector<std::string> entries;
  entries.reserve(std::min<std::size_t>(bytes.size() / 64 + 1, 1 << 16));
  const char* p = bytes.data();
  ForEachLine(bytes, [&](std::size_t first, std::size_t last) {
    entries.emplace_back(p + first, last - first);
  });
  return entries;
}

std::size_t CountListEntries(std::string_view bytes) {
  std::size_t count = 0;
  ForEachLine(bytes, [&](std::size_t, std::size_t) { ++count; });
  return count;
}

std::string FormatListFile(const std::vector<std::string>& entries) {
  std::size_t total = 0;
  for (const auto& entry : entries) total += entry.size() + 2;
  std::string bytes;
  bytes.reserve(total);
  for (const auto& entry : entries) {
    bytes += entry;
    bytes += "\r\n";
  }
  return bytes;
}

std::string MemoryFileName(const std::string& folder, int memory) {
  return folder + MemoryListFileName(memory);
}

std::string HistoryFileName(const std::string& folder) {
  return folder + kHistoryFileName;
}

std::string ListFileName(const std::string& folder, int memory) {
  return memory == kHistoryMemory ? HistoryFileName(folder) : MemoryFileName(folder, memory);
}

std::vector<std::string> LoadListFile(FileSystem& fs, const std::string& path) {
  const FileContent content = fs.ReadFile(path);
  if (content.status != ReadStatus::Ok) return {};
  return ParseListFile(content.bytes);
}

}  // namespace tavel
