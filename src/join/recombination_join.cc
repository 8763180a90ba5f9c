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
#include "files/folder_lock.h"
#include "files/read_in_chunks.h"
#include "join/set_hash.h"
#include "join/set_rebuild.h"
#include "join/set_script.h"
#include "platform/file_system.h"
#include "platform/interruption.h"
#include "platform/medium_read.h"
#include "script/recombination_script.h"
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

// A check that failed: the line the script echoes for it, then its last line of a failure.
ExitStatus failCheck(std::string_view text, std::string_view more = {}) {
  say(text, more);
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

// The length of the regular file `name`.
Status regularFileLength(const std::string& name, int64_t* length) {
  OsFile file;
  Status status = osOpenRegularForReading(name, &file);
  if (status != kOk) return status;
  status = osLength(file, length);
  osClose(file);
  return status;
}

// A temporary already in the folder is somebody's file.
ExitStatus checkNothingInTheWay() {
  for (const Temporary temporary : kBothTemporaries) {
    const std::string name(temporaryName(temporary));
    if (osEntryKind(name) != OsEntryKind::none) return failCheck(name, kIsInTheWay);
  }
  return ExitStatus::success;
}

// The set's join, as the guarded script makes it: it writes over and deletes nothing it did
// not make. The join goes into a temporary it creates, which is deleted again when anything
// fails before the join has its name, or when the program is interrupted. Each step hands
// back success, or the failure it has reported.
class SetJoin {
 public:
  explicit SetJoin(const RecombinationPlan& plan) : plan_(plan) {}

  ExitStatus run();

 private:
  ExitStatus checkFragments();
  // Whether fragment `index` is there, a regular file, at the length the script checks;
  // any other failure is reported into `*failure`.
  enum class FragmentCheck { fine, missing, wrongLength, failed };
  FragmentCheck checkFragment(size_t index, ExitStatus* failure) const;
  // Rebuilds the fragments `bad` from the recovery files, and any other they show to be
  // damaged; `afterJoin` where a join's SHA-256 differed first.
  ExitStatus rebuildFragments(std::vector<size_t> bad, bool afterJoin);
  // Names the fragments, of those not in `skip`, that are damaged, and hands them back.
  std::vector<size_t> findDamagedFragments(const std::vector<size_t>& skip);
  ExitStatus createResult();
  ExitStatus copyFragments();
  void startHashing();
  // Appends fragment `index` to the join; `*readFailed` tells a failed open or read of the
  // fragment from a failed write of the join.
  Status copyFragment(size_t index, bool* readFailed);
  ExitStatus checkJoin();
  bool matchesTheOriginal(uint64_t readBack, uint64_t fragments, const std::string& sha256) const;
  std::vector<size_t> nameDamagedFragments(const std::vector<size_t>& skip) const;
  ExitStatus nameTheJoin();
  bool joinedNameIsTaken() const;
  ExitStatus keepUnderTemporary();
  // From here on the join is the result, not this run's to delete.
  Status keepTheJoin();
  ExitStatus succeed() const;
  ExitStatus deleteTheSet() const;
  // Deletes the temporary this join made, if its name still stands for it, and ends
  // the failure.
  ExitStatus deleteTheJoin(ExitStatus failure);

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
  std::optional<SetRebuild> rebuild_;
  // Set once fragments have been rebuilt after a join whose SHA-256 differed, which is then
  // made again; once only.
  bool rebuiltAfterJoin_ = false;
  bool joinAgain_ = false;
};

// Every fragment is there at its length. Where one is not and recovery files are there,
// every fragment is checked, and those missing or cut are rebuilt before the join.
ExitStatus SetJoin::checkFragments() {
  std::vector<size_t> bad;
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    ExitStatus failure = ExitStatus::success;
    const FragmentCheck check = checkFragment(i, &failure);
    if (check == FragmentCheck::failed) return failure;
    if (check == FragmentCheck::fine) continue;
    say(plan_.fragmentName(i), check == FragmentCheck::missing ? kIsMissing : kHasTheWrongLength);
    if (!rebuild_->present()) return failedRecombination();
    bad.push_back(i);
  }
  return bad.empty() ? ExitStatus::success : rebuildFragments(std::move(bad), false);
}

