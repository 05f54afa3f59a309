// Memory inside another process, for control messages whose buffers Windows does not carry across
// processes (those of the common controls, such as the status bar's).
#pragma once

#include <windows.h>

#include <string>

namespace tavel::e2e {

class RemoteBuffer {
 public:
  // `size` bytes in the process that owns `window`.
  RemoteBuffer(HWND window, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Ok() const { return address_ != nullptr; }
  // The address to put into a message for that process.
  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  // The first `bytes` bytes, as that process left them.
  std::string Read(size_t bytes) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_;
};

}  // namespace tavel::e2e
