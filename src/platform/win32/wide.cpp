#include "platform/win32/wide.h"

#include <windows.h>

#include <climits>

namespace orvel::win32 {
namespace {

std::wstring ToWide(std::string_view s, UINT codePage) {
  if (s.empty() || s.size() > INT_MAX) return {};
  const int len = static_cast<int>(s.size());
  const int n = MultiByteToWideChar(codePage, 0, s.data(), len, nullptr, 0);
  if (n <= 0) return {};
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, s.data(), len, w.data(), n);
  return w;
}

std::string FromWide(std::wstring_view wide, UINT codePage) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int len = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), len, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), len, s.data(), n, nullptr, nullptr);
  return s;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
  return ToWide(utf8, CP_UTF8);
}

std::wstring WidenAnsi(std::string_view ansi) {
  return ToWide(ansi, CP_ACP);
}

std::string Narrow(std::wstring_view wide) {
  return FromWide(wide, CP_UTF8);
}

std::string NarrowAnsi(std::wstring_view wide) {
  return FromWide(wide, CP_ACP);
}

}  // namespace orvel::win32
