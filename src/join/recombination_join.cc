#include "join/recombination_join.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogue/progress_line.h"
#include "files/file_checksum.h"
#include "files/read_in_chunks.h"
#include "join/set_hash.h"
#include "platform/file_system.h"
#include "platform/medium_read.h"
#include "script/recombination_script.h"
#include "script/recombination_script_reader.h"
#include "script/script_lines.h"
#include "script/script_messages.h"

namespace floppysplit {

namespace {

// Bytes per read: of the second thread, which hashes the fragments, and of this one, which
// reads the join back from the medium and copies what the system does not copy by itself.
constexpr int64_t kReadBytes = int64_t{128} << 10;
// What one system copy is asked for: short enough for the progress line to move.
constexpr int64_t kMostPerSystemCopy = int64_t{64} << 20;

// Every line of the join's own goes where the progress line stood, erased first.
void say(std::string_view text, std::string_view more = {}) {
  eraseProgress();
  std::fputs((std::string(text) + std::string(more) + "\n").c_str(), stdout);
  std::fflush(stdout);
}

ExitStatus refuse(const std::string& what) {
  eraseProgress();
  std::fputs(("floppysplit: " + what + "\n").c_str(), stderr);
  return ExitStatus::refused;
}

ExitStatus failedRecombination() {
  say(kRecombinationFailed);
  return ExitStatus::failure;
}

// A failure the system reports: its message on standard error, then the script's last
// line of a failure.
ExitStatus failOn(std::string_view name, Status status) {
  eraseProgress();
  std::fputs(("floppysplit: " + std::string(name) + ": " + osErrorText(status) + "\n").c_str(),
             stderr);
  return failedRecombination();
}

ExitStatus failWith(std::string_view what) {
  eraseProgress();
  std::fputs(("floppysplit: " + std::string(what) + "\n").c_str(), stderr);
  return failedRecombination();
}

// The name as the script's echo lines print it: quoted where the script quotes it, and
// each doubled % printed once.
std::string echoed(std::string_view name) {
  std::string line;
  const std::string written = scriptFileName(name);
  for (size_t i = 0; i < written.size(); ++i) {
    line += written[i];
    if (written[i] == '%') ++i;
  }
  return line;
}

// The checksum of the file open as `file` as the medium gives it back, read through `slot`
// (kReadBytes, on a medium block), shown on the progress line as `progress` goes.
Status mediumChecksum(OsFile file, char* slot, Progress progress, uint64_t* value) {
  OsFile reader;
  Status status = osOpenOnMediumFrom(file, kReadBytes, &reader);
  if (status != kOk) return status;
  FileChecksum checksum;
  int64_t offset = 0;
  status =
      readInChunks(reader, ReadFrom::medium, slot, kReadBytes, [&](const char* data, int64_t got) {
        checksum.add(data, got);
        offset += got;
        progress.done = offset;
        showProgress(progress);
        return kOk;
      });
  *value = checksum.wideValue();
  const Status closed = osClose(reader);
  return status != kOk ? status : closed;
}

// Copies `from` whole to `to` at `*toOffset`, which moves on by what was copied, and shows
// the join's length so far on the progress line as `progress`. The system copies where it
// can; where it cannot, every byte goes through `buffer` (kReadBytes), and `*readFailed`
// tells a failed read of `from` from a failed write of `to`.
Status copyFile(OsFile from, OsFile to, int64_t* toOffset, char* buffer, Progress progress,
                bool* readFailed) {
  *readFailed = false;
  int64_t copied = 0;
  Status status = kOk;
  const auto show = [&] {
    progress.done = *toOffset + copied;
    showProgress(progress);
  };
  for (;;) {
    int64_t part = 0;
    status = osCopyRange(from, copied, to, *toOffset + copied, kMostPerSystemCopy, &part);
    copied += part;
    show();
    if (status != kOk || part == 0) break;
  }
  if (status == kOsCopyUnsupported) {
    for (status = kOk;;) {
      int64_t got = 0;
      status = osReadAt(from, copied, buffer, kReadBytes, &got);
      *readFailed = status != kOk;
      if (status == kOk) status = osWriteAt(to, *toOffset + copied, buffer, got);
      if (status != kOk) break;
      copied += got;
      show();
      if (got < kReadBytes) break;
    }
  }
  *toOffset += copied;
  return status;
}

// Reads the script through `file`, from its start on.
ScriptBytes scriptBytes(OsFile file) {
  return [file, offset = int64_t{0}](char* data, int64_t capacity, int64_t* got) mutable {
    const Status status = osReadAt(file, offset, data, capacity, got);
    offset += *got;
    return status;
  };
}

// The set's join, as the guarded script makes it: it writes over and deletes nothing it did
// not make. The join goes into a temporary it creates, which is deleted again when anything
// fails before the join has its name, or when the program is interrupted.
class SetJoin {
 public:
  explicit SetJoin(const RecombinationPlan& plan) : plan_(plan) {}

