#pragma once
// The lines of Recomb.cmd, built in one place for the writer (recombination_script.cc) and
// for the reader (recombination_script_reader.cc). The reader checks a script by building
// the lines it should hold and comparing them, so that what the writer writes is what the
// reader takes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "script/recombination_script.h"

namespace floppysplit {

// Takes the script's lines, without line ends, one at a time.
using ScriptLineSink = std::function<void(const std::string&)>;

// The two temporaries the copy lines join through: each copy line after the first adds
// fragments to the join so far in one of them and writes the whole into the other.
enum class Temporary { a, b };

// Both temporaries, in the order the script tests whether they are in the way.
inline constexpr Temporary kBothTemporaries[] = {Temporary::a, Temporary::b};

constexpr Temporary otherTemporary(Temporary temporary) {
  return temporary == Temporary::a ? Temporary::b : Temporary::a;
}

// The temporary's file name in the script's folder.
constexpr std::string_view temporaryName(Temporary temporary) {
  return temporary == Temporary::a ? "zzztempa" : "zzztempb";
}

// Whether the command processor takes `a` and `b` for the same name: it ignores case.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// A fragment name as the script's lines show it: its first eight characters.
std::string_view copyName(const FragmentName& name);

// The copy lines that join `fragments` (at least one), four a line through the
// temporaries, each followed by its error level check. Returns the temporary that holds the
// join.
Temporary emitCopyLines(std::span<const FragmentName> fragments, const ScriptLineSink& emit);

// The line that sends the script to `label` unless `file` holds exactly `length` bytes; from
// 4 GiB on it accepts the length's low 32 bits too.
std::string lengthCheckLine(std::string_view file, int64_t length, std::string_view label);

// The forms of the script this program has written, oldest first.
enum class ScriptForm {
  // Checks only that each fragment is there, and the join's length.
  joinLengthOnly,
  // Renames the join to the typed name, which may hold a folder, and always deletes the
  // other temporary afterwards.
  namedWithFolder,
  // Renames the join to the typed name's last part, and deletes the other temporary
  // afterwards unless the join took that temporary's name.
  namedByLastPart,
  // Stops before anything is copied where a temporary is already there, deletes the other
  // temporary before the name is tested, removes what it made when it fails, keeps the set
  // where certutil gave no SHA-256, and tells the outcome in its exit status.
  guarded,
  // As guarded, and holds each fragment's SHA-256: where the join's differs, it hashes
  // each fragment and names those whose SHA-256 differs.
  namesDamagedFragments,
};

// The form the writer writes and the join follows.
inline constexpr ScriptForm kNewestScriptForm = ScriptForm::namesDamagedFragments;

// Whether `form` checks each fragment's length before the copy and the join's SHA-256
// after it, naming what failed: every form but the oldest does.
constexpr bool checksEachFragment(ScriptForm form) { return form != ScriptForm::joinLengthOnly; }

// Whether `form` stops at a temporary already there and ends in an exit status: the
// guarded form and those after it.
constexpr bool isGuarded(ScriptForm form) { return form >= ScriptForm::guarded; }

// Whether `form` holds each fragment's SHA-256.
constexpr bool holdsFragmentSha256(ScriptForm form) {
  return form >= ScriptForm::namesDamagedFragments;
}

// The SHA-256 of fragment `index` (from 0) as the script holds it, 64 lowercase hexadecimal
// digits.
using FragmentSha256Text = std::function<std::string(size_t index)>;

// Recovery file `index` (from 0) as the script names it, the index first; nothing after the
// last, and nothing at all beside a set without recovery files. Only the newest form names
// any. A builder asks for each name where the first line that holds it stands, so that the
// reader can take it from that line.
using RecoveryFileName = std::function<std::optional<std::string>(size_t index)>;

// The four lines of the guarded form that stop at a temporary already in the folder.
void emitTemporaryGuards(const ScriptLineSink& emit);

// The guarded form's line that deletes `temporary` where it is there.
std::string deleteIfThereLine(Temporary temporary);

// The three lines that check that fragment `name` is there and holds `length` bytes.
void emitFragmentCheck(std::string_view name, int64_t length, const ScriptLineSink& emit);

// The six lines that compare the SHA-256 of `file` with `sha256` where the system's
// certutil can tell.
std::vector<std::string> hashCheckLines(std::string_view file, std::string_view sha256);

// The script of `form` from its test whether the joined name exists to its end: the join
// in `result` renamed to `name` (as scriptFileName writes it) unless that exists, the
// reports, and the deletes of the fragments, of the recovery files and of the script after
// success. The guarded form's line that deletes the other temporary comes before this part.
// `sha256Of` gives each fragment's SHA-256 where the form holds them. Where the recovery
// index `recoveryFile(0)` is there, the report of a fragment missing, of the wrong length or
// damaged is followed by the line that says the set can be rebuilt. It is made of three
// parts, which the reader takes one at a time: the first ends with the label that a SHA-256
// that differs goes to, the second (of the forms that hold each fragment's SHA-256 alone)
// hashes each fragment there, and the third is the rest.
void emitEnding(ScriptForm form, std::string_view name, Temporary result,
                std::span<const FragmentName> fragments, const FragmentSha256Text& sha256Of,
                const RecoveryFileName& recoveryFile, const ScriptLineSink& emit);
void emitEndingToMismatch(ScriptForm form, std::string_view name, Temporary result,
                          const RecoveryFileName& recoveryFile, const ScriptLineSink& emit);
void emitFragmentHashChecks(std::span<const FragmentName> fragments,
                            const FragmentSha256Text& sha256Of, const ScriptLineSink& emit);
void emitEndingAfterMismatch(ScriptForm form, std::span<const FragmentName> fragments,
                             const RecoveryFileName& recoveryFile, const ScriptLineSink& emit);

// The whole script of `form` (any that checks each fragment) as the writer writes it, the
// join given the name `joinedName`. Returns the temporary that holds the join.
Temporary emitScriptLines(ScriptForm form, std::string_view joinedName,
                          std::span<const FragmentName> fragments, const WrittenData& written,
                          const ScriptLineSink& emit);

}  // namespace floppysplit
