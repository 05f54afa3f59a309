// A top-level window of the program: its controls, menu, caption, modal result and close handling.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/control.h"

namespace tavel {

class Application;
class MenuItem;

enum class BorderStyle { Sizeable, Dialog };

// Modal results used by the program's boxes.
constexpr int kResultNone = 0;
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;

class Form : public Control {
 public:
  // `className` is the window class other processes find the window by.
  Form(Application& app, std::string className, std::string name);
  ~Form() override;

  Application& App() const { return app_; }
  const std::string& ClassName() const { return className_; }

  Size ClientSize() const override;
  void SetClientSize(int width, int height);

  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle b) { border_ = b; }
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool on) { stayOnTop_ = on; }
  MenuItem* Menu() const { return menu_; }
  void SetMenu(MenuItem* menu) { menu_ = menu; }
  // Control hints of this window (the application must have hints on too).
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  // Gives the form its real window (still hidden) when there is a windowing system.
  void Attach();
  // Shows the window, giving it a real window the first time.
  void Show();
  void Hide() { SetVisible(false); }
  // Raises the window above the other windows.
  void BringToFront();
  // Shows modally; returns the modal result (2 when closed from the title bar).
  int ShowModal();
  bool IsModal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);
  // Asks OnCloseQuery; when allowed, runs OnClose and closes the window.
  void Close();
  bool IsClosed() const { return closed_; }

  // Called by the windowing system before each paint of the window.
  void Paint();

  // Native window handle once attached (0 headless or before the first showing).
  std::uintptr_t Handle() const { return handle_; }
  void SetHandle(std::uintptr_t h) { handle_ = h; }

  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnClose;
  std::function<void()> OnPaint;
  std::function<void()> OnResize;
  // A message of the program's own (user message numbers and above) sent to the window; returns
  // whether the form handled it.
  std::function<bool(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)> OnMessage;
  // The Windows session ends (log-off, shut-down): the process ends right after this returns.
  std::function<void()> OnEndSession;
  // A hot key the window holds was pressed, wherever the focus is; `id` is the window's own
  // number for it.
  std::function<void(int id)> OnHotKey;
  // An application command (a media or browser key of the keyboard, for instance) reached the
  // window while it or one of its controls has the focus; returns whether the form carried it out.
  std::function<bool(int command)> OnAppCommand;

 protected:
  void SizeChanged() override;

 private:
  Application& app_;
  std::string className_;
  BorderStyle border_ = BorderStyle::Sizeable;
  bool stayOnTop_ = false;
  bool showHint_ = true;
  MenuItem* menu_ = nullptr;
  bool attached_ = false;
  bool modal_ = false;
  bool closed_ = false;
  int modalResult_ = kResultNone;
  std::uintptr_t handle_ = 0;
};

}  // namespace tavel
