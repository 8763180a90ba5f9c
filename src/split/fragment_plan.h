#pragma once

#include "run/run_flow.h"

namespace floppysplit {

// The splitting stage: opens the input, shows its length and floppy count, settles the
// fragment size and count with the user, then has the fragments written. A given size
// answers no to the floppy size and is taken as if typed, refusals included; the given yes
// answers the floppy size when no size is given, and "OK?".

void splitInputFile(const GivenAnswers& answers);

}  // namespace floppysplit
