// The top-level window of a form: creation from the form's state, its controls, menu bar and hints,
// and the messages that belong to the form itself (paint, close, move and size, focus).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/control.h"
#include "ui/win32/control_peers.h"
#include "ui/win32/menus.h"
#include "ui/win32/window_base.h"

namespace tavel {

class Form;
class Win32Ui;

// Window styles of a form, shared by creation and the frame size.
DWORD FormStyle(const Form& form);
DWORD FormExStyle(const Form& form);

class FormWindow : public WindowBase, public ControlPeer {
 public:
  FormWindow(Win32Ui& ui, Form& form);
  ~FormWindow() override;

  // Creates the window (hidden unless the form is visible), its menu bar, controls and hints.
  void Create();
  // Cuts every link to the form and its controls, which may be destroyed already, then destroys
  // the window.
  void Destroy();

  Form& GetForm() const { return form_; }
  Win32Ui& Ui() const { return ui_; }

  void Sync(Control& control, Change change, int index) override;

  // Makes a control's windows known to the routing of notifications.
  void Register(ChildPeer& peer);
  void Unregister(ChildPeer& peer);
  // Gives the control's windows their hint tip (or takes it away).
  void UpdateHint(ChildPeer& peer);
  // Passes a mouse message over one of the form's controls to its hint window.
  void RelayToTooltip(MSG& msg);
  // Hints are shown only when both the application and the form allow them.
  void ApplyHintSettings(bool appShowsHints, int pauseMs);
  // Enter pressed: clicks the focused push button, else the default button; true when one was.
  bool PressDefault(HWND focus);
  // Escape: clicks the form's cancel button; false when it has none (Escape then does nothing).
  bool PressCancel();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateChildren(Control& parent, HWND container);
  void CreateTooltip();

  void TakeBoundsFromWindow();
  void OnActivate(bool active);
  // The default button that can be pressed now (shown and enabled), or null.
  ChildPeer* DefaultButtonPeer() const;
  // The first control, in the order the controls were made, that takes the focus now, or null.
  ChildPeer* FirstTabStopPeer() const;

  Win32Ui& ui_;
  Form& form_;
  bool live_ = false;
  std::unique_ptr<MenuBar> menuBar_;
  std::vector<std::unique_ptr<ChildPeer>> peers_;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
};

}  // namespace tavel
