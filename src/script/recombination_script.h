#pragma once
// Recomb.cmd: the batch script that joins the fragments back with "copy /b" through the
// temporaries zzztempa and zzztempb, four fragments a line, gives the result the input's
// name unless a file of that name exists, reports the outcome and, after success, deletes
// the fragments and itself.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "split/split_job.h"

// How the input's name is written into the script: as it stands when it holds only
// characters the command processor takes literally, otherwise between double quotes with
// every % doubled and every " left out, so that no name can run a command of its own.
std::string scriptFileName(std::string_view name);

// The script's lines, without line ends; the last line is empty.
std::vector<std::string> recombinationScriptLines(std::string_view inputName,
                                                  std::span<const FragmentName> fragments);

// Writes Recomb.cmd for the fragments of splitJob.
void writeRecombinationScript();
