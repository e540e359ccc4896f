#pragma once
// Pictures of real windows for the tests: a window captured into a 32-bit image, its pixels,
// and the image written as a BMP file for a person to look at.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvel::wintest {

class Image {
 public:
  Image() = default;
  Image(int width, int height, std::vector<std::uint32_t> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return pixels_.empty(); }
  // The colour at (x, y), 0x00BBGGRR like COLORREF; x and y must lie inside.
  COLORREF Pixel(int x, int y) const;
  // True when every pixel has the same colour (nothing was drawn).
  bool Uniform() const;
  // An uncompressed 32-bit BMP.
  bool WriteBmp(const std::filesystem::path& file) const;
  friend bool operator==(const Image&, const Image&) = default;

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;  // top row first, 0x00RRGGBB as the DIB holds them
};

struct Capture {
  Image image;
  std::string source;  // "PrintWindow" or "screen"
};

// The whole window rectangle of `hwnd`. PrintWindow first; when it draws nothing (Wine cannot
// print a window of another process: device contexts do not cross processes there), a copy of
// the screen where the window lies.
Capture CaptureWindow(HWND hwnd);
// What the screen shows in `area`, whichever windows lie there.
Image CaptureScreenArea(const RECT& area);
// Captures until two pictures in a row agree (the window has finished painting), at most
// `timeoutMs`; the last picture either way.
Capture CaptureSettledWindow(HWND hwnd, DWORD timeoutMs);

}  // namespace orvel::wintest
