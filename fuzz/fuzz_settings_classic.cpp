// The classic edition's settings reader on any bytes, quotes and UTF-8 included; a record the
// writer accepts must read back equal.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "timetable/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsRecord settings = ParseSettings(bytes, Edition::Classic);
  const std::optional<std::string> written = FormatSettings(settings, Edition::Classic);
  if (!written) {
    fuzz::Check(FindUnwritableSetting(settings, Edition::Classic).has_value());
    return 0;
  }
  fuzz::Check(ParseSettings(*written, Edition::Classic) == settings);
  return 0;
}
