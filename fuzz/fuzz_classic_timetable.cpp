// The classic edition's timetable reader on any bytes, quotes and UTF-8 included; a table the
// writer accepts must read back equal in both editions.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const std::optional<Timetable> table = ParseClassicTimetable(bytes))
    fuzz::CheckRoundTrip(*table);
  return 0;
}
