// An MCI device for tests: files of given lengths that play in the headless virtual time, every
// command recorded exactly as sent, and failures to inject.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/mci.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

class FakeMci : public Mci {
 public:
  // Error codes the device answers with (the values Windows uses).
  static constexpr std::uint32_t kUnrecognizedCommand = 261;
  static constexpr std::uint32_t kInvalidDevice = 263;  // the alias is not open
  static constexpr std::uint32_t kFileNotFound = 275;
  static constexpr std::uint32_t kHardware = 262;  // an injected failure
  static constexpr std::uint32_t kDuplicateAlias = 289;

  explicit FakeMci(const HeadlessUi& ui) : ui_(ui) {}

  std::uint32_t SendString(const std::string& command, std::string& returned,
                           int returnSize) override;

  // Test set-up: a file the device can open, `lengthMs` long.
  void AddFile(const std::string& path, std::int32_t lengthMs) { files_[path] = lengthMs; }
  // A truncated file: its length reads `lengthMs`, but playing stops for good at `dataMs`.
  void AddTruncatedFile(const std::string& path, std::int32_t lengthMs, std::int32_t dataMs) {
    files_[path] = lengthMs;
    dataEnds_[path] = dataMs;
  }
  // Injected failures: the open, the length query or the play command fail for these paths; the
  // position query fails while failPosition is set.
  std::set<std::string> failOpen;
  std::set<std::string> failLength;
  std::set<std::string> failPlay;
  bool failPosition = false;
  // Runs after each command has been carried out (a test can post a click there).
  std::function<void(const std::string& command)> OnCommand;

  // Inspection.
  std::vector<std::string> commands;  // every command text, exactly as sent
  std::vector<std::string> started;   // each file whose first play command after its open worked
  bool IsOpen() const { return open_; }
  const std::string& OpenFile() const { return path_; }
  bool Playing() const;
  std::int64_t Position() const;
  // How many commands equal `text` exactly.
  int Count(const std::string& text) const;

 private:
  std::uint32_t Execute(const std::string& command, std::string& answer);
  std::uint32_t Open(const std::string& command);
  void Freeze();

  const HeadlessUi& ui_;
  std::map<std::string, std::int32_t> files_;
  bool open_ = false;
  std::string path_;
  std::map<std::string, std::int32_t> dataEnds_;
  std::int32_t length_ = 0;
  std::int32_t dataEnd_ = 0;  // where playing stops: the length, or less for a truncated file
  bool playing_ = false;
  bool playedSinceOpen_ = false;
  std::int64_t position_ = 0;  // while stopped; while playing, the position at playFrom_
  std::int64_t playFrom_ = 0;  // virtual time the play command started
};

}  // namespace tavel::testing
