#include "platform/text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

namespace orvel {
namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  return IconvHandle(cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd);
}

// Length of the invalid sequence to skip at `in` for the source encoding.
std::size_t SkipLength(std::string_view in, std::string_view from) {
  if (from.starts_with("UTF-16")) return 2;
  if (from != "UTF-8") return 1;
  std::size_t n = 1;
  while (n < in.size() && n < 4 && (static_cast<unsigned char>(in[n]) & 0xC0) == 0x80) ++n;
  return n;
}

// With a replacement, invalid or unconvertible sequences become it; without one they fail the
// whole conversion.
std::optional<std::string> Convert(std::string_view input, const char* to, const char* from,
                                   std::optional<std::string_view> replacement) {
  std::string out;
  IconvHandle cd = Open(to, from);
  if (!cd) return replacement ? std::optional<std::string>(input) : std::nullopt;
  out.reserve(input.size() * 3 / 2 + 4);
  std::string_view rest = input;
  char buffer[1024];
  while (!rest.empty()) {
    char* inPtr = const_cast<char*>(rest.data());
    std::size_t inLeft = rest.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc =
        iconv(static_cast<iconv_t>(cd.get()), &inPtr, &inLeft, &outPtr, &outLeft);
    const int err = errno;
    out.append(buffer, sizeof buffer - outLeft);
    rest = std::string_view(inPtr, inLeft);
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    // EILSEQ or EINVAL: an invalid or truncated sequence; replace it and go on.
    if (!replacement) return std::nullopt;
    out.append(*replacement);
    rest.remove_prefix(std::min(rest.size(), SkipLength(rest, from)));
    iconv(static_cast<iconv_t>(cd.get()), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

bool StartsWithDoubleByteCharacter(std::string_view ansi) {
  // GBK's lead bytes.
  const auto first = ansi.empty() ? 0u : static_cast<unsigned char>(ansi.front());
  return first >= 0x81 && first <= 0xFE;
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  return *Convert(ansi, "UTF-8", "GBK", "\xEF\xBF\xBD");
}

std::string Utf16ToUtf8(std::string_view units, bool bigEndian) {
  std::string text = *Convert(units.substr(0, units.size() / 2 * 2), "UTF-8",
                              bigEndian ? "UTF-16BE" : "UTF-16LE", "\xEF\xBF\xBD");
  if (units.size() % 2) text += "\xEF\xBF\xBD";
  return text;
}

bool IsInCodePage(std::string_view ansi) {
  return IsAscii(ansi) || Convert(ansi, "UTF-8", "GBK", std::nullopt).has_value();
}

std::string Utf8ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return *Convert(utf8, "GBK", "UTF-8", "?");
}

std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  // No //TRANSLIT: a character GBK lacks fails instead of becoming a look-alike. A few
  // characters share one GBK form with another; reading back tells them apart.
  std::optional<std::string> ansi = Convert(utf8, "GBK", "UTF-8", std::nullopt);
  if (!ansi || Convert(*ansi, "UTF-8", "GBK", std::nullopt) != utf8) return std::nullopt;
  return ansi;
}

}  // namespace orvel
