// Numbering of the running player windows through the registry value WN.
#include "player/window_number.h"

#include <bitset>
#include <string>
#include <vector>

#include "product/identity.h"
#include "product/layout.h"
#include "text/number.h"

namespace tavel {
namespace {

// The text between the commas, in order; empty pieces are kept ("" gives one empty piece).
std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) break;
    pieces.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

}  // namespace

std::int32_t AllocateWindowNumber(RegistryKey& key, bool otherPlayerExisted) {
  if (!otherPlayerExisted) {
    // Numbers left behind by players that ended without cleaning up are dropped here.
    key.DeleteValue(kWindowNumbersValue);  // a missing value is not a failure
    return key.WriteString(kWindowNumbersValue, "1") ? 1 : 0;
  }
  // All of WN is scanned, however long: a list of all 300 numbers is over 1000 characters, and
  // ignoring its tail would hand out a number that another player already shows.
  const std::string old = key.ReadString(kWindowNumbersValue).value_or("");
  std::bitset<kMaxWindowNumber> taken;
  for (const std::string& piece : SplitAtCommas(old)) {
    if (piece.empty()) continue;
    std::optional<std::int32_t> n = ParseDecimal(piece);
    if (!n) return 0;
    if (*n >= 1 && *n <= kMaxWindowNumber) taken.set(*n - 1);
  }
  std::int32_t number = 1;
  while (number <= kMaxWindowNumber && taken.test(number - 1)) ++number;
  if (number > kMaxWindowNumber) return 0;
  // An empty list gives ",1"; the leading comma is an empty piece, skipped on reading.
  if (!key.WriteString(kWindowNumbersValue, old + "," + std::to_string(number))) return 0;
  return number;
}

// When the lock cannot be had (a holder that hangs), the player still numbers itself without it,
// as it did before there was a lock: a player numbered 0 is worse than a rare number shown twice.
WindowNumberClaim ClaimWindowNumber(Registry& registry, NamedMutexes& mutexes) {
  std::unique_ptr<MutexHandle> lock = mutexes.Acquire(kWindowNumberMutex);
  const bool otherPlayerRuns = mutexes.Exists(kNumberedPlayerMark);
  WindowNumberClaim claim;
  claim.mark = mutexes.Keep(kNumberedPlayerMark);
  std::unique_ptr<RegistryKey> key = OpenSettingsKey(registry);
  if (key) claim.number = AllocateWindowNumber(*key, otherPlayerRuns);
  return claim;
}

bool ReleaseWindowNumber(RegistryKey& key, std::int32_t number) {
  const std::optional<std::string> stored = key.ReadString(kWindowNumbersValue);
  std::string kept;
  bool removed = false;
  for (const std::string& piece : SplitAtCommas(stored.value_or(""))) {
    // A piece that is not a number names no player we could tell apart. Rather than give up and
    // leave our own number behind, or drop text another player may have put there, it is kept as
    // it is; only empty and zero pieces and the first piece with our number go.
    std::optional<std::int32_t> n =
        piece.empty() ? std::optional<std::int32_t>(0) : ParseDecimal(piece);
    if (n && *n == 0) continue;
    if (n && *n == number && !removed) {
      removed = true;
      continue;
    }
    kept += (kept.empty() ? "" : ",") + piece;
  }
  if (!kept.empty()) return key.WriteString(kWindowNumbersValue, kept);
  return !stored || key.DeleteValue(kWindowNumbersValue);
}

bool ReleaseWindowNumber(RegistryKey& key, NamedMutexes& mutexes, std::int32_t number) {
  std::unique_ptr<MutexHandle> lock = mutexes.Acquire(kWindowNumberMutex);
  return ReleaseWindowNumber(key, number);
}

}  // namespace tavel
