// Benchmark: reading a list file of 16000 entries against the floor of counting its line ends.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "lists/list_file.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int kEntries = 16000;
constexpr int kRuns = 40;

volatile std::size_t sink;  // keeps the measured work from being optimised away

// Full-width digits, as a Japanese file name often carries them.
std::string WideNumber(int n, int digits) {
  static const char* const kWide[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::string text;
  for (int d = digits - 1; d >= 0; --d) {
    int divisor = 1;
    for (int i = 0; i < d; ++i) divisor *= 10;
    text += kWide[(n / divisor) % 10];
  }
  return text;
}

std::string Padded(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03d", n % 1000);
  return buf;
}

// A list such as the companion program writes: Japanese folders and names, plain ASCII paths.
std::vector<std::string> RealisticEntries() {
  static const char* const kJapaneseFolders[] = {
      "C:\\ミュージック\\クラシック\\", "C:\\マイ ドキュメント\\ソフト\\効果音\\",
      "D:\\音楽\\ゲーム\\表示テスト\\", "E:\\ＭＩＤＩ\\童謡\\"};
  static const char* const kJapaneseNames[] = {"表題曲", "ソナタ", "交響曲第", "予告編"};
  static const char* const kAsciiFolders[] = {"D:\\MIDI\\GAME\\", "C:\\WINDOWS\\MEDIA\\",
                                              "E:\\SOUND\\BGM\\ROCK\\"};
  static const char* const kAsciiNames[] = {"STAGE", "TRACK", "Theme"};
  static const char* const kTypes[] = {".MID", ".WAV", ".RMI", ".mid"};
  std::vector<std::string> entries;
  entries.reserve(kEntries);
  for (int i = 0; i < kEntries; ++i) {
    if (i % 2 == 0) {
      entries.push_back(std::string(kJapaneseFolders[i % 4]) + kJapaneseNames[(i / 4) % 4] +
                        WideNumber(i, 3) + kTypes[i % 3]);
    } else {
      entries.push_back(std::string(kAsciiFolders[i % 3]) + kAsciiNames[(i / 3) % 3] + Padded(i) +
                        kTypes[(i / 2) % 4]);
    }
  }
  return entries;
}

// The floor: one pass over the bytes counting their CR and LF bytes, nothing made.
std::size_t CountLineEndBytes(const std::string& bytes) {
  std::size_t count = 0;
  for (const char c : bytes) count += (c == '\r') | (c == '\n');
  return count;
}

std::size_t Size(std::size_t n) {
  return n;
}
std::size_t Size(const std::vector<std::string>& entries) {
  return entries.size();
}

// The best time of kRuns calls of work; what it returns is dropped after the clock has stopped.
template <typename Work>
double BestMicroseconds(Work work) {
  double best = 1e300;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    auto result = work();
    const auto stop = std::chrono::steady_clock::now();
    sink = Size(result);
    best = std::min(best, std::chrono::duration<double, std::micro>(stop - start).count());
  }
  return best;
}

}  // namespace

int main() {
#ifdef __GLIBC__
  // Keep freed memory in the heap between runs. Otherwise every run of the parse starts on pages
  // fresh from the system, and on a virtual machine their faults cost more than the parse itself.
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
  const std::string bytes = tavel::FormatListFile(RealisticEntries());
  const std::size_t entries = tavel::ParseListFile(bytes).size();
  if (entries != static_cast<std::size_t>(kEntries)) {
    std::printf("parse gave %zu entries instead of %d\n", entries, kEntries);
    return 1;
  }
#ifndef __OPTIMIZE__
  std::printf(
      "note: unoptimised build; build with -O2 (CMAKE_BUILD_TYPE=Release) for real times\n");
#endif
  std::printf("list file: %d entries, %zu bytes, best of %d runs\n", kEntries, bytes.size(), kRuns);

  const double floor = BestMicroseconds([&] { return CountLineEndBytes(bytes); });
  const double parse = BestMicroseconds([&] { return tavel::ParseListFile(bytes); });
  const double count = BestMicroseconds([&] { return tavel::CountListEntries(bytes); });
  // What any list of separate strings costs: the same entries copied out, their places known.
  std::vector<std::pair<std::size_t, std::size_t>> places;
  for (std::size_t first = 0; first < bytes.size();) {
    const std::size_t last = bytes.find('\r', first);
    places.emplace_back(first, last - first);
    first = last + 2;
  }
  const double copy = BestMicroseconds([&] {
    std::vector<std::string> entries;
    entries.reserve(places.size());
    for (const auto& [first, length] : places) entries.emplace_back(bytes, first, length);
    return entries;
  });
  std::printf("floor (count line-end bytes): %9.1f us\n", floor);
  std::printf("ParseListFile:                %9.1f us  ratio %.2f (target 1.5)\n", parse,
              parse / floor);
  std::printf("CountListEntries:             %9.1f us  ratio %.2f\n", count, count / floor);
  std::printf("copy out %d strings only:  %9.1f us  ratio %.2f\n", kEntries, copy, copy / floor);
  return 0;
}
