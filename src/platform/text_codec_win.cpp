#include "platform/text_codec.h"

#include <windows.h>

#include <climits>
#include <optional>

namespace orvel {
namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::wstring ToWide(std::string_view s, UINT codePage) {
  if (s.empty() || s.size() > INT_MAX) return {};
  const int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string FromWide(const std::wstring& w, UINT codePage) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
  return s;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  return FromWide(ToWide(ansi, CP_ACP), CP_UTF8);
}

std::string Utf8ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return FromWide(ToWide(utf8, CP_UTF8), CP_ACP);
}

std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  if (utf8.size() > INT_MAX) return std::nullopt;
  const int length = static_cast<int>(utf8.size());
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), n);

  // Without WC_NO_BEST_FIT_CHARS Windows writes a look-alike (2 for \u00B2) where the code page
  // has no such character. The flag and the default-character report are refused when the
  // system's ANSI code page is UTF-8, which holds every character anyway.
  const bool utf8System = GetACP() == CP_UTF8;
  const DWORD flags = utf8System ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = utf8System ? nullptr : &usedDefault;
  const int m =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), n, nullptr, 0, nullptr, usedDefaultOut);
  if (m <= 0 || usedDefault) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(m), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), n, ansi.data(), m, nullptr, usedDefaultOut);
  // What is written must read back as the same characters.
  if (usedDefault || ToWide(ansi, CP_ACP) != wide) return std::nullopt;
  return ansi;
}

}  // namespace orvel