SetJoin::FragmentCheck SetJoin::checkFragment(size_t index, ExitStatus* failure) const {
  const std::string name(plan_.fragmentName(index));
  const OsEntryKind kind = osEntryKind(name);
  if (kind == OsEntryKind::none) return FragmentCheck::missing;
  if (kind != OsEntryKind::regularFile) {
    *failure = failWith(name + " is not a regular file; nothing was joined");
    return FragmentCheck::failed;
  }
  const std::optional<int64_t> expected = plan_.fragmentLength(index);
  if (!expected) return FragmentCheck::fine;
  int64_t length = 0;
  const Status status = regularFileLength(name, &length);
  if (status != kOk) {
    *failure = failOn(name, status);
    return FragmentCheck::failed;
  }
  return length == *expected ? FragmentCheck::fine : FragmentCheck::wrongLength;
}

ExitStatus SetJoin::rebuildFragments(std::vector<size_t> bad, bool afterJoin) {
  for (;;) {
    const RebuildVerdict verdict = rebuild_->assess(bad);
    if (verdict != RebuildVerdict::possible) {
      return afterJoin ? failCheck(kDoesNotMatch) : failedRecombination();
    }
    const RebuildOutcome outcome = rebuild_->rebuild(bad);
    if (outcome == RebuildOutcome::rebuilt) return ExitStatus::success;
    if (outcome == RebuildOutcome::failed) return failedRecombination();
    // A fragment read for the rebuild holds other bytes than it should: it is rebuilt too.
    const std::vector<size_t> more = findDamagedFragments(bad);
    if (more.empty()) return failCheck(kDoesNotMatch);
    bad.insert(bad.end(), more.begin(), more.end());
    std::ranges::sort(bad);
  }
}

std::vector<size_t> SetJoin::findDamagedFragments(const std::vector<size_t>& skip) {
  if (!plan_.fragmentSha256.empty()) return nameDamagedFragments(skip);
  // The older scripts hold no SHA-256 of each fragment; the recovery files hold its MD5.
  std::vector<size_t> damaged = rebuild_->differingFromRecovery(skip);
  for (const size_t n : damaged) say(plan_.fragmentName(n), kIsDamaged);
  return damaged;
}

// The temporary the join goes into, made new: a file that took its name since the check is
// somebody's too.
ExitStatus SetJoin::createResult() {
  const std::string result(temporaryName(plan_.result));
  joinedLength_ = 0;
  OsFile target;
  const Status status = osCreateTemporary(result, &target);
  if (status == kOsNameTaken) return failCheck(result, kIsInTheWay);
  if (status != kOk) return failOn(result, status);
  result_ = target;
  return ExitStatus::success;
}

// Copies the fragments, in order, into the temporary while the second thread hashes them,
// then flushes it: nothing is renamed or deleted before the join is on the medium.
ExitStatus SetJoin::copyFragments() {
  startHashing();
  // A failed open or read is the fragment's; anything else the join's.
  std::string failed(temporaryName(plan_.result));
  Status status = kOk;
  startProgress();
  for (size_t i = 0; i < plan_.fragments.size() && status == kOk; ++i) {
    bool readFailed = false;
    status = copyFragment(i, &readFailed);
    if (readFailed) failed = plan_.fragmentName(i);
  }
  if (status == kOk) status = osFlush(*result_);
  return status == kOk ? ExitStatus::success : deleteTheJoin(failOn(failed, status));
}

void SetJoin::startHashing() {
  std::vector<std::string> names;
  names.reserve(plan_.fragments.size());
  for (size_t i = 0; i < plan_.fragments.size(); ++i) names.emplace_back(plan_.fragmentName(i));
  hash_.emplace(std::move(names), buffer_, kReadBytes, plan_.sha256.has_value());
}

Status SetJoin::copyFragment(size_t index, bool* readFailed) {
  const std::string name(plan_.fragmentName(index));
  OsFile from;
  Status status = osOpenRegularForReading(name, &from);
  *readFailed = status != kOk;
  if (status != kOk) return status;
  const Progress progress{static_cast<int32_t>(index + 1),
                          static_cast<int32_t>(plan_.fragments.size()), 0, plan_.joinedLength,
                          ProgressStep::joining};
  status = copyFile(from, *result_, &joinedLength_, ownBuffer(), progress, readFailed);
  osClose(from);
  return status;
}