  ExitStatus run();

 private:
  ExitStatus checkFragments();
  ExitStatus joinIntoResult();
  ExitStatus checkResult();
  ExitStatus giveName();
  ExitStatus alreadyExists();
  ExitStatus succeed();
  // Deletes the temporary this join made, if its name still stands for it, and ends
  // the failure.
  ExitStatus discard(ExitStatus failure);

  const RecombinationPlan& plan_;
  // Two reads long, from osAllocateMediumBuffer: the first for the second thread, the
  // second for this one.
  char* buffer_ = nullptr;
  char* ownBuffer() const { return buffer_ + kReadBytes; }
  // Hashes the fragments: their checksum, and their SHA-256 where the script holds one.
  std::optional<SetHash> hash_;
  // The temporary, open while it is this join's to delete.
  std::optional<OsFile> result_;
  int64_t joinedLength_ = 0;
};

ExitStatus SetJoin::checkFragments() {
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    const std::string name(plan_.fragmentName(i));
    const OsEntryKind kind = osEntryKind(name);
    if (kind == OsEntryKind::none) {
      say(name, kIsMissing);
      return failedRecombination();
    }
    if (kind != OsEntryKind::regularFile) {
      return failWith(name + " is not a regular file; nothing was joined");
    }
    const std::optional<int64_t> expected = plan_.fragmentLength(i);
    if (!expected) continue;
    OsFile file;
    Status status = osOpenRegularForReading(name, &file);
    if (status != kOk) return failOn(name, status);
    int64_t length = 0;
    status = osLength(file, &length);
    osClose(file);
    if (status != kOk) return failOn(name, status);
    if (length != *expected) {
      say(name, kHasTheWrongLength);
      return failedRecombination();
    }
  }
  return ExitStatus::success;
}

ExitStatus SetJoin::discard(ExitStatus failure) {
  hash_.reset();
  if (result_) {
    const std::string result(temporaryName(plan_.result));
    if (osIsEntryOf(*result_, result)) osDelete(result);
    osClose(*result_);
    result_.reset();
  }
  osForgetOnInterrupt();
  return failure;
}

ExitStatus SetJoin::joinIntoResult() {
  const std::string result(temporaryName(plan_.result));
  OsFile target;
  Status status = osCreateTemporary(result, &target);
  if (status == kOsNameTaken) {
    say(result, kIsInTheWay);
    return failedRecombination();
  }
  if (status != kOk) return failOn(result, status);
  result_ = target;
  std::vector<std::string> names;
  names.reserve(plan_.fragments.size());
  for (size_t i = 0; i < plan_.fragments.size(); ++i) names.emplace_back(plan_.fragmentName(i));
  hash_.emplace(std::move(names), buffer_, kReadBytes, plan_.sha256.has_value());
  // A failed open or read is the fragment's; anything else the join's.
  std::string failed = result;
  startProgress();
  for (size_t i = 0; i < plan_.fragments.size() && status == kOk; ++i) {
    const std::string name(plan_.fragmentName(i));
    OsFile from;
    status = osOpenRegularForReading(name, &from);
    bool readFailed = status != kOk;
    if (status == kOk) {
      const Progress progress{static_cast<int32_t>(i + 1),
                              static_cast<int32_t>(plan_.fragments.size()), 0, plan_.joinedLength,
                              ProgressStep::joining};
      status = copyFile(from, target, &joinedLength_, ownBuffer(), progress, &readFailed);
      osClose(from);
    }
    if (readFailed) failed = name;
  }
  // Nothing is renamed or deleted before the join is on the medium.
  if (status == kOk) status = osFlush(target);
  return status == kOk ? ExitStatus::success : discard(failOn(failed, status));
}

ExitStatus SetJoin::checkResult() {
  if (joinedLength_ != plan_.joinedLength) return discard(failedRecombination());
  // The medium is read while the second thread may still be hashing the fragments.
  uint64_t readBack = 0;
  const Status read = mediumChecksum(*result_, ownBuffer(),
                                     {0, static_cast<int32_t>(plan_.fragments.size()), 0,
                                      plan_.joinedLength, ProgressStep::checkingJoin},
                                     &readBack);
  uint64_t fragments = 0;
  std::string digest;
  std::string failed;
  const Status hashed = hash_->finish(&fragments, &digest, &failed);
  hash_.reset();
  if (read != kOk) return discard(failOn(temporaryName(plan_.result), read));
  if (hashed != kOk) return discard(failOn(failed, hashed));
  if (readBack == fragments && (!plan_.sha256 || digest == *plan_.sha256))
    return ExitStatus::success;
  say(kDoesNotMatch);
  return discard(failedRecombination());
}

ExitStatus SetJoin::alreadyExists() {
  say(echoed(plan_.joinedName), kAlreadyExists);
  say(kRecombinedFileIs, temporaryName(plan_.result));
  return succeed();
}

ExitStatus SetJoin::giveName() {
  const std::string& joined = plan_.joinedName;
  const std::string result(temporaryName(plan_.result));
  // Every name the script sees when it asks whether the join's name exists: the command
  // processor ignores case, so these count whatever this system's file names do.
  bool taken = osEntryKind(joined) != OsEntryKind::none || equalIgnoringCase(joined, result) ||
               equalIgnoringCase(joined, kScriptName);
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    taken = taken || equalIgnoringCase(joined, plan_.fragmentName(i));
  }
  // The join keeps its temporary's name: from here on it is the result, not this run's to
  // delete.
  const auto keep = [this] {
    osForgetOnInterrupt();
    const Status closed = osClose(*result_);
    result_.reset();
    return closed;
  };
  if (taken) {
    const Status closed = keep();
    return closed != kOk ? failOn(result, closed) : alreadyExists();
  }
  // The file renamed is the file written and checked, not whatever took its name since.
  if (!osIsEntryOf(*result_, result)) {
    return discard(
        failWith(result + " is no longer the file this join wrote; nothing was renamed"));
  }
  Status status = osRenameOpenFile(*result_, result, joined);
  if (status == kOsNameTaken) {
    const Status closed = keep();
    return closed != kOk ? failOn(result, closed) : alreadyExists();
  }
  if (status != kOk) return discard(failOn(joined, status));
  status = keep();
  if (status == kOk) status = osFlushFolderOf(joined);
  return status != kOk ? failOn(joined, status) : succeed();
}

