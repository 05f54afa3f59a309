// List files: the memories M0 to M9 and the history, one path per line, kept beside the executable.
#include "player/list_file.h"

#include <cstdint>
#include <cstring>

#include "text/sjis.h"

namespace tavel {

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the line search reads words little-endian");

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Bit 7 of a byte of the result is set where that byte of x equals b. Above the lowest match there
// can be false marks, so only the lowest one counts.
inline std::uint64_t BytesEqual(std::uint64_t x, unsigned char b) {
  const std::uint64_t y = x ^ (kOnes * b);
  return (y - kOnes) & ~y & kHighs;
}

// Index of the first CR or LF in [i, end), or end; eight bytes at a time. Neither byte can be the
// second half of a double-byte character, so no lead-byte walk is needed here.
inline std::size_t FindLineEnd(const char* p, std::size_t i, std::size_t end) {
  for (; i + 8 <= end; i += 8) {
    std::uint64_t x;
    std::memcpy(&x, p + i, 8);
    const std::uint64_t hits = BytesEqual(x, '\r') | BytesEqual(x, '\n');
    if (hits != 0) return i + (static_cast<std::size_t>(__builtin_ctzll(hits)) >> 3);
  }
  for (; i < end; ++i) {
    if (p[i] == '\r' || p[i] == '\n') return i;
  }
  return end;
}

// Calls onLine(first, last) for the byte range of every line, in order.
template <typename OnLine>
void ForEachLine(std::string_view bytes, OnLine onLine) {
  const char* p = bytes.data();
  const void* nul = bytes.empty() ? nullptr : std::memchr(p, '\0', bytes.size());
  const std::size_t end =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - p) : bytes.size();
  std::size_t start = 0;
  while (start < end) {
    const std::size_t stop = FindLineEnd(p, start, end);
    onLine(start, stop);
    if (stop == end) break;
    const bool crlf = p[stop] == '\r' && stop + 1 < end && p[stop + 1] == '\n';
    start = stop + (crlf ? 2 : 1);
  }
}

}  // namespace

std::vector<std::string> ParseListFile(std::string_view bytes) {
  std::vector<std::string> entries;
  entries.reserve(CountListEntries(bytes));
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

std::string ExecutableFolder(const std::string& ownPath) {
  const std::size_t separator = LastSeparatorIndex(ownPath, "\\:");
  return separator == std::string::npos ? std::string() : ownPath.substr(0, separator + 1);
}

std::string MemoryFileName(const std::string& folder, int memory) {
  return folder + "TaVM32M" + std::to_string(memory) + ".LIS";
}

std::string HistoryFileName(const std::string& folder) {
  return folder + "TaVO32M" + "H.LIS";
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
