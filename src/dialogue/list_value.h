#pragma once
// Free-form ("list") values typed on the console: the first item of the first line that
// holds something. An item ends at a blank, tab, comma or slash or at the end of the line,
// unless a text item is enclosed in apostrophes or quotation marks (a doubled mark inside
// stands for one, and the text may go on over further lines). "n*v" is a repeat count with
// its value v; "n*" alone is an empty value. The rest of the line after the item is
// discarded.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/status.h"

namespace floppysplit {

using LineSupplier = std::function<std::optional<std::string>()>;

enum class ListTarget { text, integer };

struct ListToken {
  enum class Kind {
    endOfInput,  // input ended before a value was complete
    keep,        // a slash, a lone comma or an empty repeat: the target keeps its value
    value,
  };
  Kind kind = Kind::endOfInput;
  std::string text;
};

// Reads one value, starting with a fresh line from `nextLine`.
ListToken readListToken(const LineSupplier& nextLine, ListTarget target);

// An optional sign followed by decimal digits only, fitting 8 bytes; anything else gives
// 10016 and leaves `*value` unchanged.
Status parseListInteger(std::string_view text, int64_t* value);

}  // namespace floppysplit
