// The class strip's and speech's settings reader (classroom.ini) on any bytes; what it reads
// writes back to a file that reads the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "timetable/classroom_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ClassroomSettings settings = ParseClassroomSettings(bytes);
  if (settings.stripPlace) {
    fuzz::Check(settings.stripPlace->left >= -kMaxStripPlaceTwips &&
                settings.stripPlace->left <= kMaxStripPlaceTwips);
    fuzz::Check(settings.stripPlace->top >= -kMaxStripPlaceTwips &&
                settings.stripPlace->top <= kMaxStripPlaceTwips);
  }
  fuzz::Check(settings.bellOffsetSeconds >= -kMaxBellOffsetSeconds &&
              settings.bellOffsetSeconds <= kMaxBellOffsetSeconds);
  fuzz::Check(settings.timeServers.size() <= kMaxTimeServers);
  fuzz::Check(ParseClassroomSettings(FormatClassroomSettings(settings)) == settings);
  return 0;
}
