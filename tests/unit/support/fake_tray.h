// A task tray that records each request and accepts or refuses as the test says.
#pragma once

#include <string>
#include <vector>

#include "platform/tray.h"

namespace tavel::testing {

class FakeTray : public Tray {
 public:
  struct Call {
    std::string request;  // "add", "modify" or "delete"
    TrayIconData data;
  };

  bool Add(const TrayIconData& data) override { return Record("add", data); }
  bool Modify(const TrayIconData& data) override { return Record("modify", data); }
  bool Delete(const TrayIconData& data) override { return Record("delete", data); }
  unsigned ShellStartedMessage() override { return kShellStarted; }

  // The registered message number the fake shell announces its start with.
  static constexpr unsigned kShellStarted = 0xC0DE;

  bool accepts = true;
  std::vector<Call> calls;
  // Whether an icon is on show, as the shell would see it.
  bool shown = false;

 private:
  bool Record(const std::string& request, const TrayIconData& data) {
    calls.push_back({request, data});
    if (!accepts) return false;
    if (request == "modify" && !shown) return false;  // the shell does not know that icon
    if (request == "add") shown = true;
    if (request == "delete") shown = false;
    return true;
  }
};

}  // namespace tavel::testing
