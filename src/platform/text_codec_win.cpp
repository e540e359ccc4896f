#include "platform/text_codec.h"

#include <windows.h>

#include <climits>
#include <optional>

#include "platform/win32/wide.h"

namespace orvel {

using win32::Narrow;
using win32::NarrowAnsi;
using win32::Widen;
using win32::WidenAnsi;

bool StartsWithDoubleByteCharacter(std::string_view ansi) {
  return !ansi.empty() && IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(ansi.front())) != FALSE;
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  return Narrow(WidenAnsi(ansi));
}

std::string Utf16ToUtf8(std::string_view units, bool bigEndian) {
  std::wstring wide(units.size() / 2, L'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const auto first = static_cast<unsigned char>(units[2 * i]);
    const auto second = static_cast<unsigned char>(units[2 * i + 1]);
    wide[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  // The system writes U+FFFD for a lone surrogate; an odd last byte is one too.
  std::string text = Narrow(wide);
  if (units.size() % 2) text += "\xEF\xBF\xBD";
  return text;
}

bool IsInCodePage(std::string_view ansi) {
  if (IsAscii(ansi)) return true;
  if (ansi.size() > INT_MAX) return false;
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(),
                             static_cast<int>(ansi.size()), nullptr, 0) > 0;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return NarrowAnsi(Widen(utf8));
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
  if (usedDefault || WidenAnsi(ansi) != wide) return std::nullopt;
  return ansi;
}

}  // namespace orvel
