#pragma once
// The run's last file: Recomb.cmd for the fragments just written.

namespace floppysplit {

// Writes Recomb.cmd for the fragments of splitJob, checked against what they hold.
void writeRecombinationScript();

}  // namespace floppysplit