ExitStatus SetJoin::succeed() {
  say(kRecombinationSucceeded);
  if (!plan_.sha256) {
    say(kCouldNotBeChecked, "the script holds no SHA-256.");
    say(kSetIsKept);
    return ExitStatus::success;
  }
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    const std::string name(plan_.fragmentName(i));
    const Status status = osDelete(name);
    if (status != kOk) return failOn(name, status);
  }
  const std::string script(kScriptName);
  Status status = osDelete(script);
  if (status == kOk) status = osFlushFolderOf(script);
  return status == kOk ? ExitStatus::success : failOn(script, status);
}

ExitStatus SetJoin::run() {
  // A medium buffer lasts as long as the process; the static keeps it in reach until then.
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(2 * kReadBytes));
  buffer_ = buffer;
  if (buffer_ == nullptr) return failWith("no memory for the join");
  // A temporary already in the folder is somebody's file.
  for (const Temporary temporary : kBothTemporaries) {
    const std::string name(temporaryName(temporary));
    if (osEntryKind(name) != OsEntryKind::none) {
      say(name, kIsInTheWay);
      return failedRecombination();
    }
  }
  if (const ExitStatus failed = checkFragments(); failed != ExitStatus::success) return failed;
  if (const ExitStatus failed = joinIntoResult(); failed != ExitStatus::success) return failed;
  if (const ExitStatus failed = checkResult(); failed != ExitStatus::success) return failed;
  return giveName();
}

}  // namespace

ExitStatus joinFragmentSet() {
  const std::string script(kScriptName);
  const OsEntryKind kind = osEntryKind(script);
  if (kind == OsEntryKind::none) return refuse("no Recomb.cmd in this folder");
  const std::string notOurs = "Recomb.cmd is not a recombination script of this program";
  if (kind != OsEntryKind::regularFile) return refuse(notOurs);
  OsFile file;
  const Status status = osOpenRegularForReading(script, &file);
  if (status != kOk) return failOn(script, status);
  const ScriptReading reading = readRecombinationScript(scriptBytes(file));
  osClose(file);
  if (reading.status != kOk) return failOn(script, reading.status);
  if (!reading.plan) return refuse(notOurs);
  const ExitStatus exitStatus = SetJoin(*reading.plan).run();
  eraseProgress();
  return exitStatus;
}

}  // namespace floppysplit
