// Owners of DDEML handles: the client instance, string handles, a conversation and a data handle,
// each released by its destructor so that no way out of a DDE call leaks one.
#pragma once

#include <windows.h>
// windows.h first: ddeml.h needs its types.
#include <ddeml.h>

#include <string>

namespace tavel {

// A DDEML client instance; 0 when initialising failed.
class DdeInstance {
 public:
  DdeInstance();
  ~DdeInstance();
  DdeInstance(const DdeInstance&) = delete;
  DdeInstance& operator=(const DdeInstance&) = delete;

  DWORD Id() const { return id_; }

 private:
  DWORD id_ = 0;
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
