#include "platform/win32/services_win.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);  // cut off: try a larger buffer
  }
}

}  // namespace

ui::VersionInfo Win32SystemInfo::WindowsVersion() const {
  // RtlGetVersion tells the truth where GetVersionEx is shimmed by the manifest.
  using Fn = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (const auto rtlGetVersion = LoadProc<Fn>(L"ntdll.dll", "RtlGetVersion");
      rtlGetVersion && rtlGetVersion(&info) == 0)
    return ui::VersionInfo{static_cast<int>(info.dwMajorVersion),
                           static_cast<int>(info.dwMinorVersion)};
  return ui::VersionInfo{};
}

std::filesystem::path Win32SystemInfo::ProgramPath() const {
  return std::filesystem::path(ModulePath());
}

std::string Win32SystemInfo::ProgramTimeText() const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(ModulePath().c_str(), GetFileExInfoStandard, &data)) return {};
  SYSTEMTIME utc{}, local{};
  if (!FileTimeToSystemTime(&data.ftLastWriteTime, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    return {};
  wchar_t date[128] = {}, time[128] = {};
  if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 128,
                       nullptr))
    return {};
  // A stamp at exactly midnight has no time part in the short date-time form.
  if (local.wHour == 0 && local.wMinute == 0 && local.wSecond == 0) return Narrow(date);
  if (!GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, time, 128))
    return Narrow(date);
  return Narrow(std::wstring(date) + L" " + time);
}

std::string Win32SystemInfo::Environment(const std::string& name) const {
  const std::wstring wname = Widen(name);
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD n =
        GetEnvironmentVariableW(wname.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) return {};
    if (n < value.size()) {
      value.resize(n);
      return Narrow(value);
    }
    value.resize(n);  // n is the size needed, with the terminating zero
  }
}

std::string Win32SystemInfo::ComputerName() const {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(name, &size)) return {};
  return Narrow(std::wstring(name, size));
}

}  // namespace orvel::win32
