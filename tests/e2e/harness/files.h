// Files and folders of the test sandbox, as raw bytes.
#pragma once

#include <optional>
#include <string>

namespace tavel::e2e {

// Creates a folder and its missing parents; true when it exists afterwards.
bool MakeFolders(const std::string& folder);
// Deletes a folder with everything in it; true when it is gone afterwards.
bool RemoveFolder(const std::string& folder);

bool WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace tavel::e2e
