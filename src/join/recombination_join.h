#pragma once
// The join that Recomb.cmd makes, made by the program itself, on any system: it reads the
// set's script as a description of the set (never as commands), checks every fragment,
// joins them into the temporary the script would leave, makes sure that file is on the
// medium and holds the bytes that were split, and then ends as the script does: the join
// renamed to the name's last part (or kept under its temporary when that name is taken),
// the fragments and the script deleted, unless the set is kept. It prints the lines the
// script's echo lines print as it goes; how it ended comes back as a value for the caller
// to report.

#include <string>

#include "join/join_end.h"

namespace floppysplit {

// Which set the join reads, and what it leaves of it. The join, its temporaries and the
// lock are always in the current folder.
struct JoinRequest {
  // The set's folder, "." for the current one. Nothing in it is written, renamed or
  // deleted unless it is the current folder and the set is not kept.
  std::string setFolder = ".";
  // Whether the fragments, the script and the recovery files stay as they are: fragments
  // rebuilt for the join are then temporaries in the current folder, deleted after it.
  bool keepSet = false;
};

// Joins the set `request` names; how the join ended: succeeded, failed after a failed check
// or a system error, refused when there is no script of this program to follow. An
// interruption ends the process from inside it, with ExitStatus::interrupted.
JoinEnd joinFragmentSet(const JoinRequest& request);

}  // namespace floppysplit