// The join holds the length the script checks, and the medium gives back the bytes the
// fragments hold, which are the bytes split where the script holds their SHA-256.
ExitStatus SetJoin::checkJoin() {
  if (joinedLength_ != plan_.joinedLength) return deleteTheJoin(failedRecombination());
  // The medium is read while the second thread may still be hashing the fragments.
  uint64_t readBack = 0;
  const Status read = mediumChecksum(*result_, ownBuffer(),
                                     {0, static_cast<int32_t>(plan_.fragments.size()), 0,
                                      plan_.joinedLength, ProgressStep::checkingJoin},
                                     &readBack);
  uint64_t fragments = 0;
  std::string sha256;
  std::string failed;
  const Status hashed = hash_->finish(&fragments, &sha256, &failed);
  hash_.reset();
  if (read != kOk) return deleteTheJoin(failOn(temporaryName(plan_.result), read));
  if (hashed != kOk) return deleteTheJoin(failOn(failed, hashed));
  if (matchesTheOriginal(readBack, fragments, sha256)) return ExitStatus::success;
  const std::vector<size_t> damaged = findDamagedFragments({});
  if (damaged.empty() || rebuiltAfterJoin_ || !rebuild_->present()) {
    return deleteTheJoin(failCheck(kDoesNotMatch));
  }
  deleteTheJoin(ExitStatus::success);
  rebuiltAfterJoin_ = true;
  const ExitStatus rebuilt = rebuildFragments(damaged, true);
  joinAgain_ = rebuilt == ExitStatus::success;
  return rebuilt;
}

// Says which fragments have another SHA-256 than the script holds for them, as the script
// does once the join's differs: only then are they hashed each alone, so that a join
// that matches reads every fragment once. A fragment that cannot be read gets no line, as
// in the script where certutil gives no SHA-256.
std::vector<size_t> SetJoin::nameDamagedFragments(const std::vector<size_t>& skip) const {
  const auto count = static_cast<int32_t>(plan_.fragments.size());
  int64_t before = 0;
  std::vector<size_t> damaged;
  for (size_t i = 0; i < plan_.fragmentSha256.size(); ++i) {
    if (std::ranges::find(skip, i) != skip.end()) continue;
    const std::string name(plan_.fragmentName(i));
    Progress progress{static_cast<int32_t>(i + 1), count, before, plan_.joinedLength,
                      ProgressStep::checkingSet};
    Sha256Digest digest{};
    const Status status = fileSha256(name, ownBuffer(), kReadBytes, &digest, [&](int64_t done) {
      progress.done = before + done;
      showProgress(progress);
    });
    before = progress.done;
    if (status == kOk && digest != plan_.fragmentSha256[i]) {
      say(name, kIsDamaged);
      damaged.push_back(i);
    }
  }
  return damaged;
}

// Whether the join read back has the fragments' checksum, and they the SHA-256 the script
// holds, if any.
bool SetJoin::matchesTheOriginal(uint64_t readBack, uint64_t fragments,
                                 const std::string& sha256) const {
  return readBack == fragments && (!plan_.sha256 || sha256 == *plan_.sha256);
}

// Renames the join to the joined name unless that is taken, as the script does.
ExitStatus SetJoin::nameTheJoin() {
  const std::string& joined = plan_.joinedName;
  const std::string result(temporaryName(plan_.result));
  if (joinedNameIsTaken()) return keepUnderTemporary();
  // The file renamed is the file written and checked, not whatever took its name since.
  if (!osNameIsFileEntry(*result_, result)) {
    return deleteTheJoin(
        failWith(result + " is no longer the file this join wrote; nothing was renamed"));
  }
  Status status = osRenameOpenFile(*result_, result, joined);
  if (status == kOsNameTaken) return keepUnderTemporary();
  if (status != kOk) return deleteTheJoin(failOn(joined, status));
  status = keepTheJoin();
  if (status == kOk) status = osFlushFolderOf(joined);
  return status != kOk ? failOn(joined, status) : succeed();
}

