#pragma once
// UTF-8 inside, UTF-16 at every W call. The one set of conversions to and from UTF-16; the
// text codec builds on them.
#include <string>
#include <string_view>

namespace orvel::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Text in the ANSI code page (as the tray records carry it) to UTF-16, and back; characters
// the code page lacks become its default character.
std::wstring WidenAnsi(std::string_view ansi);
std::string NarrowAnsi(std::wstring_view wide);

}  // namespace orvel::win32
