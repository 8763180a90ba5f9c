#pragma once
// The recovery files of a split asked for them (`--recovery N`): the limits the plan
// checks, the names the input must not have, and the files themselves, written once the
// fragments are checked on the medium and put on it and checked there the same way, before
// the script is written.

#include <cstdint>

namespace floppysplit {

// Ends the run with its line and exit status 1 where `count` volumes cannot cover the
// plan's fragments: more than kMostRecoverySlices fragments, or more volumes than
// fragments. Sets splitJob.recoveryCount otherwise.
void settleRecoveryCount(int32_t count);

// Ends the run, as for a fragment, where the input is one of the recovery files.
void refuseInputAmongRecoveryFiles();

// Writes the recovery files, puts them on the medium and checks them there; a fault ends
// the run with the line the fragments' faults have.
void writeFragmentRecovery();

}  // namespace floppysplit
