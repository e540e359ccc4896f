#include "platform/voice_language.h"

#include <charconv>

namespace orvel {
namespace {

constexpr unsigned kChinesePrc = 0x804;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

bool ListsChineseLanguage(std::string_view languages) {
  for (;;) {
    const std::size_t semicolon = languages.find(';');
    const std::string_view one = Trimmed(languages.substr(0, semicolon));
    unsigned value = 0;
    const auto [end, error] = std::from_chars(one.data(), one.data() + one.size(), value, 16);
    if (!one.empty() && error == std::errc() && end == one.data() + one.size() &&
        value == kChinesePrc)
      return true;
    if (semicolon == std::string_view::npos) return false;
    languages.remove_prefix(semicolon + 1);
  }
}

}  // namespace orvel
