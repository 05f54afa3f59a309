// Who this program is: its title, the window classes running instances are found by and its
// version, with the one way to read and show that version and to open the key that holds it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/registry.h"
#include "product/layout.h"

namespace tavel {

// The application's title, also the caption of every box that has no title of its own.
inline constexpr const char* kAppTitle = "楽蔵32";

// Window classes by which processes find a running player and a running setup window.
inline constexpr const char* kPlayerClass = "TTAVEL32KOLAP";
inline constexpr const char* kSetupClass = "TTVLSETUPForm";

// The version this executable is: the installer writes it, the entry sequence looks for it.
inline constexpr std::int32_t kThisVersion = 11;
// The stored version when none can be read; shown as "?.?".
inline constexpr std::int32_t kUnknownVersion = 255;

// The stored version text as a number: missing, empty or not a decimal integer is 255.
std::int32_t ParseVersion(const std::optional<std::string>& text);

// Tens, `separator`, units: 11 gives "1.1". 255 and negative values are no version: "?.?".
std::string FormatVersion(std::int32_t version, const char* separator = ".");

// Opens the settings key for one use (closed when the key object goes away), creating it when
// `create`; null when that fails.
std::unique_ptr<RegistryKey> OpenSettingsKey(Registry& registry, bool create = true);

// The installed version, read from the settings key; with `createKey` false a missing key stays
// missing.
std::int32_t ReadInstalledVersion(Registry& registry, bool createKey);

// The installed version for display, read without creating the key: "1.1", or "?.?".
std::string VersionText(Registry& registry);

}  // namespace tavel
