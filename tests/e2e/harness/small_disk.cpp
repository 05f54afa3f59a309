// A drive letter on a small RAM file system of its own, made and taken away by the Linux shell.
#include "small_disk.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "wait.h"

namespace tavel::e2e {

namespace {

constexpr int kShellTimeoutMs = 15000;

// Starts a command of the Linux shell. Wine starts Linux programs like any other but cannot wait
// for them or read their exit codes, so callers wait until they see what the command did.
bool RunShell(const std::string& command) {
  std::string line = "Z:\\bin\\sh -c \"" + command + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return true;
}

std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(value, n) : std::string();
}

std::optional<ULARGE_INTEGER> Space(const std::string& root, bool total) {
  ULARGE_INTEGER available, all, free;
  if (!GetDiskFreeSpaceExA(root.c_str(), &available, &all, &free)) return std::nullopt;
  return total ? all : available;
}

}  // namespace

SmallDisk::SmallDisk(char letter, int kilobytes) : letter_(letter) {
  const std::string prefix = Environment("WINEPREFIX");
  if (prefix.empty()) {
    why_ = "WINEPREFIX is not set: not running under Wine";
    return;
  }
  if (GetDriveTypeA(Root().c_str()) != DRIVE_NO_ROOT_DIR) {
    why_ = "drive " + Root() + " is already in use";
    return;
  }
  mountPoint_ = "/tmp/tavel-e2e-disk-" + std::to_string(GetCurrentProcessId());
  link_ = prefix + "/dosdevices/" + static_cast<char>(letter | 0x20) + ":";
  mounted_ = RunShell("mkdir -p '" + mountPoint_ +
                      "' && mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs '" +
                      mountPoint_ + "' && ln -sfn '" + mountPoint_ + "' '" + link_ + "'");
  const ULONGLONG most = (static_cast<ULONGLONG>(kilobytes) + 64) * 1024;
  ready_ = mounted_ && WaitUntil(
                           [&] {
                             auto total = Space(Root(), true);
                             return total && total->QuadPart <= most;
                           },
                           kShellTimeoutMs);
  if (!ready_)
    why_ = "cannot mount a tmpfs of " + std::to_string(kilobytes) + "k at " + mountPoint_ +
           " and link it as " + Root() + " (mounting needs root and the right to mount)";
}

SmallDisk::~SmallDisk() {
  if (!mounted_) return;
  const std::string seen = "Z:" + mountPoint_;  // the Linux folder as Windows sees it
  if (!RunShell("rm -f '" + link_ + "'; umount -l '" + mountPoint_ + "'; rmdir '" + mountPoint_ +
                "'"))
    return;
  WaitUntil([&] { return GetFileAttributesA(seen.c_str()) == INVALID_FILE_ATTRIBUTES; },
            kShellTimeoutMs);
}

bool SmallDisk::FillLeaving(unsigned long long leftBytes) const {
  auto available = Space(Root(), false);
  if (!available || available->QuadPart <= leftBytes) return false;
  unsigned long long toWrite = available->QuadPart - leftBytes;
  HANDLE file = CreateFileA((Root() + "filler.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::vector<char> zeros(4096, '\0');
  bool ok = true;
  while (ok && toWrite > 0) {
    DWORD chunk = static_cast<DWORD>(toWrite < zeros.size() ? toWrite : zeros.size());
    DWORD written = 0;
    ok = WriteFile(file, zeros.data(), chunk, &written, nullptr) && written == chunk;
    toWrite -= written;
  }
  return CloseHandle(file) && ok;
}

}  // namespace tavel::e2e
