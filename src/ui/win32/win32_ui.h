// The Windows windowing system for the control layer: real windows for forms and controls, the
// message loops, timers, menus, cursor and text metrics.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/win32/handles.h"
#include "ui/backend.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/timer_host.h"
#include "ui/win32/window_base.h"

namespace tavel {

class ChildPeer;
class FormWindow;

class Win32Ui : public UiBackend {
 public:
  explicit Win32Ui(HINSTANCE instance);
  ~Win32Ui() override;

  void AttachForm(Form& form) override;
  void DetachForm(Form& form) override;
  Size FrameSize(const Form& form) override;
  Size MeasureText(const Font& font, const std::string& text) override;
  void Repaint(Control& control) override;
  void StartTimer(Timer& timer) override;
  void StopTimer(Timer& timer) override;
  void ProcessMessages() override;
  void WaitForEvents(int ms) override;
  void RunModal(Form& form) override;
  void RunMainLoop(Form& mainForm) override;
  void Quit() override;
  void PopupMenu(Form& owner, MenuItem& menu, Point at) override;
  void Beep() override;
  void SetBusyCursor(bool busy) override;
  void SetAppTitle(const std::string& title) override { appTitle_ = title; }
  void SetHintPause(int ms) override;
  void HideTaskbarButton() override;
  std::uintptr_t FormIcon(Form&) override { return reinterpret_cast<std::uintptr_t>(icon_); }
  void BringToFront(Form& form) override;
  void ShowError(const std::string& text) override;

  // For the windows of this binding.
  HINSTANCE Instance() const { return instance_; }
  HICON AppIcon() const { return icon_; }
  GdiCache& Gdi() { return gdi_; }
  bool Busy() const { return busy_; }
  int HintPause() const { return hintPause_; }
  void RegisterChild(HWND hwnd, ChildPeer* peer);
  void UnregisterChild(HWND hwnd);
  // A control is known by its identifier inside its container before its window exists, so that
  // what the window asks while it is being made (the height of owner-drawn items) reaches it.
  void RegisterChildId(HWND container, int id, ChildPeer* peer);
  void UnregisterChildIds(const ChildPeer& peer);
  // Delivers a child window's notification (command, notify, scroll, colours, owner drawing) that
  // arrived at its container `receiver` to the control's peer; false when it is none of ours.
  bool RouteToChild(HWND receiver, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Answers WM_SETCURSOR while busy; false otherwise.
  bool SetCursorIfBusy();

 private:
  FormWindow* WindowOf(const Form& form) const;
  FormWindow* WindowOf(HWND hwnd) const;
  HWND HwndOf(Control& control) const;
  void Dispatch(MSG& msg);
  bool HandleDialogKey(const MSG& msg);
  ChildPeer* ChildOf(HWND hwnd) const;
  bool RouteOwnerDraw(HWND receiver, UINT msg, LPARAM lp, LRESULT& result);

  HINSTANCE instance_;
  HICON icon_;
  GdiCache gdi_;
  // Texts are measured on a context of the screen's kind kept for the purpose: asking the screen
  // for its own context costs more than the measuring itself, and labels are measured at every
  // change of their captions.
  MemoryDC measuring_{CreateCompatibleDC(nullptr)};
  TimerHost timers_;
  std::map<const Form*, std::unique_ptr<FormWindow>> forms_;
  std::unordered_map<HWND, ChildPeer*> children_;
  std::map<std::pair<HWND, int>, ChildPeer*> childIds_;
  bool busy_ = false;
  std::string appTitle_;
  int hintPause_ = 500;
};

}  // namespace tavel
