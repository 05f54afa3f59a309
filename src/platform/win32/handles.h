// Owners of Windows handles held for one use: each gives back what it holds on every way out.
#pragma once

#include <windows.h>
// windows.h first: ddeml.h needs its types.
#include <ddeml.h>

#include <string>

namespace tavel {

// Owns a file handle for one use.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  // Closes now and tells whether the close (which may flush) succeeded.
  bool Close() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return CloseHandle(h) != 0;
  }

 private:
  HANDLE h_;
};

// Owns a directory search; the search is closed on every way out.
class SearchHandle {
 public:
  explicit SearchHandle(HANDLE h) : h_(h) {}
  ~SearchHandle() {
    if (Valid()) FindClose(h_);
  }
  SearchHandle(const SearchHandle&) = delete;
  SearchHandle& operator=(const SearchHandle&) = delete;

  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }

 private:
  HANDLE h_;
};

// The device context of a window (of the screen for a null window), released on every way out.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects a font, brush or pen into a device context and puts the one it replaced back on every
// way out, so that the context never ends up holding an object that is deleted later.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A string handle in the Windows ANSI code page, freed with its instance still alive.
class DdeStringHandle {
 public:
  DdeStringHandle(DWORD instance, const std::string& text)
      : instance_(instance), handle_(DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI)) {}
  ~DdeStringHandle() {
    if (handle_) DdeFreeStringHandle(instance_, handle_);
  }
  DdeStringHandle(const DdeStringHandle&) = delete;
  DdeStringHandle& operator=(const DdeStringHandle&) = delete;

  HSZ Get() const { return handle_; }

 private:
  DWORD instance_;
  HSZ handle_;
};

// An open conversation; destroying the owner disconnects.
class DdeConversationHandle {
 public:
  explicit DdeConversationHandle(HCONV conv) : conv_(conv) {}
  ~DdeConversationHandle() {
    if (conv_) DdeDisconnect(conv_);
  }
  DdeConversationHandle(const DdeConversationHandle&) = delete;
  DdeConversationHandle& operator=(const DdeConversationHandle&) = delete;

  HCONV Get() const { return conv_; }

 private:
  HCONV conv_;
};

// Data a transaction returned; freed by the owner.
class DdeDataHandle {
 public:
  explicit DdeDataHandle(HDDEDATA data) : data_(data) {}
  ~DdeDataHandle() {
    if (data_) DdeFreeDataHandle(data_);
  }
  DdeDataHandle(const DdeDataHandle&) = delete;
  DdeDataHandle& operator=(const DdeDataHandle&) = delete;

  HDDEDATA Get() const { return data_; }

 private:
  HDDEDATA data_;
};

}  // namespace tavel
