#include "platform/win32/services_win.h"

namespace orvel::win32 {

ui::LocalTime Win32Clock::Now() const {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  ui::LocalTime t;
  t.date = std::chrono::year_month_day{std::chrono::year{st.wYear}, std::chrono::month{st.wMonth},
                                       std::chrono::day{st.wDay}};
  t.secondsOfDay = st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
  return t;
}

std::int64_t Win32Clock::LocalMs() const {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  const std::chrono::sys_days day{std::chrono::year_month_day{
      std::chrono::year{st.wYear}, std::chrono::month{st.wMonth}, std::chrono::day{st.wDay}}};
  return day.time_since_epoch().count() * std::int64_t{86'400'000} +
         ((st.wHour * 60 + st.wMinute) * 60 + st.wSecond) * std::int64_t{1000} + st.wMilliseconds;
}

std::int64_t Win32Clock::SteadyMs() const { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace orvel::win32
