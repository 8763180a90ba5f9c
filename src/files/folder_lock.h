#pragma once
// One run of the program at a time in a folder. A split and a join at work in one folder at
// once could each take the other's files for their own: the join would delete a script or
// fragments the split had just written, and the split would rewrite fragments the join was
// reading. Both hold the folder from their first check to their last change; the system
// lets go of it when the process ends, however it ends, so no lock outlives its run.

#include <string>
#include <string_view>

namespace floppysplit {

// What a run says, in its own form, when it finds the folder held.
inline constexpr std::string_view kFolderInUse = "Another floppysplit run is using this folder.";

// Holds `folder` for this run until the process ends; false when another run holds it. A
// folder whose file system takes no lock is worked in without one.
bool holdFolder(const std::string& folder);

}  // namespace floppysplit
