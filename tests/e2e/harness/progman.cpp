// Program Manager commands from the test program, by DDEML, and its group folders.
#include "progman.h"

#include <windows.h>
// windows.h first: ddeml.h and shlobj.h need its types.
#include <ddeml.h>
#include <shlobj.h>

namespace tavel::e2e {

namespace {

HDDEDATA CALLBACK NoServer(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

constexpr DWORD kCommandTimeoutMs = 10000;

}  // namespace

bool SendProgmanCommand(const std::string& command) {
  DWORD instance = 0;
  if (DdeInitializeA(&instance, NoServer, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
  HSZ name = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
  HCONV conv = DdeConnect(instance, name, name, nullptr);
  bool done = false;
  if (conv) {
    std::string data = command;
    done = DdeClientTransaction(reinterpret_cast<LPBYTE>(data.data()),
                                static_cast<DWORD>(data.size() + 1), conv, nullptr, CF_TEXT,
                                XTYP_EXECUTE, kCommandTimeoutMs, nullptr) != nullptr;
    DdeDisconnect(conv);
  }
  DdeFreeStringHandle(instance, name);
  DdeUninitialize(instance);
  return done;
}

std::string ProgramGroupFolder(const std::string& group) {
  char programs[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs))) return {};
  return std::string(programs) + "\\" + group + "\\";
}

}  // namespace tavel::e2e
