// Screenshots of windows as BMP files in the artefact folder.
#include "screenshot.h"

#include <gtest/gtest.h>

#include <vector>

#include "environment.h"
#include "files.h"

namespace tavel::e2e {

namespace {

constexpr int kSettleMs = 5000;
constexpr int kSettleStepMs = 150;
constexpr int kStableCaptures = 3;

std::string CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "run";
  for (char& c : name) {
    if (c == '/' || c == '\\' || c == ':') c = '_';
  }
  return name;
}

BITMAPINFOHEADER Header(int width, int height) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;  // bottom-up rows, as BMP files store them
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  h.biSizeImage = ((static_cast<DWORD>(width) * 3 + 3) & ~3u) * static_cast<DWORD>(height);
  return h;
}

// The screen's pixels in a rectangle as 24-bit bottom-up rows; empty when the copy failed.
std::vector<char> CaptureScreen(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BOOL copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader = Header(width, height);
  std::vector<char> pixels(info.bmiHeader.biSizeImage);
  int rows =
      copied ? GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) : 0;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) pixels.clear();
  return pixels;
}

bool WriteBmp(const std::string& path, const std::vector<char>& pixels, int width, int height) {
  BITMAPINFOHEADER header = Header(width, height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(pixels.data(), pixels.size());
  return WriteBytes(path, bytes);
}

}  // namespace

std::string SaveScreenshot(HWND window, const std::string& label) {
  RECT r;
  if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) return {};
  // A window that has just appeared may not be painted yet: let its thread answer a message, then
  // wait until a few pictures in a row are equal.
  DWORD_PTR ignored;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kSettleMs, &ignored);
  std::vector<char> pixels = CaptureScreen(r);
  int equal = 1;
  for (int waited = 0; waited < kSettleMs && equal < kStableCaptures; waited += kSettleStepMs) {
    Sleep(kSettleStepMs);
    std::vector<char> again = CaptureScreen(r);
    equal = again == pixels ? equal + 1 : 1;
    pixels = std::move(again);
  }
  if (pixels.empty()) return {};
  std::string path = ArtifactsFolder() + CurrentTestName() + "-" + label + ".bmp";
  return WriteBmp(path, pixels, r.right - r.left, r.bottom - r.top) ? path : std::string();
}

}  // namespace tavel::e2e
