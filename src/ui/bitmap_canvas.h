// The headless drawing surface: fills and pictures go into a bitmap, texts and focus frames are
// recorded, so that tests can check what a control's own drawing shows.
#pragma once

#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/image.h"

namespace tavel {

class BitmapCanvas : public Canvas {
 public:
  struct TextRun {
    Rect rect;
    std::string text;
    Color color;
  };

  // The colours of the system's standard scheme.
  static constexpr Color kWindow = Rgb(255, 255, 255);
  static constexpr Color kWindowText = Rgb(0, 0, 0);
  static constexpr Color kHighlight = Rgb(0, 0, 128);
  static constexpr Color kHighlightText = Rgb(255, 255, 255);
  static constexpr Color kGrayText = Rgb(128, 128, 128);

  explicit BitmapCanvas(Bitmap& target) : target_(target) {}

  Color System(SystemColor which) const override;
  void Fill(const Rect& r, Color color) override;
  void WriteText(const Rect& r, const std::string& text, const Font& font, Color color) override;
  void DrawPicture(int x, int y, const Bitmap& picture, Color transparent) override;
  void DrawFocusFrame(const Rect& r) override { focusFrames_.push_back(r); }

  const std::vector<TextRun>& Texts() const { return texts_; }
  const std::vector<Rect>& FocusFrames() const { return focusFrames_; }

 private:
  bool Inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < target_.width && y < target_.height;
  }

  Bitmap& target_;
  std::vector<TextRun> texts_;
  std::vector<Rect> focusFrames_;
};

}  // namespace tavel
