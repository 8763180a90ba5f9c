#pragma once

namespace floppysplit {

// The splitting stage: opens the input, shows its length and floppy count, settles the
// fragment size and count with the user, then has the fragments written.

void splitInputFile();

}  // namespace floppysplit
