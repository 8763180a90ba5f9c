#pragma once

namespace floppysplit {

// The first stage after consent: asks for the file to split until the user confirms one
// that exists, and leaves its name and length in the split job.

void selectInputFile();

}  // namespace floppysplit
