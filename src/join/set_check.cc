#include "join/set_check.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/progress_line.h"
#include "files/folder_lock.h"
#include "files/read_in_chunks.h"
#include "join/set_rebuild.h"
#include "join/set_script.h"
#include "platform/file_system.h"
#include "platform/medium_read.h"
#include "platform/owned_file.h"
#include "platform/sha256.h"
#include "script/script_messages.h"

namespace floppysplit {

namespace {

inline constexpr std::string_view kSetIsIntact = "The set is intact.";
inline constexpr std::string_view kSetIsDamaged = "The set is damaged.";
inline constexpr std::string_view kCannotSayWhich =
    "The set is damaged; the script cannot say which fragment.";
inline constexpr std::string_view kOnlyLengths =
    "The set has every fragment at its length; the script holds no SHA-256 to check its bytes.";

// Bytes per read.
constexpr int64_t kReadBytes = int64_t{128} << 10;

void say(std::string_view text, std::string_view more = {}) {
  eraseProgress();
  std::fputs((std::string(text) + std::string(more) + "\n").c_str(), stdout);
  std::fflush(stdout);
}

void complain(const std::string& what) {
  eraseProgress();
  std::fputs(("floppysplit: " + what + "\n").c_str(), stderr);
}

// What the script can prove of the fragments' bytes: each one's SHA-256, only the SHA-256
// of them all, or nothing.
enum class Proof { eachFragment, wholeSet, none };

class SetCheck {
 public:
  SetCheck(const RecombinationPlan& plan, const std::string& folder, char* buffer)
      : plan_(plan), folder_(folder), buffer_(buffer) {}

  ExitStatus run();

 private:
  // Checks fragment `index`, and names it where it is at fault; false then.
  bool checkFragment(size_t index);
  // Reads the open fragment `index` into the digest the script proves it by.
  bool hashFragment(size_t index, OsFile file);
  ExitStatus conclude();
  // What the recovery files can do for the fragments at fault.
  ExitStatus concludeDamaged();

