#pragma once
// Which language a system voice speaks, as its token's "Language" attribute says: language
// identifiers in hexadecimal separated by semicolons ("804", "804;409").
#include <string_view>

namespace orvel {

// True when one of them is Chinese as spoken in mainland China (0x804).
bool ListsChineseLanguage(std::string_view languages);

}  // namespace orvel
