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
#include "platform/owned_file.h"
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

// A check that failed: the line the script echoes for it, then the failure.
JoinEnd failCheck(std::string_view text, std::string_view more = {}) {
  say(text, more);
  return JoinEnd::failure();
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
  OwnedFile reader;
  Status status = osOpenOnMediumFrom(file, kReadBytes, reader.receive());
  if (status != kOk) return status;
  FileChecksum checksum;
  int64_t offset = 0;
  status = readInChunks(reader.get(), ReadFrom::medium, slot, kReadBytes,
                        [&](const char* data, int64_t got) {
                          checksum.add(data, got);
                          offset += got;
                          progress.done = offset;
                          showProgress(progress);
                          return kOk;
                        });
  *value = checksum.wideValue();
  const Status closed = reader.close();
  return status != kOk ? status : closed;
}

// How a copy failed: the system's code, and whether reading the source failed rather than
// writing the target.
struct CopyFault {
  Status status = kOk;
  bool reading = false;
};

// Copies `from` whole to `to` at `*toOffset`, which moves on by what was copied, and shows
// the join's length so far on the progress line as `progress`. The system copies where it
// can; where it cannot, every byte goes through `buffer` (kReadBytes).
CopyFault copyFile(OsFile from, OsFile to, int64_t* toOffset, char* buffer, Progress progress) {
  bool reading = false;
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
      reading = status != kOk;
      if (status == kOk) status = osWriteAt(to, *toOffset + copied, buffer, got);
      if (status != kOk) break;
      copied += got;
      show();
      if (got < kReadBytes) break;
    }
  }
  *toOffset += copied;
  return {status, reading};
}

// The length of the regular file `name`.
Status regularFileLength(const std::string& name, int64_t* length) {
  OwnedFile file;
  const Status status = osOpenRegularForReading(name, file.receive());
  return status != kOk ? status : osLength(file.get(), length);
}

// A temporary already in the folder is somebody's file.
JoinEnd checkNothingInTheWay() {
  for (const Temporary temporary : kBothTemporaries) {
    const std::string name(temporaryName(temporary));
    if (osEntryKind(name) != OsEntryKind::none) return failCheck(name, kIsInTheWay);
  }
  return JoinEnd::success();
}

// The set's join, as the guarded script makes it: it writes over and deletes nothing it did
// not make. The join goes into a temporary it creates, which is deleted again when anything
// fails before the join has its name, or when the program is interrupted. Each step hands
// back how it ended: on to the next step, or the failure.
class SetJoin {
 public:
  SetJoin(const RecombinationPlan& plan, const JoinRequest& request)
      : plan_(plan), request_(request) {}

  JoinEnd run();

 private:
  JoinEnd checkFragments();
  // Whether fragment `index` is there, a regular file, at the length the script checks;
  // any other failure goes with it.
  enum class FragmentState { fine, missing, wrongLength, failed };
  struct FragmentCheck {
    FragmentState state = FragmentState::fine;
    JoinEnd failure;
  };
  FragmentCheck checkFragment(size_t index) const;
  // Rebuilds the fragments `bad` from the recovery files, and any other they show to be
  // damaged; `afterJoin` where a join's SHA-256 differed first.
  JoinEnd rebuildFragments(std::vector<size_t> bad, bool afterJoin);
  // Names the fragments, of those not in `skip`, that are damaged, and hands them back.
  std::vector<size_t> findDamagedFragments(const std::vector<size_t>& skip);
  JoinEnd createResult();
  JoinEnd copyFragments();
  void startHashing();
  // Appends fragment `index` to the join; a failed open or read is the fragment's, a failed
  // write the join's.
  JoinEnd copyFragment(size_t index);
  JoinEnd checkJoin();
  bool matchesTheOriginal(uint64_t readBack, uint64_t fragments, const std::string& sha256) const;
  std::vector<size_t> nameDamagedFragments(const std::vector<size_t>& skip) const;
  JoinEnd nameTheJoin();
  bool joinedNameIsTaken() const;
  JoinEnd keepUnderTemporary();
  // From here on the join is the result, not this run's to delete.
  Status keepTheJoin();
  JoinEnd succeed();
  JoinEnd keepTheSet() const;
  JoinEnd deleteTheSet() const;
  // Deletes the temporary this join made, if its name still stands for it, and hands
  // `end` on.
  JoinEnd deleteTheJoin(JoinEnd end);

