// What a shell link (.lnk) starts, read through IShellLinkW and IPersistFile.
#include "shell_link.h"

#include <windows.h>
// windows.h first: the shell's headers need its types.
#include <objbase.h>
#include <shlobj.h>

#include "cp932.h"

namespace tavel::e2e {

namespace {

// Releases a COM interface when it goes.
template <typename T>
struct Released {
  T* p = nullptr;
  ~Released() {
    if (p) p->Release();
  }
};

}  // namespace

std::optional<std::string> LinkTarget(const std::string& linkPath) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<std::string> target;
  {
    Released<IShellLinkW> link;
    Released<IPersistFile> file;
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link.p))) &&
        SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
        SUCCEEDED(file.p->Load(FromCp932(linkPath).c_str(), STGM_READ)) &&
        SUCCEEDED(link.p->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
      target = ToCp932(path);
    }
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return target;
}

}  // namespace tavel::e2e
