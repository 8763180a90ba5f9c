#pragma once

#include <string_view>

namespace floppysplit {

// The second half of the splitting stage: names the fragments, then copies the input into
// them strictly in order, each fragment complete before the next is opened, and at last has
// them put on the medium and checked there (fragment_check.h). The input's tail is left to
// the final-fragment stage. A failure prints its line and stops the run silently;
// fragments already written stay as they are.

void copyFragments();

// Ends the run with the line that says the file `name`, which the split writes, is the input.
[[noreturn]] void stopBecauseItWouldOverwriteTheInput(std::string_view name);

}  // namespace floppysplit
