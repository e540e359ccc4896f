#pragma once
// UTF-8 inside, UTF-16 at every W call.
#include <string>
#include <string_view>

namespace orvel::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Text in the ANSI code page (as the tray records carry it) to UTF-16.
std::wstring WidenAnsi(std::string_view ansi);

}  // namespace orvel::win32
