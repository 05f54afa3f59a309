// Peers drawn by window classes of our own: panel, radio group, image.
#include <windows.h>

#include <vector>

#include "platform/win32/handles.h"
#include "ui/controls.h"
#include "ui/image.h"
#include "ui/win32/control_peers.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/win32_ui.h"

namespace tavel {

namespace {

constexpr const char* kPanelClass = "TavelPanel";
constexpr const char* kRadioGroupClass = "TavelRadioGroup";
constexpr const char* kImageClass = "TavelImage";

// A panel: its colour (the button face by default), a one-pixel bevel and its caption centred.
class PanelPeer : public DrawnPeer {
 public:
  using DrawnPeer::DrawnPeer;
  void Create(HWND parent) override {
    CreateOwn(parent, kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  }
  HWND ChildContainer() const override { return hwnd_; }

 protected:
  bool SyncOwn(Change change, int) override {
    if (change == Change::Caption) SetWindowTextA(hwnd_, control_.Caption().c_str());
    if (change != Change::Caption && change != Change::Font) return false;
    InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
  }
  COLORREF Background() const override { return ResolveColor(control_.GetColor(), COLOR_BTNFACE); }
  void Paint(HDC dc, const RECT& client) override {
    RECT r = client;
    const auto& panel = static_cast<Panel&>(control_);
    for (Bevel bevel : {panel.Outer(), panel.Inner()}) {
      if (bevel == Bevel::Raised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      if (bevel == Bevel::Lowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    const std::string& caption = control_.Caption();
    if (caption.empty()) return;
    SelectedObject font = SelectInto(dc, Ui().Gdi().FontFor(control_.GetFont()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColor(control_, COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
};

// A radio group: a group box with the caption and one radio button per item in a single column.
// The buttons have the identifiers 1, 2, ... in item order inside the group's window.
class RadioGroupPeer : public DrawnPeer {
 public:
  using DrawnPeer::DrawnPeer;
  void Create(HWND parent) override {
    CreateOwn(parent, kRadioGroupClass, 0, WS_EX_CONTROLPARENT);
    const Rect& b = control_.Bounds();
    group_ = CreateWindowExA(0, "BUTTON", control_.Caption().c_str(),
                             WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, b.width, b.height, hwnd_,
                             nullptr, Ui().Instance(), nullptr);
    MakeButtons();
  }
  std::vector<HWND> Windows() const override {
    std::vector<HWND> all{hwnd_, group_};
    all.insert(all.end(), buttons_.begin(), buttons_.end());
    return all;
  }
  void OnCommand(HWND from, int code) override {
    if (code != BN_CLICKED || SendMessageA(from, BM_GETCHECK, 0, 0) != BST_CHECKED) return;
    for (size_t i = 0; i < buttons_.size(); ++i) {
      if (buttons_[i] == from) static_cast<RadioGroup&>(control_).SetItemIndex(static_cast<int>(i));
    }
  }
  HBRUSH OnCtlColor(HDC dc) override { return InheritedColors(dc); }

 protected:
  bool SyncOwn(Change change, int) override {
    switch (change) {
      case Change::Caption:
        SetWindowTextA(hwnd_, control_.Caption().c_str());
        SetWindowTextA(group_, control_.Caption().c_str());
        return true;
      case Change::Bounds: {
        const Rect& b = control_.Bounds();
        MoveWindow(hwnd_, b.left, b.top, b.width, b.height, TRUE);
        MoveWindow(group_, 0, 0, b.width, b.height, TRUE);
        Layout();
        return true;
      }
      case Change::Font:
        ApplyFont();
        Layout();
        return true;
      case Change::Items:
        form_.Unregister(*this);
        for (HWND b : buttons_) DestroyWindow(b);
        buttons_.clear();
        MakeButtons();
        form_.Register(*this);
        form_.UpdateHint(*this);
        return true;
      case Change::ItemIndex:
        ShowChecks();
        return true;
      default:
        return false;
    }
  }

 private:
  void MakeButtons() {
    const auto& items = static_cast<RadioGroup&>(control_).Items();
    DWORD disabled = control_.Enabled() ? 0 : WS_DISABLED;
    for (size_t i = 0; i < items.size(); ++i) {
      DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | disabled |
                    (i == 0 ? WS_GROUP : 0);
      buttons_.push_back(CreateWindowExA(0, "BUTTON", items[i].c_str(), style, 0, 0, 0, 0, hwnd_,
                                         reinterpret_cast<HMENU>(i + 1), Ui().Instance(), nullptr));
    }
    ApplyFont();
    Layout();
    ShowChecks();
  }

  // Below the caption line, the items share the height equally; what does not divide evenly is
  // split above and below.
  void Layout() {
    if (buttons_.empty()) return;
    const Rect& b = control_.Bounds();
    int count = static_cast<int>(buttons_.size());
    int textHeight = CaptionHeight();
    int space = b.height - textHeight - 5;
    int buttonHeight = space / count;
    int topMargin = textHeight + 1 + (space % count) / 2;
    for (int i = 0; i < count; ++i) {
      MoveWindow(buttons_[static_cast<size_t>(i)], 8, topMargin + i * buttonHeight, b.width - 10,
                 buttonHeight, TRUE);
    }
  }

  int CaptionHeight() const {
    WindowDC dc = OwnWindowDC(hwnd_);
    SelectedObject font = SelectInto(dc.Get(), Ui().Gdi().FontFor(control_.GetFont()));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.Get(), &tm);
    return tm.tmHeight;
  }

  void ShowChecks() {
    int index = static_cast<RadioGroup&>(control_).ItemIndex();
    for (size_t i = 0; i < buttons_.size(); ++i) {
      WPARAM check = static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED;
      SendMessageA(buttons_[i], BM_SETCHECK, check, 0);
    }
  }

  HWND group_ = nullptr;
  std::vector<HWND> buttons_;
};

// An image: the bitmap at the top left, the container's colour around it.
class ImagePeer : public DrawnPeer {
 public:
  using DrawnPeer::DrawnPeer;
  void Create(HWND parent) override { CreateOwn(parent, kImageClass, 0, 0); }

 protected:
  bool SyncOwn(Change change, int) override {
    if (change != Change::Redraw) return false;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
    return true;
  }
  void Paint(HDC dc, const RECT&) override {
    PutBitmap(dc, 0, 0, static_cast<Image&>(control_).Picture(), SRCCOPY);
  }
};

}  // namespace

void RegisterDrawnClasses(HINSTANCE instance) {
  WindowBase::RegisterClassOnce(instance, kPanelClass, nullptr, CS_HREDRAW | CS_VREDRAW);
  WindowBase::RegisterClassOnce(instance, kRadioGroupClass, nullptr, CS_HREDRAW | CS_VREDRAW);
  WindowBase::RegisterClassOnce(instance, kImageClass, nullptr, 0);
}

// Which peer each kind of control gets, one kind a line.
// clang-format off
PeerPtr PeerFor(FormWindow& f, Panel& c) { return MakePeerOf<PanelPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, RadioGroup& c) { return MakePeerOf<RadioGroupPeer>(f, c); }
PeerPtr PeerFor(FormWindow& f, Image& c) { return MakePeerOf<ImagePeer>(f, c); }
// clang-format on

}  // namespace tavel
