// Who this program is: reading and showing its installed version, and opening its settings key.
#include "product/identity.h"

#include "text/number.h"

namespace tavel {

std::int32_t ParseVersion(const std::optional<std::string>& text) {
  if (!text) return kUnknownVersion;
  // Text that is no number cannot be this version, so it leads to the installer like any other.
  return ParseDecimal(*text).value_or(kUnknownVersion);
}

// Only the installer writes Version, as "11". A negative value is no version at all; shown digit
// by digit it would read "0.-5", so it counts as unknown like any other unreadable text.
std::string FormatVersion(std::int32_t version, const char* separator) {
  if (version == kUnknownVersion || version < 0) return "?.?";
  return std::to_string(version / 10) + separator + std::to_string(version % 10);
}

std::unique_ptr<RegistryKey> OpenSettingsKey(Registry& registry, bool create) {
  return registry.Open(RegistryRoot::Users, kSettingsKeyPath, create);
}

std::int32_t ReadInstalledVersion(Registry& registry, bool createKey) {
  return ParseVersion(
      registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kVersionValue, createKey));
}

std::string VersionText(Registry& registry) {
  return FormatVersion(ReadInstalledVersion(registry, false));
}

}  // namespace tavel
