#include "platform/text_codec.h"

namespace orvel {

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

FillValue::FillValue(int number) {
  char* const end = digits_ + sizeof digits_;
  char* first = end;
  unsigned magnitude =
      number < 0 ? 0u - static_cast<unsigned>(number) : static_cast<unsigned>(number);
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (number < 0) *--first = '-';
  text_ = std::string_view(first, static_cast<std::size_t>(end - first));
}

std::string FillIn(std::string_view pattern, std::initializer_list<FillValue> values) {
  std::string text;
  const FillValue* next = values.begin();
  for (;;) {
    const std::size_t at = pattern.find("{}");
    text += pattern.substr(0, at);
    if (at == std::string_view::npos) return text;
    if (next != values.end()) text += (next++)->text();
    pattern.remove_prefix(at + 2);
  }
}

}  // namespace orvel
