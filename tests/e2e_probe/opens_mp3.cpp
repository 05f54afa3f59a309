// Started by the end-to-end tests before they play an MP3, with the same word size as the player
// under test: opens the file named as the player does (naming no device type) and reads its
// length. Ends with 0 when MCI can play the file on this machine, else with the MCI error.
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <cstdio>
#include <string>

namespace {

MCIERROR Send(const std::string& command, std::string* answer = nullptr) {
  char buffer[302] = "";
  MCIERROR error = mciSendStringA(command.c_str(), buffer, sizeof buffer, nullptr);
  if (answer) *answer = buffer;
  return error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: opens_mp3 FILE\n");
    return 2;
  }
  MCIERROR error = Send("Open \"" + std::string(argv[1]) + "\" alias Kolap wait");
  std::string length;
  if (error == 0) {
    Send("Set Kolap time format ms wait");
    error = Send("status Kolap length wait", &length);
  }
  Send("Close Kolap wait");
  if (error != 0) {
    std::printf("MCI error %lu\n", static_cast<unsigned long>(error));
    return static_cast<int>(error);
  }
  std::printf("%s ms\n", length.c_str());
  return 0;
}
