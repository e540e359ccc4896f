// A holiday-cn year file on any bytes: refused with a reason, or nothing, or the days of its
// year: in date order, each date once, within the year (from 25 December before it), and no
// make-up workday on a weekday.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/holiday_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvel;
  using namespace std::chrono;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const exchange::HolidayFileRead read = exchange::ParseHolidayFile(bytes, 2027);
  fuzz::Check(!(read.year && read.problem.kind != exchange::HolidayFileProblem::Kind::None));
  if (!read.year) return 0;
  fuzz::Check(read.year->year == 2027 && !read.year->days.empty());
  const sys_days from{2026y / December / 25}, to{2027y / December / 31};
  for (std::size_t i = 0; i < read.year->days.size(); ++i) {
    const HolidayDate& day = read.year->days[i];
    const sys_days when{day.date};
    fuzz::Check(day.date.ok() && when >= from && when <= to);
    if (i > 0) fuzz::Check(sys_days{read.year->days[i - 1].date} < when);
    const weekday w{when};
    if (day.kind == NationalDayKind::MakeUpWorkday) fuzz::Check(w == Saturday || w == Sunday);
  }
  return 0;
}
