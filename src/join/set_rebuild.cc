#include "join/set_rebuild.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "dialogue/progress_line.h"
#include "files/read_in_chunks.h"
#include "platform/file_system.h"
#include "platform/interruption.h"
#include "platform/md5.h"
#include "platform/sha256.h"
#include "recovery/recovery_rebuild.h"
#include "script/script_messages.h"

namespace floppysplit {

namespace {

constexpr std::string_view kRebuiltSuffix = ".rebuilt";
constexpr std::string_view kDamagedSuffix = ".damaged";

void say(std::string_view text, std::string_view more = {}) {
  eraseProgress();
  std::fputs((std::string(text) + std::string(more) + "\n").c_str(), stdout);
  std::fflush(stdout);
}

void complain(const std::string& name, Status status) {
  eraseProgress();
  std::fputs(("floppysplit: " + name + ": " + osErrorText(status) + "\n").c_str(), stderr);
}

// The SHA-256 and the MD5 of the regular file `name`, read through `buffer`.
Status fileDigests(const std::string& name, char* buffer, int64_t bufferBytes, Sha256Digest* sha256,
                   Md5Digest* md5) {
  OwnedFile file;
  Status status = osOpenRegularForReading(name, file.receive());
  if (status != kOk) return status;
  Sha256 sha;
  Md5 md;
  status = sha.start();
  if (status == kOk) status = md.start();
  if (status == kOk) {
    status = readInChunks(file.get(), ReadFrom::system, buffer, bufferBytes,
                          [&](const char* data, int64_t got) {
                            const Status added = sha.add(data, got);
                            return added != kOk ? added : md.add(data, got);
                          });
  }
  if (status == kOk) status = sha.finish(sha256);
  if (status == kOk) status = md.finish(md5);
  return status;
}

}  // namespace

std::string cannotRebuildLine(size_t fragments, size_t canRebuild) {
  return std::to_string(fragments) + " fragments are damaged or missing; the recovery files can " +
         "rebuild " + std::to_string(canRebuild) + ".";
}

SetRebuild::SetRebuild(const RecombinationPlan& plan, const std::string& folder,
                       RebuiltFragments where, char* buffer, int64_t bufferBytes)
    : plan_(plan), folder_(folder), where_(where), buffer_(buffer), bufferBytes_(bufferBytes) {
  names_.reserve(plan.fragments.size());
  sources_.reserve(plan.fragments.size());
  for (size_t i = 0; i < plan.fragments.size(); ++i) {
    names_.emplace_back(plan.fragmentName(i));
    sources_.push_back(osNameInFolder(folder, names_.back()));
  }
}

bool SetRebuild::present() {
  if (present_ < 0) present_ = recoveryFilesPresent(folder_) ? 1 : 0;
  return present_ == 1;
}

void SetRebuild::readOnce() {
  if (!read_ && present()) {
    std::vector<std::string_view> names(names_.begin(), names_.end());
    std::vector<std::optional<int64_t>> lengths;
    lengths.reserve(names_.size());
    for (size_t i = 0; i < names_.size(); ++i) lengths.push_back(plan_.fragmentLength(i));
    data_ = readRecoveryData(folder_, names, lengths);
  }
  read_ = true;
}

RebuildVerdict SetRebuild::assess(const std::vector<size_t>& bad) {
  readOnce();
  switch (data_.state) {
    case RecoveryState::none:
      return RebuildVerdict::noRecovery;
    case RecoveryState::indexMissing:
      say(kRecoveryIndexMissing);
      return RebuildVerdict::indexMissing;
    case RecoveryState::notCovering:
      say(kRecoveryNotCovering);
      return RebuildVerdict::notCovering;
    case RecoveryState::usable:
      break;
  }
  int32_t damaged = 0;
  volumes_ = pickIntactVolumes(data_, bad.size(), buffer_, bufferBytes_, &damaged);
  if (volumes_.size() >= bad.size()) return RebuildVerdict::possible;
  say(cannotRebuildLine(bad.size(), volumes_.size()));
  return RebuildVerdict::tooFew;
}

bool SetRebuild::namesAreFree(const std::vector<size_t>& bad) const {
  for (const size_t n : bad) {
    const std::string& name = names_[n];
    for (const std::string_view suffix : {kRebuiltSuffix, kDamagedSuffix}) {
      const std::string taken = name + std::string(suffix);
      // A damaged fragment's own name is needed only where the fragment is there and goes
      // aside.
      if (suffix == kDamagedSuffix &&
          (where_ == RebuiltFragments::temporaries || osEntryKind(name) == OsEntryKind::none)) {
        continue;
      }
      if (osEntryKind(taken) != OsEntryKind::none) {
        say(taken, kIsInTheWay);
        return false;
      }
    }
  }
  return true;
}

void SetRebuild::armTemporaries() const {
  if (temporaries_.empty()) {
    osForgetOnInterrupt();
  } else {
    osDeleteOnInterrupt(temporaries_);
  }
}

JoinEnd SetRebuild::deleteTemporaries() {
  osForgetOnInterrupt();
  JoinEnd end = JoinEnd::success();
  for (const std::string& name : temporaries_) {
    const Status status = osDelete(name);
    if (end.succeeded() && status != kOk) end = JoinEnd::failureOn(name, status);
  }
  temporaries_.clear();
  return end;
}

void SetRebuild::deleteRebuilt(const std::vector<size_t>& bad, size_t count) const {
  armTemporaries();
  for (size_t j = 0; j < count; ++j) osDelete(names_[bad[j]] + std::string(kRebuiltSuffix));
}

RebuildOutcome SetRebuild::rebuild(const std::vector<size_t>& bad) {
  if (!namesAreFree(bad)) return RebuildOutcome::failed;
  std::vector<OwnedFile> targets;
  // The temporaries of an earlier rebuild stay armed beside the new ones.
  std::vector<std::string> made = temporaries_;
  for (const size_t n : bad) {
    const std::string name = names_[n] + std::string(kRebuiltSuffix);
    OwnedFile target;
    const Status status = osCreateNew(name, target.receive());
    if (status != kOk) {
      if (status == kOsNameTaken) {
        say(name, kIsInTheWay);
      } else {
        complain(name, status);
      }
      const size_t created = targets.size();
      targets.clear();
      deleteRebuilt(bad, created);
      return RebuildOutcome::failed;
    }
    targets.push_back(std::move(target));
    made.push_back(name);
    osDeleteOnInterrupt(made);
  }
  const RebuildOutcome outcome = rebuildInto(bad, &targets);
  if (outcome != RebuildOutcome::rebuilt) {
    deleteRebuilt(bad, bad.size());
    return outcome;
  }
  if (!rebuiltMatch(bad)) {
    deleteRebuilt(bad, bad.size());
    return RebuildOutcome::notProved;
  }
  return putInPlace(bad);
}

// Rebuilds into the open `targets`, flushes and closes them.
RebuildOutcome SetRebuild::rebuildInto(const std::vector<size_t>& bad,
                                       std::vector<OwnedFile>* targets) {
  const Progress progress{0, static_cast<int32_t>(names_.size()), 0,
                          data_.sliceSize * static_cast<int64_t>(names_.size() - bad.size()),
                          ProgressStep::checkingSet};
  startProgress();
  std::vector<OsFile> open;
  for (const OwnedFile& target : *targets) open.push_back(target.get());
  const RebuildFault fault =
      rebuildFragments(data_, sources_, bad, volumes_, open, [&](int64_t done) {
        Progress now = progress;
        now.done = done;
        showProgress(now);
      });
  Status status = kOk;
  std::string failed;
  if (fault.step == RebuildFault::Step::read) {
    status = fault.status;
    failed = fault.name;
  } else if (fault.step == RebuildFault::Step::write) {
    status = fault.status;
    failed = names_[bad[fault.target]] + std::string(kRebuiltSuffix);
  }
  for (size_t j = 0; j < targets->size(); ++j) {
    Status closed = status == kOk && !fault ? osFlush((*targets)[j].get()) : kOk;
    const Status close = (*targets)[j].close();
    if (closed == kOk) closed = close;
    if (status == kOk && closed != kOk) {
      status = closed;
      failed = names_[bad[j]] + std::string(kRebuiltSuffix);
    }
  }
  targets->clear();
  if (fault.step == RebuildFault::Step::unsolvable) {
    say(cannotRebuildLine(bad.size(), 0));
    return RebuildOutcome::failed;
  }
  if (status != kOk) {
    complain(failed, status);
    return RebuildOutcome::failed;
  }
  return RebuildOutcome::rebuilt;
}

// Whether each rebuilt fragment has the SHA-256 the script holds for it and the MD5 the
// recovery files hold.
bool SetRebuild::rebuiltMatch(const std::vector<size_t>& bad) {
  for (const size_t n : bad) {
    Sha256Digest sha256{};
    Md5Digest md5{};
    if (fileDigests(names_[n] + std::string(kRebuiltSuffix), buffer_, bufferBytes_, &sha256,
                    &md5) != kOk ||
        md5 != data_.fragmentMd5[n] ||
        (!plan_.fragmentSha256.empty() && sha256 != plan_.fragmentSha256[n])) {
      return false;
    }
  }
  return true;
}

// Puts each damaged fragment aside and the rebuilt one in its place; or, where the set stays
// as it is, makes each rebuilt one the file the join reads for its fragment.
RebuildOutcome SetRebuild::putInPlace(const std::vector<size_t>& bad) {
  if (where_ == RebuiltFragments::temporaries) {
    for (const size_t n : bad) {
      sources_[n] = names_[n] + std::string(kRebuiltSuffix);
      temporaries_.push_back(sources_[n]);
      rebuilt_.push_back(n);
      say(names_[n], kWasRebuilt);
    }
    armTemporaries();
    return RebuildOutcome::rebuilt;
  }
  for (size_t j = 0; j < bad.size(); ++j) {
    const std::string& name = names_[bad[j]];
    const std::string rebuilt = name + std::string(kRebuiltSuffix);
    if (osEntryKind(name) != OsEntryKind::none) {
      const std::string aside = name + std::string(kDamagedSuffix);
      const Status status = osRenameNoReplace(name, aside);
      if (status == kOsNameTaken) say(aside, kIsInTheWay);
      if (status != kOk && status != kOsNameTaken) complain(name, status);
      if (status != kOk) {
        deleteRebuilt(bad, bad.size());
        return RebuildOutcome::failed;
      }
      putAside_.push_back(aside);
    }
    Status status = osRenameNoReplace(rebuilt, name);
    if (status == kOk) status = osFlushFolderOf(name);
    if (status != kOk) {
      complain(name, status);
      return RebuildOutcome::failed;
    }
    std::vector<std::string> left;
    for (size_t k = j + 1; k < bad.size(); ++k) {
      left.push_back(names_[bad[k]] + std::string(kRebuiltSuffix));
    }
    osDeleteOnInterrupt(left);
    rebuilt_.push_back(bad[j]);
    say(name, kWasRebuilt);
  }
  osForgetOnInterrupt();
  return RebuildOutcome::rebuilt;
}

std::vector<size_t> SetRebuild::differingFromRecovery(const std::vector<size_t>& skip) {
  std::vector<size_t> differing;
  readOnce();
  if (data_.state != RecoveryState::usable) return differing;
  for (size_t n = 0; n < names_.size(); ++n) {
    if (std::ranges::find(skip, n) != skip.end()) continue;
    Sha256Digest sha256{};
    Md5Digest md5{};
    if (fileDigests(sources_[n], buffer_, bufferBytes_, &sha256, &md5) == kOk &&
        md5 != data_.fragmentMd5[n]) {
      differing.push_back(n);
    }
  }
  return differing;
}

JoinEnd SetRebuild::deleteAfterJoin() const {
  std::vector<std::string> names = putAside_;
  names.insert(names.end(), plan_.recoveryFiles.begin(), plan_.recoveryFiles.end());
  for (const std::string& name : names) {
    if (osEntryKind(name) != OsEntryKind::regularFile) continue;
    const Status status = osDelete(name);
    if (status != kOk) return JoinEnd::failureOn(name, status);
  }
  return JoinEnd::success();
}

}  // namespace floppysplit
