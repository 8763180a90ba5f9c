#pragma once
// The join that Recomb.cmd makes, made by the program itself, on any system: it reads the
// script in the current folder as a description of the set (never as commands), checks
// every fragment, joins them into the temporary the script would leave, makes sure that
// file is on the medium and holds the bytes that were split, and then ends as the script
// does: the join renamed to the name's last part (or kept under its temporary when that
// name is taken), the fragments and the script deleted. It prints the lines the script's
// echo lines print as it goes; how it ended comes back as a value for the caller to report.

#include "join/join_end.h"

namespace floppysplit {

// Joins the set in the current folder; how the join ended: succeeded, failed after a failed
// check or a system error, refused when there is no script of this program to follow. An
// interruption ends the process from inside it, with ExitStatus::interrupted.
JoinEnd joinFragmentSet();

}  // namespace floppysplit
