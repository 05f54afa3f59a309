// An MCI device for tests driven by the headless virtual time.
#include "support/fake_mci.h"

#include <algorithm>

#include "text/number.h"

namespace tavel::testing {

namespace {

// Command words and the alias are not case-sensitive; the path in the open command is left alone.
std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::uint32_t FakeMci::SendString(const std::string& command, std::string& returned,
                                  int returnSize) {
  commands.push_back(command);
  std::string answer;
  std::uint32_t result = Execute(command, answer);
  std::size_t room = returnSize > 0 ? static_cast<std::size_t>(returnSize - 1) : 0;
  returned = answer.substr(0, room);
  if (OnCommand) OnCommand(command);
  return result;
}

bool FakeMci::Playing() const {
  return playing_ && Position() < dataEnd_;
}

std::int64_t FakeMci::Position() const {
  if (!playing_) return position_;
  return std::max(position_, std::min<std::int64_t>(dataEnd_, position_ + (ui_.Now() - playFrom_)));
}

int FakeMci::Count(const std::string& text) const {
  return static_cast<int>(std::count(commands.begin(), commands.end(), text));
}

void FakeMci::Freeze() {
  position_ = Position();
  playing_ = false;
}

std::uint32_t FakeMci::Open(const std::string& command) {
  const std::string prefix = "open \"";
  const std::string suffix = "\" alias kolap wait";
  std::string lower = Lower(command);
  if (!StartsWith(lower, prefix) || !EndsWith(lower, suffix)) return kUnrecognizedCommand;
  if (open_) return kDuplicateAlias;
  std::string path = command.substr(prefix.size(), command.size() - prefix.size() - suffix.size());
  auto file = files_.find(path);
  if (file == files_.end()) return kFileNotFound;
  if (failOpen.count(path)) return kHardware;
  open_ = true;
  path_ = path;
  length_ = file->second;
  auto data = dataEnds_.find(path);
  dataEnd_ = data == dataEnds_.end() ? length_ : data->second;
  playing_ = false;
  playedSinceOpen_ = false;
  position_ = 0;
  return 0;
}

std::uint32_t FakeMci::Execute(const std::string& command, std::string& answer) {
  std::string c = Lower(command);
  if (StartsWith(c, "open ")) return Open(command);
  if (!open_) return kInvalidDevice;
  if (c == "set kolap time format ms wait") return 0;
  if (c == "status kolap length wait") {
    if (failLength.count(path_)) return kHardware;
    answer = std::to_string(length_);
    return 0;
  }
  if (c == "status kolap position" || c == "status kolap position wait") {
    if (failPosition) return kHardware;
    answer = std::to_string(Position());
    return 0;
  }
  if (c == "play kolap") {
    if (failPlay.count(path_)) return kHardware;
    if (!playedSinceOpen_) started.push_back(path_);
    playedSinceOpen_ = true;
    Freeze();
    playing_ = true;
    playFrom_ = ui_.Now();
    return 0;
  }
  if (c == "stop kolap wait" || c == "pause kolap wait") {
    Freeze();
    return 0;
  }
  if (c == "seek kolap to start wait") {
    playing_ = false;
    position_ = 0;
    return 0;
  }
  const std::string seek = "seek kolap to ";
  if (StartsWith(c, seek) && EndsWith(c, " wait")) {
    auto ms = ParseDecimal(c.substr(seek.size(), c.size() - seek.size() - 5));
    if (!ms || *ms < 0) return kUnrecognizedCommand;
    playing_ = false;
    position_ = std::min<std::int64_t>(*ms, length_);
    return 0;
  }
  if (c == "close kolap wait") {
    open_ = false;
    playing_ = false;
    path_.clear();
    return 0;
  }
  return kUnrecognizedCommand;
}

}  // namespace tavel::testing
