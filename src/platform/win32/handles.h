// Owners of Windows handles held for one use: each gives back what it holds on every way out.
#pragma once

#include <windows.h>
// windows.h first: ddeml.h needs its types.
#include <ddeml.h>

#include <string>

#include "base/handle_owner.h"

namespace tavel {

// How each kind of handle goes back.
struct CloseFile {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  bool operator()(HANDLE h) const { return CloseHandle(h) != 0; }
};
struct CloseSearch {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  bool operator()(HANDLE h) const { return FindClose(h) != 0; }
};
struct ReleaseWindowDC {
  HWND window;
  static HDC Empty() { return nullptr; }
  bool operator()(HDC dc) const { return ReleaseDC(window, dc) != 0; }
};
struct DeleteMemoryDC {
  static HDC Empty() { return nullptr; }
  bool operator()(HDC dc) const { return DeleteDC(dc) != 0; }
};
// Selects the object a selection replaced back into its device context.
struct SelectBack {
  HDC dc;
  static HGDIOBJ Empty() { return nullptr; }
  bool operator()(HGDIOBJ replaced) const { return SelectObject(dc, replaced) != nullptr; }
};
// A string handle is freed with its instance still alive.
struct FreeDdeString {
  DWORD instance;
  static HSZ Empty() { return nullptr; }
  bool operator()(HSZ h) const { return DdeFreeStringHandle(instance, h) != 0; }
};
struct DisconnectDde {
  static HCONV Empty() { return nullptr; }
  bool operator()(HCONV conv) const { return DdeDisconnect(conv) != 0; }
};
struct FreeDdeData {
  static HDDEDATA Empty() { return nullptr; }
  bool operator()(HDDEDATA data) const { return DdeFreeDataHandle(data) != 0; }
};

using FileHandle = HandleOwner<HANDLE, CloseFile>;
using SearchHandle = HandleOwner<HANDLE, CloseSearch>;
using WindowDC = HandleOwner<HDC, ReleaseWindowDC>;
using MemoryDC = HandleOwner<HDC, DeleteMemoryDC>;
using SelectedObject = HandleOwner<HGDIOBJ, SelectBack>;
using DdeStringHandle = HandleOwner<HSZ, FreeDdeString>;
using DdeConversationHandle = HandleOwner<HCONV, DisconnectDde>;
using DdeDataHandle = HandleOwner<HDDEDATA, FreeDdeData>;

// The device context of a window (of the screen for a null window).
inline WindowDC OwnWindowDC(HWND window) {
  return WindowDC(GetDC(window), {window});
}

// Selects a font, brush or pen into a device context and puts the one it replaced back, so that
// the context never ends up holding an object that is deleted later.
inline SelectedObject SelectInto(HDC dc, HGDIOBJ object) {
  return SelectedObject(dc && object ? SelectObject(dc, object) : nullptr, {dc});
}

// A string handle in the Windows ANSI code page.
inline DdeStringHandle OwnDdeString(DWORD instance, const std::string& text) {
  return DdeStringHandle(DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI), {instance});
}

}  // namespace tavel
