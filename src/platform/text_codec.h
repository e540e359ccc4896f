#pragma once
// The one codec between the program's UTF-8 text and the ANSI code page of its files
// (GBK on the target systems): CP_ACP on Windows, iconv's GBK elsewhere.
#include <string>
#include <string_view>

namespace orvel {

// Bytes that are not valid in the code page become U+FFFD; never fails.
std::string AnsiToUtf8(std::string_view ansi);

// Characters the code page cannot hold become "?"; invalid UTF-8 bytes too. Never fails.
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace orvel
