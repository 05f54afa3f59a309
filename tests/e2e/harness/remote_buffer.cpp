// Memory inside another process, for control messages whose buffers Windows does not carry across
// processes (those of the common controls, such as the status bar's).
#include "remote_buffer.h"

namespace tavel::e2e {

RemoteBuffer::RemoteBuffer(HWND window, size_t size) : size_(size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process_) return;
  address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

std::string RemoteBuffer::Read(size_t bytes) const {
  if (!address_) return {};
  std::string data(bytes < size_ ? bytes : size_, '\0');
  SIZE_T got = 0;
  if (!ReadProcessMemory(process_, address_, data.data(), data.size(), &got)) return {};
  data.resize(got);
  return data;
}

}  // namespace tavel::e2e
