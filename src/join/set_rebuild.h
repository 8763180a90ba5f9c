#pragma once
// The rebuild of a set's missing, cut or damaged fragments from the recovery files beside
// it (recovery/recovery_reader.h, recovery/recovery_rebuild.h), for --join, and what it
// could do, for --check. Each fragment is rebuilt into `F.rebuilt`, a file created new in
// the current folder and deleted on an interruption, and checked against the script's
// SHA-256 for it and the recovery files' MD5. Only once every one has passed does it take
// its place: in the set, where a damaged original goes aside as `F.damaged` and the
// rebuilt one takes its name; or, where the set is kept as it is, as the file the join reads
// for that fragment, a temporary deleted after the join. The lines are the join's own:
// Recomb.cmd prints none of them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "join/join_end.h"
#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "recovery/recovery_reader.h"
#include "script/recombination_script_reader.h"

namespace floppysplit {

// After a fragment's name, once the rebuilt one has taken it.
inline constexpr std::string_view kWasRebuilt = " was rebuilt from the recovery files.";
inline constexpr std::string_view kRecoveryIndexMissing =
    "The recovery index is missing: nothing can be rebuilt.";
inline constexpr std::string_view kRecoveryNotCovering =
    "The recovery files do not cover this set; they are not used.";
inline constexpr std::string_view kSetCanBeRebuilt =
    "The set is damaged; the recovery files can rebuild it: run floppysplit --join.";

// "`fragments` fragments are damaged or missing; the recovery files can rebuild
// `canRebuild`."
std::string cannotRebuildLine(size_t fragments, size_t canRebuild);

enum class RebuildVerdict {
  noRecovery,    // no recovery files: nothing was printed
  notCovering,   // their line was printed
  indexMissing,  // their line was printed
  tooFew,        // the line with both counts was printed
  possible,
};

// Where rebuilt fragments go once proved.
enum class RebuiltFragments {
  intoTheSet,   // the set is in the current folder and takes them, its damaged ones aside
  temporaries,  // they stay temporaries in the current folder; the set is left unchanged
};

enum class RebuildOutcome {
  rebuilt,    // every fragment asked for has its rebuilt bytes, and its line was printed
  notProved,  // a rebuilt fragment's digests differ: some fragment read for it is damaged
  failed,     // a line says why, on standard output or error; nothing was renamed
};

class SetRebuild {
 public:
  // The set of `plan` in `folder` ("." for the current one); `buffer` holds `bufferBytes`,
  // for the reads of whole files.
  SetRebuild(const RecombinationPlan& plan, const std::string& folder, RebuiltFragments where,
             char* buffer, int64_t bufferBytes);

  // Whether any recovery file is beside the set.
  bool present();

  // What the recovery files can do for the fragments `bad` (indexes, from 0), with the
  // line that says so where they cannot.
  RebuildVerdict assess(const std::vector<size_t>& bad);

  // Rebuilds `bad`, assessed possible just before.
  RebuildOutcome rebuild(const std::vector<size_t>& bad);

  // The fragments, of those not in `skip` and there at their length, whose MD5 differs
  // from the one the recovery files record; none where those files are not usable.
  std::vector<size_t> differingFromRecovery(const std::vector<size_t>& skip);

  bool rebuiltAny() const { return !rebuilt_.empty(); }

  // The file fragment `index` is read from, as reached from the current folder: its own in
  // the set's folder, or the temporary rebuilt for it.
  const std::string& source(size_t index) const { return sources_[index]; }

  // The temporaries that hold rebuilt fragments, while they are there.
  const std::vector<std::string>& temporaries() const { return temporaries_; }

  // From now on an interruption deletes the temporaries, or nothing where there are none.
  void armTemporaries() const;

  // Deletes the temporaries, each one; the first that could not be deleted is the failure.
  JoinEnd deleteTemporaries();

  // Deletes what a successful join leaves of the rebuild and the recovery files: the
  // damaged fragments put aside, and the recovery files the script names; the first that
  // could not be deleted ends it.
  JoinEnd deleteAfterJoin() const;

 private:
  // Reads the recovery files, once.
  void readOnce();
  RebuildOutcome rebuildInto(const std::vector<size_t>& bad, std::vector<OwnedFile>* targets);
  bool namesAreFree(const std::vector<size_t>& bad) const;
  bool rebuiltMatch(const std::vector<size_t>& bad);
  RebuildOutcome putInPlace(const std::vector<size_t>& bad);
  void deleteRebuilt(const std::vector<size_t>& bad, size_t count) const;

  const RecombinationPlan& plan_;
  const std::string folder_;
  const RebuiltFragments where_;
  char* const buffer_;
  const int64_t bufferBytes_;
  // Each fragment as the recovery files name it, and the file it is read from.
  std::vector<std::string> names_;
  std::vector<std::string> sources_;
  std::vector<std::string> temporaries_;
  int present_ = -1;
  bool read_ = false;
  RecoveryData data_;
  std::vector<RecoveryVolume> volumes_;
  std::vector<size_t> rebuilt_;
  std::vector<std::string> putAside_;
};

}  // namespace floppysplit
