#include "dib_capture.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "platform/win32/handles.h"

namespace orvel::wintest {
namespace {

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: the first row in memory is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// Draws with `draw` into a fresh black 32-bit DIB and returns its pixels.
template <class Draw>
Image Render(int width, int height, Draw draw) {
  if (width <= 0 || height <= 0) return {};
  win32::WindowDc screen(nullptr);
  win32::MemoryDc dc(CreateCompatibleDC(screen.get()));
  const BITMAPINFO info = TopDownInfo(width, height);
  void* bits = nullptr;
  win32::BitmapHandle dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !dib || !bits) return {};
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint32_t> pixels(count);
  {
    win32::SelectGuard select(dc.get(), dib.get());
    draw(dc.get());
    GdiFlush();
    std::memcpy(pixels.data(), bits, count * sizeof(std::uint32_t));
  }
  return Image(width, height, std::move(pixels));
}

template <class T>
void Put(std::ofstream& out, const T& value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof(value));
}

}  // namespace

COLORREF Image::Pixel(int x, int y) const {
  const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                  static_cast<std::size_t>(x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Image::Uniform() const {
  if (pixels_.empty()) return true;
  const std::uint32_t first = pixels_.front() & 0xFFFFFF;
  return std::all_of(pixels_.begin(), pixels_.end(),
                     [first](std::uint32_t p) { return (p & 0xFFFFFF) == first; });
}

bool Image::WriteBmp(const std::filesystem::path& file) const {
  if (empty()) return false;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const DWORD pixelBytes = static_cast<DWORD>(pixels_.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + pixelBytes;
  BITMAPINFOHEADER info = TopDownInfo(width_, height_).bmiHeader;
  info.biHeight = height_;  // bottom-up rows: what every reader of the format accepts
  info.biSizeImage = pixelBytes;
  Put(out, header);
  Put(out, info);
  for (int y = height_ - 1; y >= 0; --y)
    out.write(reinterpret_cast<const char*>(
                  &pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)]),
              static_cast<std::streamsize>(width_) * 4);
  return static_cast<bool>(out);
}

Capture CaptureWindow(HWND hwnd) {
  RECT r{};
  if (!GetWindowRect(hwnd, &r)) return {};
  const int width = r.right - r.left, height = r.bottom - r.top;
  Capture capture;
  capture.image = Render(width, height, [hwnd](HDC dc) { PrintWindow(hwnd, dc, 0); });
  capture.source = "PrintWindow";
  if (capture.image.Uniform()) {
    capture.image = CaptureScreenArea(r);
    capture.source = "screen";
  }
  return capture;
}

Image CaptureScreenArea(const RECT& area) {
  return Render(area.right - area.left, area.bottom - area.top, [&area](HDC dc) {
    win32::WindowDc screen(nullptr);
    BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, screen.get(), area.left,
           area.top, SRCCOPY);
  });
}

Capture CaptureSettledWindow(HWND hwnd, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  Capture last = CaptureWindow(hwnd);
  while (GetTickCount64() < end) {
    Sleep(100);
    Capture next = CaptureWindow(hwnd);
    const bool settled = !next.image.empty() && next.image == last.image;
    last = std::move(next);
    if (settled) break;
  }
  return last;
}

}  // namespace orvel::wintest
