#pragma once
// The first stage after consent: asks for the file to split until the user confirms one
// that exists, and leaves its name and length in the split job. A name given beforehand
// (on the command line) answers the first question, shown as if typed and not cut to the
// length a typed answer holds. With the given yes, "Split up this file?" is answered for
// that name alone, and a given name that does not exist ends the run with exit status 1.

#include "run/run_flow.h"

namespace floppysplit {

void selectInputFile(const GivenAnswers& answers);

}  // namespace floppysplit