  const RecombinationPlan& plan_;
  const JoinRequest& request_;
  // Two reads long, from osAllocateMediumBuffer: the first for the second thread, the
  // second for this one.
  char* buffer_ = nullptr;
  char* ownBuffer() const { return buffer_ + kReadBytes; }
  // Hashes the fragments: their checksum, and their SHA-256 where the script holds one.
  std::optional<SetHash> hash_;
  // The temporary, open while it is this join's to delete.
  OwnedFile result_;
  int64_t joinedLength_ = 0;
  std::optional<SetRebuild> rebuild_;
  // Set once fragments have been rebuilt after a join whose SHA-256 differed, which is then
  // made again; once only.
  bool rebuiltAfterJoin_ = false;
  bool joinAgain_ = false;
};

// Every fragment is there at its length. Where one is not and recovery files are there,
// every fragment is checked, and those missing or cut are rebuilt before the join.
JoinEnd SetJoin::checkFragments() {
  std::vector<size_t> bad;
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    FragmentCheck check = checkFragment(i);
    if (check.state == FragmentState::failed) return std::move(check.failure);
    if (check.state == FragmentState::fine) continue;
    say(plan_.fragmentName(i),
        check.state == FragmentState::missing ? kIsMissing : kHasTheWrongLength);
    if (!rebuild_->present()) return JoinEnd::failure();
    bad.push_back(i);
  }
  return bad.empty() ? JoinEnd::success() : rebuildFragments(std::move(bad), false);
}

SetJoin::FragmentCheck SetJoin::checkFragment(size_t index) const {
  const std::string& name = rebuild_->source(index);
  const OsEntryKind kind = osEntryKind(name);
  if (kind == OsEntryKind::none) return {FragmentState::missing, {}};
  if (kind != OsEntryKind::regularFile) {
    return {FragmentState::failed,
            JoinEnd::failureWith(name + " is not a regular file; nothing was joined")};
  }
  const std::optional<int64_t> expected = plan_.fragmentLength(index);
  if (!expected) return {FragmentState::fine, {}};
  int64_t length = 0;
  const Status status = regularFileLength(name, &length);
  if (status != kOk) return {FragmentState::failed, JoinEnd::failureOn(name, status)};
  return {length == *expected ? FragmentState::fine : FragmentState::wrongLength, {}};
}

