#pragma once
// Formatted output: a layout text of layout codes applied to a list of items.
//
//   'text' or "text"  the text itself (a doubled quote mark stands for one)
//   /                 ends the current line
//   a                 the next text item, whole
//   aW                the next text item in exactly W columns (cut, or right-aligned)
//   iW, iW.M          the next integer right-aligned in W columns, with at least M digits
//   fW.D              the next real right-aligned in W columns with D decimals, rounded half
//                     up on its exact decimal expansion
//
// Codes are separated by commas or slashes; blanks and tabs outside quoted texts carry no
// meaning. A number too wide for its field is shown as W asterisks. When the items run
// out, the texts and slashes up to the next data code are still written, then the line
// ends. The result never holds line ends: each element is one line.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/item.h"

namespace floppysplit {

std::vector<std::string> formatLines(std::string_view layout, std::span<const Item> items);

// fW.D of a single value, exposed for its own tests.
std::string formatReal(double value, int width, int decimals);

}  // namespace floppysplit
