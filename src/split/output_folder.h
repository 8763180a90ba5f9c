#pragma once
// The folder the split writes into, the current one or that of --into, entered once the
// input is open and claimed before the first fragment is opened: it is this run's alone
// until the run ends, and it holds no script of another set, whose fragments and script the
// run would write over. A script of this program for the same name and length is this
// file's own earlier set, which the run replaces.

#include <string>

namespace floppysplit {

// Makes `folder` the current folder, so that every name the split writes from now on (the
// fragments, the recovery files, Recomb.cmd, the lock) is found there, and so is every name
// it checks against the input, which is open already. A folder gone since the command line
// was read ends the run with its line and exit status 1.
void enterOutputFolder(const std::string& folder);

// Holds the folder, or ends the run with its line and exit status 1, having written nothing:
// where another run holds it, or where a regular file named Recomb.cmd, in any letter case,
// is not a script of this program for the input's name and length.
void claimOutputFolder();

}  // namespace floppysplit