  const RecombinationPlan& plan_;
  const std::string& folder_;
  char* const buffer_;
  const Proof proof_ = !plan_.fragmentSha256.empty() ? Proof::eachFragment
                       : plan_.sha256                ? Proof::wholeSet
                                                     : Proof::none;
  // The SHA-256 of the fragments in order, while every one so far is there at its length.
  Sha256 whole_;
  bool wholeComplete_ = true;
  Sha256 own_;
  bool damaged_ = false;
  // The fragments missing, cut or damaged; and whether another fault stands beside them,
  // which no rebuild mends.
  std::vector<size_t> bad_;
  bool otherFault_ = false;
  // Bytes of the fragments there, and of those read.
  int64_t length_ = 0;
  int64_t read_ = 0;
};

bool SetCheck::checkFragment(size_t index) {
  const std::string name(plan_.fragmentName(index));
  const std::string path = osNameInFolder(folder_, name);
  const OsEntryKind kind = osEntryKind(path);
  if (kind == OsEntryKind::none) {
    say(name, kIsMissing);
    return false;
  }
  if (kind != OsEntryKind::regularFile) {
    complain(path + " is not a regular file");
    otherFault_ = true;
    return false;
  }
  OwnedFile file;
  Status status = osOpenRegularForReading(path, file.receive());
  int64_t length = 0;
  if (status == kOk) {
    status = osLength(file.get(), &length);
    const std::optional<int64_t> expected = plan_.fragmentLength(index);
    bool fine = status == kOk;
    if (fine && expected && length != *expected) {
      say(name, kHasTheWrongLength);
      fine = false;
    }
    if (fine) {
      length_ += length;
      fine = hashFragment(index, file.get());
    }
    if (status == kOk) return fine;
  }
  complain(path + ": " + osErrorText(status));
  otherFault_ = true;
  return false;
}

bool SetCheck::hashFragment(size_t index, OsFile file) {
  const bool own = proof_ == Proof::eachFragment;
  if (!own && (proof_ == Proof::none || !wholeComplete_)) return true;
  Sha256& sha = own ? own_ : whole_;
  Status status = own ? own_.start() : kOk;
  const Progress progress{static_cast<int32_t>(index + 1),
                          static_cast<int32_t>(plan_.fragments.size()), 0, plan_.joinedLength,
                          ProgressStep::checkingSet};
  if (status == kOk) {
    status = readInChunks(file, ReadFrom::system, buffer_, kReadBytes,
                          [&](const char* data, int64_t got) {
                            read_ += got;
                            Progress now = progress;
                            now.done = read_;
                            showProgress(now);
                            return sha.add(data, got);
                          });
  }
  Sha256Digest digest{};
  if (status == kOk && own) status = own_.finish(&digest);
  if (status != kOk) {
    complain(osNameInFolder(folder_, std::string(plan_.fragmentName(index))) + ": " +
             osErrorText(status));
    otherFault_ = true;
    return false;
  }
  if (!own || digest == plan_.fragmentSha256[index]) return true;
  say(plan_.fragmentName(index), kIsDamaged);
  return false;
}

ExitStatus SetCheck::concludeDamaged() {
  if (!otherFault_ && !bad_.empty()) {
    SetRebuild rebuild(plan_, folder_, RebuiltFragments::intoTheSet, buffer_, kReadBytes);
    switch (rebuild.assess(bad_)) {
      case RebuildVerdict::possible:
        say(kSetCanBeRebuilt);
        return ExitStatus::failure;
      case RebuildVerdict::tooFew:
      case RebuildVerdict::indexMissing:
        return ExitStatus::failure;
      case RebuildVerdict::noRecovery:
      case RebuildVerdict::notCovering:
        break;
    }
  }
  say(kSetIsDamaged);
  return ExitStatus::failure;
}

ExitStatus SetCheck::conclude() {
  if (damaged_) return concludeDamaged();
  bool matches = true;
  if (proof_ == Proof::wholeSet) {
    std::string sha256;
    const Status status = whole_.finish(&sha256);
    if (status != kOk) {
      complain(osErrorText(status));
      return ExitStatus::failure;
    }
    matches = sha256 == *plan_.sha256;
  } else if (proof_ == Proof::none) {
    // The oldest form names no fragment's length, only the join's.
    matches = length_ == plan_.joinedLength;
  }
  if (!matches) {
    say(kCannotSayWhich);
    return ExitStatus::failure;
  }
  say(proof_ == Proof::none ? kOnlyLengths : kSetIsIntact);
  return ExitStatus::success;
}

ExitStatus SetCheck::run() {
  if (buffer_ == nullptr) {
    complain("no memory for the check");
    return ExitStatus::failure;
  }
  const Status started = whole_.start();
  if (started != kOk) {
    complain(osErrorText(started));
    return ExitStatus::failure;
  }
  startProgress();
  for (size_t i = 0; i < plan_.fragments.size(); ++i) {
    if (checkFragment(i)) continue;
    bad_.push_back(i);
    damaged_ = true;
    wholeComplete_ = false;
  }
  const ExitStatus status = conclude();
  eraseProgress();
  return status;
}

}  // namespace

ExitStatus checkFragmentSet(const std::string& folder) {
  // The set's own folder is held: a split there must not change it while it is read. A set
  // in another folder, perhaps on a read-only medium, is read without a lock, as the join
  // from there reads it: nothing may be made there, not even a lock's file.
  if (folder == "." && !holdFolder(".")) {
    say(kFolderInUse);
    return ExitStatus::failure;
  }
  const SetScript script = readSetScript(folder);
  if (!script.refusal.empty()) {
    complain(script.refusal);
    return ExitStatus::refused;
  }
  if (script.status != kOk) {
    complain("Recomb.cmd: " + osErrorText(script.status));
    return ExitStatus::failure;
  }
  // A medium buffer lasts as long as the process; the static keeps it in reach until then.
  static char* const buffer = static_cast<char*>(osAllocateMediumBuffer(kReadBytes));
  return SetCheck(*script.plan, folder, buffer).run();
}

}  // namespace floppysplit
