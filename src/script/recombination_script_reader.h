#pragma once
// Reads back a Recomb.cmd this program writes or wrote: which fragments it joins, in which
// order, to which name, and what it checks on the way. Every form the program has written
// is understood (script_lines.h). The script is read as a stream, line by line, and every
// line is compared with the line the writer builds at that place for the fragments,
// lengths and name read so far: the first line that differs, or that is longer than any
// the writer writes, refuses the script at once. Memory grows only with the fragments
// named, by ten bytes each and 32 more for each one's SHA-256, and with the recovery files
// named, at most two more than the fragments, however long the script is.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os_status.h"
#include "platform/sha256.h"
#include "script/script_lines.h"

namespace floppysplit {

struct RecombinationPlan {
  ScriptForm form = kNewestScriptForm;
  // In join order; at least one.
  std::vector<FragmentName> fragments;
  // The name the join is given: as the guarded form writes it, or, for the older forms,
  // what joinNameOfTypedName makes of the name they wrote. Never empty, never with a folder.
  std::string joinedName;
  // The temporary the last copy line writes, which holds the join.
  Temporary result = Temporary::b;
  // The lengths the script checks: the first fragment's, which every fragment but the last
  // ones holds, and the join's. A script that does not check each fragment checks the
  // join's alone.
  std::optional<int64_t> fragmentSize;
  int64_t joinedLength = 0;
  // The SHA-256 the script checks on the join, 64 lowercase hexadecimal digits; none where
  // it does not check each fragment.
  std::optional<std::string> sha256;
  // Each fragment's SHA-256, in order, where the form holds them; else empty.
  std::vector<Sha256Digest> fragmentSha256;
  // The recovery files the split wrote beside the set, in order; none where it wrote none.
  std::vector<std::string> recoveryFiles;
  // The file the plan was read from, where it was read from one.
  std::string scriptFile;

  // Fragment `index` (from 0) as the script names it, and the length it checks, if any.
  std::string_view fragmentName(size_t index) const { return copyName(fragments[index]); }
  std::optional<int64_t> fragmentLength(size_t index) const;
};

// Fills up to `capacity` bytes at `data` with the script's next bytes and sets `*got` to
// how many; 0 at the end.
using ScriptBytes = std::function<Status(char* data, int64_t capacity, int64_t* got)>;

// The longest line any script of this program holds.
inline constexpr size_t kLongestScriptLine = 4096;

struct ScriptReading {
  // Nothing when the bytes are not, line for line, a script this program writes or wrote
  // (lines ended by CR LF, or by LF alone, the last one empty), or when a read failed.
  std::optional<RecombinationPlan> plan;
  // The failed read's status.
  Status status = kOk;
  // Where bytes that were read are refused: the line, counted from 1, at which they stop
  // being a script of this program, and whether that line is longer than any it writes.
  int64_t refusedLine = 0;
  bool refusedLineTooLong = false;
};

ScriptReading readRecombinationScript(const ScriptBytes& read);

// The same for the script in the regular file `name`, which is never reached through a
// link; a name that is no regular file gives the status of the failed open.
ScriptReading readRecombinationScriptFile(const std::string& name);

// The same for a script held whole.
std::optional<RecombinationPlan> readRecombinationScript(std::string_view bytes);

}  // namespace floppysplit
