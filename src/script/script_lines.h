#pragma once
// The lines of Recomb.cmd, built in one place for the writer (recombination_script.cc) and
// for the reader (recombination_script_reader.cc). The reader checks a script by building
// the lines it should hold and comparing them, so that what the writer writes is what the
// reader takes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "script/recombination_script.h"
#include "split/split_job.h"

namespace floppysplit {

// Takes the script's lines, without line ends, one at a time.
using ScriptLineSink = std::function<void(const std::string&)>;

// The temporaries the copy lines join through.
inline constexpr std::string_view kTemporaries[] = {"zzztempa", "zzztempb"};

// Whether the command processor takes `a` and `b` for the same name: it ignores case.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// How many of `count` fragments the copy lines before the last one have joined: the join
// the other temporary holds once the script has copied (none with a single copy line).
size_t fragmentsBeforeLastCopyLine(size_t count);

// A fragment name as the script's lines show it: its first eight characters.
std::string_view copyName(const FragmentName& name);

// The copy lines that join `fragments` (at least one), four a line through the
// temporaries, each followed by its error level check. Returns the index in kTemporaries of
// the temporary that holds the join.
size_t emitCopyLines(std::span<const FragmentName> fragments, const ScriptLineSink& emit);

// The line that sends the script to `label` unless `file` holds exactly `length` bytes; from
// 4 GiB on it accepts the length's low 32 bits too.
std::string lengthCheckLine(std::string_view file, int64_t length, std::string_view label);

// The lines from the test whether a file called `name` (as scriptFileName writes it)
// exists to "goto end": the join is left in `result` when it does, renamed otherwise;
// `deletesOther` adds the line that deletes the other temporary after the rename.
std::vector<std::string> outcomeLines(std::string_view name, std::string_view result,
                                      std::string_view other, bool deletesOther);

// From ":nocopy" to the end: the failure and success reports, the deletes of the fragments
// and of the script, the label the script ends at and the empty last line.
void emitClosingLines(std::span<const FragmentName> fragments, const ScriptLineSink& emit);

// When the script deletes the other temporary after the rename.
enum class OtherTemporary {
  // As written today: unless the join is renamed to that temporary's name, ignoring case,
  // where the delete would remove the join.
  keptUnderItsName,
  // As written while the joined name could still hold a folder: always.
  alwaysDeleted,
};

// The whole script as the writer writes it, the join renamed to `joinedName`. Returns the
// index in kTemporaries of the temporary that holds the join.
size_t emitScriptLines(std::string_view joinedName, OtherTemporary other,
                       std::span<const FragmentName> fragments, const WrittenData& written,
                       const ScriptLineSink& emit);

}  // namespace floppysplit
