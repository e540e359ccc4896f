#include "desktop/tray_text.h"

#include "platform/text_codec.h"

namespace orvel::desktop {

std::string CutAnsi(std::string_view ansi, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < ansi.size()) {
    const auto lead = static_cast<unsigned char>(ansi[end]);
    const std::size_t length = lead >= 0x81 && lead <= 0xFE && end + 1 < ansi.size() ? 2 : 1;
    if (end + length > maxBytes) break;
    end += length;
  }
  return std::string(ansi.substr(0, end));
}

std::string AnsiField(std::string_view utf8, std::size_t fieldBytes) {
  if (fieldBytes == 0) return {};
  return CutAnsi(Utf8ToAnsi(utf8), fieldBytes - 1);
}

}  // namespace orvel::desktop
