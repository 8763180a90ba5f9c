#pragma once
// The names of one run's fragments, all numbered with the same count of digits.

#include "script/fragment_name.h"

namespace floppysplit {

// Fills splitJob.fragmentNames for splitJob.fragmentCount fragments.
void buildFragmentNames();

}  // namespace floppysplit