// Every name the script sees when it asks whether the join's name exists: the command
// processor ignores case, so these count whatever this system's file names do.
bool SetJoin::joinedNameIsTaken() const {
  const std::string& joined = plan_.joinedName;
  bool taken = osEntryKind(joined) != OsEntryKind::none ||
               equalIgnoringCase(joined, temporaryName(plan_.result)) ||
               equalIgnoringCase(joined, kScriptName);
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    taken = taken || equalIgnoringCase(joined, plan_.fragmentName(i));
  }
  return taken;
}

// The join stays under its temporary's name, as the script leaves it where the joined name
// is taken.
ExitStatus SetJoin::keepUnderTemporary() {
  const std::string_view result = temporaryName(plan_.result);
  const Status closed = keepTheJoin();
  if (closed != kOk) return failOn(result, closed);
  say(echoed(plan_.joinedName), kAlreadyExists);
  say(kRecombinedFileIs, result);
  return succeed();
}

Status SetJoin::keepTheJoin() {
  osForgetOnInterrupt();
  const Status closed = osClose(*result_);
  result_.reset();
  return closed;
}

// The join made: the set goes once its SHA-256 has proved the join, and stays otherwise.
ExitStatus SetJoin::succeed() const {
  say(kRecombinationSucceeded);
  if (plan_.sha256) return deleteTheSet();
  say(kCouldNotBeChecked, "the script holds no SHA-256.");
  say(kSetIsKept);
  return ExitStatus::success;
}

// Deletes the fragments, then the recovery files the script names, each where it is there,
// then the script, whose name goes to the medium last.
ExitStatus SetJoin::deleteTheSet() const {
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    const std::string name(plan_.fragmentName(i));
    const Status status = osDelete(name);
    if (status != kOk) return failOn(name, status);
  }
  std::string failed;
  const Status deleted = rebuild_->deleteAfterJoin(&failed);
  if (deleted != kOk) return failOn(failed, deleted);
  const std::string& script = plan_.scriptFile;
  Status status = osDelete(script);
  if (status == kOk) status = osFlushFolderOf(script);
  return status == kOk ? ExitStatus::success : failOn(script, status);
}

ExitStatus SetJoin::deleteTheJoin(ExitStatus failure) {
  hash_.reset();
  if (result_) {
    const std::string result(temporaryName(plan_.result));
    if (osNameIsFileEntry(*result_, result)) osDelete(result);
    osClose(*result_);
    result_.reset();
  }
  osForgetOnInterrupt();
  return failure;
}

ExitStatus SetJoin::run() {
  // A medium buffer lasts as long as the process; the static keeps it in reach until then.
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(2 * kReadBytes));
  buffer_ = buffer;
  if (buffer_ == nullptr) return failWith("no memory for the join");
  rebuild_.emplace(plan_, ownBuffer(), kReadBytes);
  ExitStatus status = checkNothingInTheWay();
  if (status == ExitStatus::success) status = checkFragments();
  do {
    joinAgain_ = false;
    if (status == ExitStatus::success) status = createResult();
    if (status == ExitStatus::success) status = copyFragments();
    if (status == ExitStatus::success) status = checkJoin();
  } while (status == ExitStatus::success && joinAgain_);
  if (status == ExitStatus::success) status = nameTheJoin();
  if (status != ExitStatus::success && rebuild_->rebuiltAny()) say(kRebuiltSetIsKept);
  return status;
}

// The plan of the script in the current folder, or the failure that leaves nothing to join.
ExitStatus readPlan(std::optional<RecombinationPlan>* plan) {
  SetScript script = readSetScript();
  if (!script.refusal.empty()) return refuse(script.refusal);
  if (script.status != kOk) return failOn(kScriptName, script.status);
  *plan = std::move(script.plan);
  return ExitStatus::success;
}

}  // namespace

ExitStatus joinFragmentSet() {
  // Whenever it comes, an interruption ends the join at once with exit status 130, deleting
  // the temporary while the join has one.
  osWatchInterrupts(OsInterruptAction::endAtOnce);
  if (!holdFolder(".")) return failCheck(kFolderInUse);
  std::optional<RecombinationPlan> plan;
  if (const ExitStatus failed = readPlan(&plan); failed != ExitStatus::success) return failed;
  const ExitStatus exitStatus = SetJoin(*plan).run();
  eraseProgress();
  return exitStatus;
}

}  // namespace floppysplit