JoinEnd SetJoin::rebuildFragments(std::vector<size_t> bad, bool afterJoin) {
  for (;;) {
    const RebuildVerdict verdict = rebuild_->assess(bad);
    if (verdict != RebuildVerdict::possible) {
      return afterJoin ? failCheck(kDoesNotMatch) : JoinEnd::failure();
    }
    const RebuildOutcome outcome = rebuild_->rebuild(bad);
    if (outcome == RebuildOutcome::rebuilt) return JoinEnd::success();
    if (outcome == RebuildOutcome::failed) return JoinEnd::failure();
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
JoinEnd SetJoin::createResult() {
  const std::string result(temporaryName(plan_.result));
  joinedLength_ = 0;
  // Rebuilt fragments that are temporaries stay armed beside it.
  const Status status = osCreateTemporary(result, result_.receive(), rebuild_->temporaries());
  if (status == kOsNameTaken) return failCheck(result, kIsInTheWay);
  if (status != kOk) return JoinEnd::failureOn(result, status);
  return JoinEnd::success();
}

// Copies the fragments, in order, into the temporary while the second thread hashes them,
// then flushes it: nothing is renamed or deleted before the join is on the medium.
JoinEnd SetJoin::copyFragments() {
  startHashing();
  startProgress();
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    JoinEnd copied = copyFragment(i);
    if (!copied.succeeded()) return deleteTheJoin(std::move(copied));
  }
  const Status status = osFlush(result_.get());
  if (status == kOk) return JoinEnd::success();
  return deleteTheJoin(JoinEnd::failureOn(std::string(temporaryName(plan_.result)), status));
}

void SetJoin::startHashing() {
  std::vector<std::string> names;
  names.reserve(plan_.fragments.size());
  for (size_t i = 0; i < plan_.fragments.size(); ++i) names.push_back(rebuild_->source(i));
  hash_.emplace(std::move(names), buffer_, kReadBytes, plan_.sha256.has_value());
}

JoinEnd SetJoin::copyFragment(size_t index) {
  const std::string& name = rebuild_->source(index);
  OwnedFile from;
  const Status status = osOpenRegularForReading(name, from.receive());
  if (status != kOk) return JoinEnd::failureOn(name, status);
  const Progress progress{static_cast<int32_t>(index + 1),
                          static_cast<int32_t>(plan_.fragments.size()), 0, plan_.joinedLength,
                          ProgressStep::joining};
  const CopyFault fault =
      copyFile(from.get(), result_.get(), &joinedLength_, ownBuffer(), progress);
  if (fault.status == kOk) return JoinEnd::success();
  return JoinEnd::failureOn(fault.reading ? name : std::string(temporaryName(plan_.result)),
                            fault.status);
}

// The join holds the length the script checks, and the medium gives back the bytes the
// fragments hold, which are the bytes split where the script holds their SHA-256.
JoinEnd SetJoin::checkJoin() {
  if (joinedLength_ != plan_.joinedLength) return deleteTheJoin(JoinEnd::failure());
  // The medium is read while the second thread may still be hashing the fragments.
  uint64_t readBack = 0;
  const Status read = mediumChecksum(result_.get(), ownBuffer(),
                                     {0, static_cast<int32_t>(plan_.fragments.size()), 0,
                                      plan_.joinedLength, ProgressStep::checkingJoin},
                                     &readBack);
  const SetDigest hashed = hash_->finish();
  hash_.reset();
  if (read != kOk) {
    return deleteTheJoin(JoinEnd::failureOn(std::string(temporaryName(plan_.result)), read));
  }
  if (hashed.status != kOk) {
    return deleteTheJoin(JoinEnd::failureOn(hashed.failedFile, hashed.status));
  }
  if (matchesTheOriginal(readBack, hashed.checksum, hashed.sha256)) return JoinEnd::success();
  const std::vector<size_t> damaged = findDamagedFragments({});
  if (damaged.empty() || rebuiltAfterJoin_ || !rebuild_->present()) {
    return deleteTheJoin(failCheck(kDoesNotMatch));
  }
  deleteTheJoin(JoinEnd::success());
  rebuiltAfterJoin_ = true;
  JoinEnd rebuilt = rebuildFragments(damaged, true);
  joinAgain_ = rebuilt.succeeded();
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
    const Status status =
        fileSha256(rebuild_->source(i), ownBuffer(), kReadBytes, &digest, [&](int64_t done) {
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
JoinEnd SetJoin::nameTheJoin() {
  const std::string& joined = plan_.joinedName;
  const std::string result(temporaryName(plan_.result));
  if (joinedNameIsTaken()) return keepUnderTemporary();
  // The file renamed is the file written and checked, not whatever took its name since.
  if (!osNameIsFileEntry(result_.get(), result)) {
    return deleteTheJoin(JoinEnd::failureWith(
        result + " is no longer the file this join wrote; nothing was renamed"));
  }
  Status status = osRenameOpenFile(result_.get(), result, joined);
  if (status == kOsNameTaken) return keepUnderTemporary();
  if (status != kOk) return deleteTheJoin(JoinEnd::failureOn(joined, status));
  status = keepTheJoin();
  if (status == kOk) status = osFlushFolderOf(joined);
  return status != kOk ? JoinEnd::failureOn(joined, status) : succeed();
}

// Every name the script sees when it asks whether the join's name exists: the command
// processor ignores case, so these count whatever this system's file names do.
bool SetJoin::joinedNameIsTaken() const {
  const std::string& joined = plan_.joinedName;
  bool taken = osEntryKind(joined) != OsEntryKind::none ||
               equalIgnoringCase(joined, temporaryName(plan_.result));
  // The set's own names stand in the way only where the set is in this folder.
  if (request_.setFolder != ".") return taken;
  taken = taken || equalIgnoringCase(joined, kScriptName);
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    taken = taken || equalIgnoringCase(joined, plan_.fragmentName(i));
  }
  return taken;
}

// The join stays under its temporary's name, as the script leaves it where the joined name
// is taken.
JoinEnd SetJoin::keepUnderTemporary() {
  const std::string_view result = temporaryName(plan_.result);
  const Status closed = keepTheJoin();
  if (closed != kOk) return JoinEnd::failureOn(std::string(result), closed);
  say(echoed(plan_.joinedName), kAlreadyExists);
  say(kRecombinedFileIs, result);
  return succeed();
}

Status SetJoin::keepTheJoin() {
  rebuild_->armTemporaries();
  return result_.close();
}

// The join made, and the fragments rebuilt for it deleted: the set goes once its SHA-256
// has proved the join, unless it is to be kept, and stays otherwise.
JoinEnd SetJoin::succeed() {
  JoinEnd deleted = rebuild_->deleteTemporaries();
  if (!deleted.succeeded()) return deleted;
  say(kRecombinationSucceeded);
  if (request_.keepSet) return keepTheSet();
  if (plan_.sha256) return deleteTheSet();
  return keepTheSet();
}

JoinEnd SetJoin::keepTheSet() const {
  if (!plan_.sha256) say(kCouldNotBeChecked, "the script holds no SHA-256.");
  say(kSetIsKept);
  return JoinEnd::success();
}

// Deletes the fragments, then the recovery files the script names, each where it is there,
// then the script, whose name goes to the medium last.
JoinEnd SetJoin::deleteTheSet() const {
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    const std::string name(plan_.fragmentName(i));
    const Status status = osDelete(name);
    if (status != kOk) return JoinEnd::failureOn(name, status);
  }
  JoinEnd deleted = rebuild_->deleteAfterJoin();
  if (!deleted.succeeded()) return deleted;
  const std::string& script = plan_.scriptFile;
  Status status = osDelete(script);
  if (status == kOk) status = osFlushFolderOf(script);
  return status == kOk ? JoinEnd::success() : JoinEnd::failureOn(script, status);
}

JoinEnd SetJoin::deleteTheJoin(JoinEnd end) {
  hash_.reset();
  if (result_.isOpen()) {
    const std::string result(temporaryName(plan_.result));
    if (osNameIsFileEntry(result_.get(), result)) osDelete(result);
    result_.close();
  }
  rebuild_->armTemporaries();
  return end;
}

JoinEnd SetJoin::run() {
  // A medium buffer lasts as long as the process; the static keeps it in reach until then.
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(2 * kReadBytes));
  buffer_ = buffer;
  if (buffer_ == nullptr) return JoinEnd::failureWith("no memory for the join");
  // A set kept as it is gets its rebuilt fragments as temporaries here, where the join is.
  const RebuiltFragments rebuilt =
      request_.keepSet ? RebuiltFragments::temporaries : RebuiltFragments::intoTheSet;
  rebuild_.emplace(plan_, request_.setFolder, rebuilt, ownBuffer(), kReadBytes);
  JoinEnd end = checkNothingInTheWay();
  if (end.succeeded()) end = checkFragments();
  do {
    joinAgain_ = false;
    if (end.succeeded()) end = createResult();
    if (end.succeeded()) end = copyFragments();
    if (end.succeeded()) end = checkJoin();
  } while (end.succeeded() && joinAgain_);
  if (end.succeeded()) end = nameTheJoin();
  // A kept set's rebuilt fragments are temporaries, which go whatever the end.
  if (!end.succeeded() && request_.keepSet) rebuild_->deleteTemporaries();
  end.rebuiltSetKept = !end.succeeded() && !request_.keepSet && rebuild_->rebuiltAny();
  return end;
}

}  // namespace

JoinEnd joinFragmentSet(const JoinRequest& request) {
  // Whenever it comes, an interruption ends the join at once with exit status 130, deleting
  // the temporary while the join has one.
  osWatchInterrupts(OsInterruptAction::endAtOnce);
  // The folder held is the one written to: the set's may be read-only, and takes nothing.
  if (!holdFolder(".")) return failCheck(kFolderInUse);
  SetScript script = readSetScript(request.setFolder);
  if (!script.refusal.empty()) return JoinEnd::refusal(std::move(script.refusal));
  if (script.status != kOk) return JoinEnd::failureOn(std::string(kScriptName), script.status);
  return SetJoin(*script.plan, request).run();
}

}  // namespace floppysplit
