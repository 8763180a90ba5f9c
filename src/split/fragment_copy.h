#pragma once

namespace floppysplit {

// The second half of the splitting stage: names the fragments, then copies the input into
// them strictly in order, each fragment complete before the next is opened. The input's
// tail is left to the final-fragment stage. A failure prints its line and stops the run
// silently; fragments already written stay as they are.

void copyFragments();

}  // namespace floppysplit
