#pragma once
// The whole state of one run, handed from stage to stage. There is exactly one instance,
// `splitJob`, filled in the order the run goes: input selection sets the name and length,
// the fragment plan the sizes and counts, the name builder the names, and the copying
// moves the input through `recordBuffer`.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sha256.h"
#include "recovery/source_digests.h"
#include "runtime/termination.h"
#include "runtime/text_field.h"
#include "script/fragment_name.h"

namespace floppysplit {

// Every record transfer of the input and the full fragments moves this many bytes.
inline constexpr int64_t kRecordLength = 512;

struct SplitJob {
  std::array<std::byte, kRecordLength> recordBuffer{};
  // fullRecordCount * 512: the part of the input that fills whole records.
  int64_t fullRecordBytes = 0;
  // Length of the input in bytes; 8 bytes wide so that files of 2 GiB and more split.
  int64_t inputLength = 0;
  // Entry i - 1 holds the name of fragment i.
  std::vector<FragmentName> fragmentNames;
  // True when a shorter final fragment follows the full ones.
  bool hasFinalFragment = false;
  const Unit inputUnit = 10;
  TextField inputName{80};
  // Fragments that hold exactly fragmentSize bytes.
  int32_t fullFragmentCount = 0;
  // fullFragmentCount, plus one for the final fragment.
  int32_t fragmentCount = 0;
  int64_t fullRecordCount = 0;
  const Unit fragmentUnit = 11;
  // The fragment size as the user chose it, in kilobytes.
  int64_t fragmentKilobytes = 0;
  // fragmentKilobytes * 1024 with the 8-byte wrap-around: bytes of every full fragment.
  int64_t fragmentSize = 0;
  // Bytes the fragments hold together once the copying is done: inputLength, unless the
  // input shrank inside its last partial record while it was being split.
  int64_t writtenLength = 0;
  // SHA-256 of the bytes written into the fragments, in order, read back from each
  // fragment once it was complete: 64 lowercase hexadecimal digits.
  std::string writtenSha256;
  // Each fragment's own SHA-256, in order, taken as the data hash ends: the recovery files
  // are hashed after them, by the same data hash.
  std::vector<Sha256Digest> fragmentSha256;
  const Unit scriptUnit = 12;
  // What an interruption deletes (split_interruption.h): fragments 1 to openedFragments,
  // opened in order, each written before the next is opened, but the last of them where
  // it is an older file only opened, its bytes still its own (openedFragmentChanged false);
  // the recovery files once recoveryBegun; and Recomb.cmd once scriptBegun.
  int32_t openedFragments = 0;
  bool openedFragmentChanged = false;
  bool recoveryBegun = false;
  bool scriptBegun = false;
  // Volumes of recovery files to write beside the fragments; 0 for none.
  int32_t recoveryCount = 0;
  // What the recovery files record of each fragment, from the data hash's read-back.
  SourceDigests sourceDigests;
  // The unit the error report names for a recovery file.
  const Unit recoveryUnit = 13;

  // Fragment `index` (counted from 1), all ten characters.
  std::string_view fragmentName(int32_t index) const {
    const FragmentName& name = fragmentNames[static_cast<size_t>(index) - 1];
    return std::string_view(name.data(), name.size());
  }
};

extern SplitJob splitJob;

}  // namespace floppysplit
