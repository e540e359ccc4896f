#include "timetable/field_reader.h"

namespace orvel {

void FieldReader::ConsumeSeparatorAt(std::size_t pos) {
  if (pos >= rest_.size()) {
    rest_.remove_prefix(rest_.size());
    return;
  }
  const char separator = rest_[pos];
  rest_.remove_prefix(pos + 1);
  afterComma_ = separator == ',';
  if (separator == '\r' && !rest_.empty() && rest_.front() == '\n') rest_.remove_prefix(1);
}

void FieldReader::DropToSeparator() {
  ConsumeSeparatorAt(rest_.find_first_of(",\r\n"));
}

std::optional<std::string_view> FieldReader::NextRaw() {
  if (rest_.empty() && !afterComma_) return std::nullopt;
  afterComma_ = false;
  while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);

  if (!rest_.empty() && rest_.front() == '"') {
    rest_.remove_prefix(1);
    const std::size_t close = rest_.find('"');
    if (close == std::string_view::npos) {
      const std::string_view field = rest_;
      rest_.remove_prefix(rest_.size());
      return field;
    }
    const std::string_view field = rest_.substr(0, close);
    rest_.remove_prefix(close + 1);
    DropToSeparator();
    return field;
  }

  const std::size_t end = rest_.find_first_of(",\r\n");
  const std::string_view field = rest_.substr(0, end);
  ConsumeSeparatorAt(end);
  return field;
}

std::optional<std::string> FieldReader::Next() {
  const std::optional<std::string_view> raw = NextRaw();
  if (!raw) return std::nullopt;
  return DecodeField(*raw, encoding_);
}

}  // namespace orvel
