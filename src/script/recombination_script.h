#pragma once
// Recomb.cmd: the batch script that joins the fragments back with "copy /b" through the
// temporaries zzztempa and zzztempb, four fragments a line, gives the result the input's
// name unless a file of that name exists, reports the outcome and, after success, deletes
// the fragments and itself. It fails, deleting nothing, when a fragment is missing or the
// joined file does not have the length the fragments had when they were written.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "split/split_job.h"

namespace floppysplit {

// How the input's name is written into the script: as it stands when it holds only
// characters the command processor takes literally, otherwise between double quotes with
// every % doubled and every " left out, so that no name can run a command of its own.
std::string scriptFileName(std::string_view name);

// Hands the script's lines, without line ends, to `emit` one at a time, in order; the last
// line is empty. Only one line is held at a time, however many fragments there are.
// `joinedLength` is the number of bytes the fragments hold together.
void emitRecombinationScript(std::string_view inputName, std::span<const FragmentName> fragments,
                             int64_t joinedLength,
                             const std::function<void(const std::string&)>& emit);

// All of the script's lines at once.
std::vector<std::string> recombinationScriptLines(std::string_view inputName,
                                                  std::span<const FragmentName> fragments,
                                                  int64_t joinedLength);

// Writes Recomb.cmd for the fragments of splitJob.
void writeRecombinationScript();

}  // namespace floppysplit
