#pragma once
// `floppysplit --check`: whether the set in a folder would join to the file that was split,
// told before the original is deleted or once the set has arrived. It reads the set's
// script as the join does and each fragment that is there at its length once, and writes,
// renames and deletes nothing. It names each fragment at fault in order, with the
// script's own lines, then closes with one line on the whole set.

#include <string>

#include "platform/exit_status.h"

namespace floppysplit {

// Checks the set in `folder` ("." for the current one); the process's exit status: success for a
// set found intact (or, from the oldest form, complete at its lengths), failure for a set at fault
// or a system error, refused when there is no script of this program.
ExitStatus checkFragmentSet(const std::string& folder);

}  // namespace floppysplit
