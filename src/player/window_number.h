// Numbering of the running player windows through the registry value WN.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/named_mutex.h"
#include "platform/registry.h"

namespace tavel {

// Instance numbers run from 1 to this; numbers found in WN outside that range are ignored.
inline constexpr std::int32_t kMaxWindowNumber = 300;

// Takes the lowest free number for a starting player and appends it to WN. Without another player
// window at process start, WN is discarded first and the number is 1. Returns 0, leaving WN as it
// was, when WN holds a piece that is not a number, every number is taken or the write fails.
std::int32_t AllocateWindowNumber(RegistryKey& key, bool otherPlayerExisted);

struct WindowNumberClaim {
  std::int32_t number = 0;
  std::unique_ptr<MutexHandle> mark;  // kNumberedPlayerMark, kept for the life of the player
};

// AllocateWindowNumber on the settings key (opened, created when missing, for this one use), under
// the lock, alone when no other player keeps the mark.
WindowNumberClaim ClaimWindowNumber(Registry& registry, NamedMutexes& mutexes);

// Removes `number` (its first occurrence) from WN, dropping empty and zero pieces; deletes WN when
// nothing is left. False when WN could not be written or deleted.
bool ReleaseWindowNumber(RegistryKey& key, std::int32_t number);
// The same under the lock.
bool ReleaseWindowNumber(RegistryKey& key, NamedMutexes& mutexes, std::int32_t number);

}  // namespace tavel
