#include "platform/win32/dpi.h"
#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {

Win32TextMetrics::Win32TextMetrics() : dpi_(SystemDpi()) {
  WindowDc screen(nullptr);
  dc_.reset(CreateCompatibleDC(screen.get()));
}

HFONT Win32TextMetrics::FontFor(const ui::Font& font) const {
  auto key = std::make_tuple(font.name, font.size, font.bold);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) it = fonts_.emplace(std::move(key), MakeFont(font, dpi_)).first;
  return it->second.get();
}

double Win32TextMetrics::TextWidth(const ui::Font& font, const std::string& text) const {
  if (text.empty() || !dc_) return 0;
  const std::wstring w = Widen(text);
  SelectGuard select(dc_.get(), FontFor(font));
  SIZE size{};
  if (!GetTextExtentPoint32W(dc_.get(), w.c_str(), static_cast<int>(w.size()), &size)) return 0;
  return PxToTwips(size.cx, dpi_);
}

double Win32TextMetrics::TextHeight(const ui::Font& font) const {
  if (!dc_) return 0;
  SelectGuard select(dc_.get(), FontFor(font));
  TEXTMETRICW tm{};
  if (!GetTextMetricsW(dc_.get(), &tm)) return 0;
  return PxToTwips(tm.tmHeight, dpi_);
}

}  // namespace orvel::win32
