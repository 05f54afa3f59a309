// Benchmark helper (run under Windows or Wine): starts the player on one long file and lets it play
// for 35 seconds, saying "playing" when the file has started, so that bench/play_cpu.sh can read
// the player's CPU time from outside. On Windows it also prints the time itself.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "wav.h"

namespace {

double CpuMillis(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  auto ms = [](FILETIME f) {
    return ((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

void SetSetting(const char* name, const char* value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_USERS, ".Default\\Software\\KOLAP SOFT32\\TAVEL32", 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>(std::string(value).size() + 1));
  RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: play_cpu_bench <folder holding TaVEL32.EXE>\n");
    return 2;
  }
  std::string folder = std::string(argv[1]) + "\\";
  std::string song = folder + "cpu_bench_song.wav";
  if (!tavel::e2e::WriteWholeFile(song, tavel::e2e::WavBytes(60000)) ||
      !tavel::e2e::WriteWholeFile(folder + "TaVM32M0.LIS", song + "\r\n")) {
    std::printf("cannot write the test files into %s\n", folder.c_str());
    return 1;
  }
  SetSetting("Version", "11");
  SetSetting("MEMORY", "1,1,1,1,0,1,1");
  SetSetting("SAISEIM", "0,0,1,0,-1,-1,-1,-1");  // continuous, plays at the end of start-up
  SetSetting("INDEX", "0,-1");

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string exe = folder + "TaVEL32.EXE";
  std::string cmd = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &si, &pi)) {
    std::printf("cannot start %s\n", exe.c_str());
    return 1;
  }
  // Wait until the file plays (the title names it), then let it settle.
  for (int i = 0; i < 600; ++i) {
    HWND w = FindWindowA("TTAVEL32KOLAP", nullptr);
    char title[256] = {};
    if (w) GetWindowTextA(w, title, sizeof title);
    if (std::string(title).find("CPU_BENCH_SONG.WAV") != std::string::npos) break;
    Sleep(100);
  }
  std::printf("playing\n");
  std::fflush(stdout);
  Sleep(2500);
  double before = CpuMillis(pi.hProcess);
  Sleep(30000);
  double after = CpuMillis(pi.hProcess);
  // Wine does not report another process's times (they read 0); bench/play_cpu.sh measures there.
  if (after > 0) {
    std::printf("player CPU time over 30 s of playing: %.0f ms (%.2f%% of one core)\n",
                after - before, (after - before) / 300.0);
  }
  Sleep(2500);
  HWND w = FindWindowA("TTAVEL32KOLAP", nullptr);
  if (w) PostMessageA(w, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 30000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}
