// A top-level window of the program: its controls, menu, caption, modal result and close handling.
#include "ui/form.h"

#include "ui/application.h"

namespace tavel {

Form::Form(Application& app, std::string className, std::string name)
    : Control(nullptr, std::move(name)), app_(app), className_(std::move(className)) {
  SetVisible(false);
}

Form::~Form() {
  if (attached_) app_.Backend().DetachForm(*this);
}

Size Form::ClientSize() const {
  Size frame = app_.Backend().FrameSize(*this);
  return {Width() - frame.width, Height() - frame.height};
}

void Form::SetClientSize(int width, int height) {
  Size frame = app_.Backend().FrameSize(*this);
  SetBounds({Left(), Top(), width + frame.width, height + frame.height});
}

void Form::SetShowHint(bool on) {
  showHint_ = on;
  Changed(Change::Hint);
}

void Form::Attach() {
  if (attached_) return;
  attached_ = true;
  app_.Backend().AttachForm(*this);
}

void Form::Show() {
  Attach();
  closed_ = false;
  SetVisible(true);
}

void Form::BringToFront() {
  app_.Backend().BringToFront(*this);
}

int Form::ShowModal() {
  Attach();
  modal_ = true;
  closed_ = false;
  modalResult_ = kResultNone;
  SetVisible(true);
  {
    auto showing = app_.ShowingModal();
    app_.Backend().RunModal(*this);
  }
  modal_ = false;
  SetVisible(false);
  return modalResult_;
}

void Form::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_ && result != kResultNone) closed_ = true;
}

void Form::Close() {
  if (closed_) return;
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (!canClose) return;
  if (OnClose) OnClose();
  if (modal_) {
    SetModalResult(modalResult_ == kResultNone ? kResultCancel : modalResult_);
    return;
  }
  closed_ = true;
  Hide();
  if (app_.MainForm() == this) app_.MainFormClosed();
}

void Form::Paint() {
  if (OnPaint) OnPaint();
}

void Form::SizeChanged() {
  if (OnResize) OnResize();
}

}  // namespace tavel
