#pragma once
// Texts as a YAML writer must spell them.
#include <string>
#include <string_view>

namespace orvel::exchange {

// `utf8` as a double-quoted YAML scalar that every reader takes back as the same text: quotes,
// backslashes and characters YAML does not allow printed are escaped, other text is written as it
// is. A byte that does not belong to a UTF-8 character becomes U+FFFD.
std::string DoubleQuoted(std::string_view utf8);

}  // namespace orvel::exchange
