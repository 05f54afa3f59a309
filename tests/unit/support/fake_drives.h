// In-memory drives for tests: drives of every kind with labels and network names, drives without a
// medium, folders that cannot be entered, and the folder kept current on each drive.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "support/fake_file_system.h"

namespace tavel::testing {

class FakeDrives : public Drives {
 public:
  struct Drive {
    DriveKind kind = DriveKind::Fixed;
    std::optional<std::string> label = std::string();  // nothing: the label cannot be read
    std::optional<std::string> networkName;            // nothing: not connected
    bool hasMedium = true;
    std::string currentFolder;  // empty: the root
  };

  // Folders exist where `files` has them.
  explicit FakeDrives(FakeFileSystem& files) : files_(files) {}

  // Adds drive `letter` (either case) of the given kind.
  Drive& Add(char letter, DriveKind kind, const std::string& label = "");

  DriveKind Kind(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  std::optional<std::string> NetworkName(const std::string& drive) override;
  bool HasMedium(const std::string& root) override;
  bool EnterFolder(const std::string& folder) override;
  std::string CurrentFolderOf(char letter) override;

  // Folders that exist but cannot be made current (compared ignoring ASCII case, no backslash).
  std::set<std::string> unenterable;
  // The process's current folder, as the last successful EnterFolder left it.
  std::string current;
  // Every folder asked to be entered, in order, with "+" for success or "-" for failure.
  std::vector<std::string> entered;
  // Runs after each successful EnterFolder: a test changes the machine there (a disc taken out).
  std::function<void(const std::string& folder)> onEnter;

 private:
  Drive* Find(char letter);

  FakeFileSystem& files_;
  std::map<char, Drive> drives_;  // by upper-case letter
};

}  // namespace tavel::testing
