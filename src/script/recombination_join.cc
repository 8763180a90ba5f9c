#include "script/recombination_join.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/medium_read.h"
#include "script/recombination_script.h"
#include "script/recombination_script_reader.h"
#include "script/script_lines.h"
#include "script/set_hash.h"
#include "split/files/file_checksum.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

// A script of this program holds a few lines per fragment; anything longer is not one.
constexpr int64_t kLargestScript = int64_t{64} << 20;
// Bytes per read: of the second thread, which hashes the fragments, and of this one, which
// reads the join back from the medium and copies what the system does not copy by itself.
constexpr int64_t kReadBytes = int64_t{128} << 10;

void say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

int refuse(const std::string& what) {
  std::fputs(("floppysplit: " + what + "\n").c_str(), stderr);
  return 2;
}

int failOn(const std::string& name, Status status) {
  std::fputs(("floppysplit: " + name + ": " + osErrorText(status) + "\n").c_str(), stderr);
  return 1;
}

int notRegular(const std::string& name) {
  std::fputs(("floppysplit: " + name + " is not a regular file; nothing was joined\n").c_str(),
             stderr);
  return 1;
}

int failedRecombination() {
  say("Recombination of files failed.");
  return 1;
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

Status readWhole(OsFile file, int64_t length, std::string* bytes) {
  bytes->resize(static_cast<size_t>(length));
  int64_t got = 0;
  const Status status = osReadAt(file, 0, bytes->data(), length, &got);
  bytes->resize(static_cast<size_t>(got));
  return status;
}

// The checksum of `name` as the medium gives it back, read through `slot` (kReadBytes, on
// a medium block).
Status mediumChecksum(const std::string& name, char* slot, uint64_t* value) {
  OsFile file;
  Status status = osOpenOnMedium(name, kReadBytes, &file);
  if (status != kOk) return status;
  FileChecksum checksum;
  for (int64_t offset = 0;;) {
    int64_t got = 0;
    status = osReadFromMedium(file, offset, slot, kReadBytes, &got);
    if (status != kOk) break;
    checksum.add(slot, got);
    offset += got;
    if (mediumReadReachedEnd(got, kReadBytes)) break;
  }
  *value = checksum.wideValue();
  const Status closed = osClose(file);
  return status != kOk ? status : closed;
}

// Copies `from` from `fromOffset` on to `to` at `*toOffset`, which moves on by what was
// copied, until `from` ends or `length` bytes are copied. The system copies where it can;
// where it cannot, every byte goes through `buffer` (kReadBytes), and `*readFailed` tells
// a failed read of `from` from a failed write of `to`.
Status copyFile(OsFile from, int64_t fromOffset, OsFile to, int64_t* toOffset, int64_t length,
                char* buffer, bool* readFailed) {
  *readFailed = false;
  int64_t copied = 0;
  Status status = kOk;
  while (copied < length) {
    int64_t part = 0;
    status = osCopyRange(from, fromOffset + copied, to, *toOffset + copied, length - copied, &part);
    copied += part;
    if (status != kOk || part == 0) break;
  }
  if (status == kOsCopyUnsupported) {
    status = kOk;
    while (copied < length) {
      const int64_t wanted = std::min(kReadBytes, length - copied);
      int64_t got = 0;
      status = osReadAt(from, fromOffset + copied, buffer, wanted, &got);
      *readFailed = status != kOk;
      if (status == kOk) status = osWriteAt(to, *toOffset + copied, buffer, got);
      if (status != kOk) break;
      copied += got;
      if (got < wanted) break;
    }
  }
  *toOffset += copied;
  return status;
}

class SetJoin {
 public:
  explicit SetJoin(const RecombinationPlan& plan)
      : plan_(plan),
        joined_(joinedFileName(plan.joinedName)),
        result_(plan.result),
        other_(plan.other) {}

  int run();

 private:
  int checkFragments();
  int joinIntoResult();
  int checkResult();
  int keepPartialJoin();
  int alreadyExists();
  int succeed();
  // Fragments whose join the copy line before the last leaves in the other temporary.
  size_t fragmentsInOther() const;

  const RecombinationPlan& plan_;
  const std::string joined_;
  const std::string result_;
  const std::string other_;
  // Two reads long, from osAllocateMediumBuffer: the first for the second thread, the
  // second for this one.
  char* buffer_ = nullptr;
  char* ownBuffer() const { return buffer_ + kReadBytes; }
  // Hashes the fragments: their checksum, and their SHA-256 where the script holds one.
  std::optional<SetHash> hash_;
  int64_t joinedLength_ = 0;
  int64_t otherLength_ = 0;
};

size_t SetJoin::fragmentsInOther() const {
  return fragmentsBeforeLastCopyLine(plan_.fragments.size());
}

int SetJoin::checkFragments() {
  for (const FragmentToJoin& fragment : plan_.fragments) {
    const OsEntryKind kind = osEntryKind(fragment.name);
    if (kind == OsEntryKind::none) {
      if (fragment.length) say(fragment.name + " is missing.");
      return failedRecombination();
    }
    if (kind != OsEntryKind::regularFile) return notRegular(fragment.name);
    if (!fragment.length) continue;
    OsFile file;
    Status status = osOpenRegularForReading(fragment.name, &file);
    if (status != kOk) return failOn(fragment.name, status);
    int64_t length = 0;
    status = osLength(file, &length);
    osClose(file);
    if (status != kOk) return failOn(fragment.name, status);
    if (length != *fragment.length) {
      say(fragment.name + " has the wrong length.");
      return failedRecombination();
    }
  }
  return 0;
}

int SetJoin::joinIntoResult() {
  std::vector<std::string> names;
  for (const FragmentToJoin& fragment : plan_.fragments) names.push_back(fragment.name);
  hash_.emplace(std::move(names), buffer_, kReadBytes, plan_.sha256.has_value());
  OsFile target;
  Status status = osOpen(result_, OsExistence::openOrCreate, OsAccess::write, &target);
  if (status != kOk) return failOn(result_, status);
  // A failed open or read is the fragment's; anything else the join's.
  std::string failed = result_;
  const size_t inOther = fragmentsInOther();
  for (size_t i = 0; i < plan_.fragments.size() && status == kOk; ++i) {
    if (i == inOther) otherLength_ = joinedLength_;
    const std::string& name = plan_.fragments[i].name;
    OsFile from;
    status = osOpenRegularForReading(name, &from);
    bool readFailed = status != kOk;
    if (status == kOk) {
      constexpr int64_t kWhole = INT64_MAX;
      status = copyFile(from, 0, target, &joinedLength_, kWhole, ownBuffer(), &readFailed);
      osClose(from);
    }
    if (readFailed) failed = name;
  }
  if (status == kOk) status = osSetLength(target, joinedLength_);
  // Nothing is renamed or deleted before the join is on the medium.
  if (status == kOk) status = osFlush(target);
  const Status closed = osClose(target);
  if (status == kOk) status = closed;
  return status == kOk ? 0 : failOn(failed, status);
}

int SetJoin::checkResult() {
  if (joinedLength_ != plan_.joinedLength) {
    const int kept = keepPartialJoin();
    return kept != 0 ? kept : failedRecombination();
  }
  // The medium is read while the second thread may still be hashing the fragments.
  uint64_t readBack = 0;
  const Status read = mediumChecksum(result_, ownBuffer(), &readBack);
  uint64_t fragments = 0;
  std::string digest;
  std::string failed;
  const Status hashed = hash_->finish(&fragments, &digest, &failed);
  hash_.reset();
  if (read != kOk) return failOn(result_, read);
  if (hashed != kOk) return failOn(failed, hashed);
  if (readBack == fragments && (!plan_.sha256 || digest == *plan_.sha256)) return 0;
  say("The recombined file does not match the original.");
  const int kept = keepPartialJoin();
  return kept != 0 ? kept : failedRecombination();
}

// Where the join is kept, the other temporary holds what the copy line before the last
// left in it, as after the script.
int SetJoin::keepPartialJoin() {
  hash_.reset();
  if (fragmentsInOther() == 0) return 0;
  OsFile from;
  OsFile to;
  Status status = osOpenRegularForReading(result_, &from);
  if (status != kOk) return failOn(result_, status);
  status = osOpen(other_, OsExistence::openOrCreate, OsAccess::write, &to);
  if (status != kOk) {
    osClose(from);
    return failOn(other_, status);
  }
  int64_t copied = 0;
  bool readFailed = false;
  status = osSetLength(to, 0);
  if (status == kOk)
    status = copyFile(from, 0, to, &copied, otherLength_, ownBuffer(), &readFailed);
  if (status == kOk) status = osSetLength(to, otherLength_);
  osClose(from);
  const Status closed = osClose(to);
  if (status == kOk) status = closed;
  return status == kOk ? 0 : failOn(readFailed ? result_ : other_, status);
}

int SetJoin::alreadyExists() {
  say(echoed(joined_) + " already exists.");
  say("Recombined file is " + result_);
  const int kept = keepPartialJoin();
  return kept != 0 ? kept : succeed();
}

int SetJoin::succeed() {
  say("Recombination succeeded.");
  for (const FragmentToJoin& fragment : plan_.fragments) {
    const Status status = osDelete(fragment.name);
    if (status != kOk) return failOn(fragment.name, status);
  }
  const std::string script(kScriptName);
  Status status = osDelete(script);
  if (status == kOk) status = osFlushFolderOf(script);
  return status == kOk ? 0 : failOn(script, status);
}

int SetJoin::run() {
  // A medium buffer lasts as long as the process; the static keeps it in reach until then.
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(2 * kReadBytes));
  buffer_ = buffer;
  if (buffer_ == nullptr) {
    std::fputs("floppysplit: no memory for the join\n", stderr);
    return 1;
  }
  for (const std::string& temporary : {result_, other_}) {
    if (osEntryKind(temporary) == OsEntryKind::other) return notRegular(temporary);
  }
  if (const int failed = checkFragments(); failed != 0) return failed;
  if (const int failed = joinIntoResult(); failed != 0) return failed;
  if (const int failed = checkResult(); failed != 0) return failed;

  // Every name the script sees when it asks whether the join's name exists: the command
  // processor ignores case, so these count whatever this system's file names do.
  bool taken = osEntryKind(joined_) != OsEntryKind::none || equalIgnoringCase(joined_, result_) ||
               equalIgnoringCase(joined_, kScriptName) ||
               (fragmentsInOther() > 0 && equalIgnoringCase(joined_, other_));
  for (const FragmentToJoin& fragment : plan_.fragments) {
    taken = taken || equalIgnoringCase(joined_, fragment.name);
  }
  if (taken) return alreadyExists();

  Status status = osRenameNoReplace(result_, joined_);
  if (status == kOsNameTaken) return alreadyExists();
  if (status == kOk) status = osFlushFolderOf(joined_);
  if (status != kOk) return failOn(joined_, status);
  if (!equalIgnoringCase(joined_, other_) && osEntryKind(other_) == OsEntryKind::regularFile) {
    status = osDelete(other_);
    if (status != kOk) return failOn(other_, status);
  }
  return succeed();
}

}  // namespace

int joinFragmentSet() {
  const std::string script(kScriptName);
  const OsEntryKind kind = osEntryKind(script);
  if (kind == OsEntryKind::none) return refuse("no Recomb.cmd in this folder");
  const std::string notOurs = "Recomb.cmd is not a recombination script of this program";
  if (kind != OsEntryKind::regularFile) return refuse(notOurs);
  OsFile file;
  Status status = osOpenRegularForReading(script, &file);
  if (status != kOk) return failOn(script, status);
  int64_t length = 0;
  std::string bytes;
  status = osLength(file, &length);
  if (status == kOk && length <= kLargestScript) status = readWhole(file, length, &bytes);
  osClose(file);
  if (status != kOk) return failOn(script, status);
  if (length > kLargestScript) return refuse(notOurs);
  const std::optional<RecombinationPlan> plan = readRecombinationScript(bytes);
  if (!plan || joinedFileName(plan->joinedName).empty()) return refuse(notOurs);
  return SetJoin(*plan).run();
}

}  // namespace floppysplit
