// The classic edition's settings reader on any bytes; a record whose texts can all be carried is
// written and must read back equal.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "timetable/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsRecord settings = ParseSettings(bytes, Edition::Classic);
  for (const std::string* text :
       {&settings.Left, &settings.Top, &settings.ScdFileName, &settings.CmbFontName,
        &settings.CmbFontSize, &settings.CmbFun, &settings.ChkTimerSchedule, &settings.CmbArea})
    if (!fuzz::Carried(*text)) return 0;
  fuzz::Check(ParseSettings(FormatSettings(settings, Edition::Classic), Edition::Classic) ==
              settings);
  return 0;
}
