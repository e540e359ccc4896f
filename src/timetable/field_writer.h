#pragma once
// Writing one text field so that the field reader gives it back.
#include <string>
#include <string_view>

namespace orvel {

// A text holding a comma or a line break would split into several fields at the next read; it
// goes in double quotes, unless it holds a double quote itself, which no quoting can carry.
// Every other text is returned as it stands, so ordinary files keep their plain shape.
std::string QuoteIfSplitting(std::string_view text);

}  // namespace orvel
