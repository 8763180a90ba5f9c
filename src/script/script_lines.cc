#include "script/script_lines.h"

#include <algorithm>

#include "platform/sha256.h"
#include "runtime/text_field.h"
#include "script/script_messages.h"

namespace floppysplit {

namespace {

constexpr size_t kGroupSize = 4;

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string deleteName(const FragmentName& name) {
  return std::string(TextField::withoutTrailingBlanks(std::string_view(name.data(), name.size())));
}

std::string copyLine(std::string_view firstSource, std::span<const FragmentName> more,
                     std::string_view target) {
  std::string line = "copy /b ";
  line += firstSource;
  for (const FragmentName& name : more) {
    line += '+';
    line += copyName(name);
  }
  line += " /v ";
  line += target;
  return line;
}

std::string echo(std::string_view text, std::string_view more = {}) {
  return "echo " + std::string(text) + std::string(more);
}

// The test whether the joined name `name` (as the script writes it) exists, the report
// where it does, and the rename of the join in `result` to it where it does not.
void emitNaming(ScriptForm form, const std::string& name, Temporary result,
                const ScriptLineSink& emit) {
  const std::string resultName(temporaryName(result));
  const std::string otherName(temporaryName(otherTemporary(result)));
  emit("if not exist " + name + " goto do_ren");
  emit(echo(name, kAlreadyExists));
  emit(echo(kRecombinedFileIs, resultName));
  emit("goto ok");
  emit(":do_ren");
  emit("rename " + resultName + " " + name);
  emit("if errorlevel 1 goto nocopy");
  // Every form but the guarded one deletes the other temporary only now; namedByLastPart
  // not where the join has just taken its name.
  if (!isGuarded(form) &&
      (form != ScriptForm::namedByLastPart || !equalIgnoringCase(name, otherName))) {
    emit("del " + otherName);
  }
  emit("if exist " + name + " goto ok");
  emit("echo " + name + " not created.");
  emit(isGuarded(form) ? "goto nocopy" : "goto end");
}

// A label whose one report goes on to `next`.
void emitReport(const std::string& label, const std::string& report, const std::string& next,
                const ScriptLineSink& emit) {
  emit(label);
  emit(report);
  emit(next);
}

// The line that says, where the recovery index `index` is there, that the set can be rebuilt.
// The names are quoted as a name with a blank would have to be.
std::string recoveryNoteLine(const std::string& index) {
  return "if exist \"" + index + "\" " + echo(kRecoveryFilesArePresent);
}

std::string recoveryDeleteLine(const std::string& name) {
  return "if exist \"" + name + "\" del \"" + name + "\"";
}

// The labels the checks go to, each naming what failed, up to the label of a SHA-256 that
// differs.
void emitFailureLabels(ScriptForm form, const RecoveryFileName& recoveryFile,
                       const ScriptLineSink& emit) {
  if (isGuarded(form)) {
    emitReport(":inway", echo("%fs_frag%", kIsInTheWay), "goto failed", emit);
  }
  if (!checksEachFragment(form)) return;
  // Each report of a fragment at fault is followed by the line about the recovery files,
  // where the set has them; their index is asked for where that line first stands.
  emit(":missing");
  emit(echo("%fs_frag%", kIsMissing));
  const std::optional<std::string> recoveryIndex = isGuarded(form) ? recoveryFile(0) : std::nullopt;
  if (recoveryIndex) emit(recoveryNoteLine(*recoveryIndex));
  emit("goto nocopy");
  emit(":wronglength");
  emit(echo("%fs_frag%", kHasTheWrongLength));
  if (recoveryIndex) emit(recoveryNoteLine(*recoveryIndex));
  emit("goto nocopy");
  emit(":mismatch");
}

// The lines that compare the SHA-256 certutil gives for `file` with `sha256` (both held in
// variables or written out), through the variable `got`, and run `action` where both are
// there and differ: certutil is called by its full path, since a bare name is looked for
// in the current folder first, where a planted one would run. Its second line is the hash
// (with blanks between the bytes on some versions); no output, or a line that is not 64
// digits once the blanks are gone (an error text), passes over the comparison. The lines
// avoid what some command processors cannot parse: a block inside a "for" body, and
// "if /i" after a string comparison.
std::vector<std::string> certutilLines(std::string_view file, const std::string& got,
                                       std::string_view sha256, std::string_view action) {
  const std::string value = "%" + got + "%";
  const std::string ifGot = "if defined " + got + " ";
  return {
      "set " + got + "=",
      R"(for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile )" +
          std::string(file) + R"( SHA256 2^>nul') do if not defined )" + got + R"( set ")" + got +
          R"(=%%H")",
      ifGot + R"(set ")" + got + "=%" + got + R"(: =%")",
      ifGot + R"(if not "%)" + got + R"(:~64%"=="" set )" + got + "=",
      ifGot + R"(if "%)" + got + R"(:~63%"=="" set )" + got + "=",
      ifGot + R"(if /i not ")" + value + R"("==")" + std::string(sha256) + R"(" )" +
          std::string(action),
  };
}

// The end of a failure, from the label every failure once a temporary may be there goes to.
void emitFailure(ScriptForm form, const ScriptLineSink& emit) {
  emit(":nocopy");
  if (!isGuarded(form)) {
    emit(echo(kRecombinationFailed));
    emit("goto end");
    return;
  }
  // Only temporaries this run made can be there: it stops where one was there before.
  for (const Temporary temporary : kBothTemporaries) emit(deleteIfThereLine(temporary));
  emit(":failed");
  emit(echo(kRecombinationFailed));
  emit("exit /b 1");
  // A join that could not be hashed stays beside the set it came from.
  emit(":unchecked");
  emit(echo(kCouldNotBeChecked, "certutil gave no SHA-256."));
  emit(echo(kSetIsKept));
  emit("exit /b 0");
  if (!holdsFragmentSha256(form)) return;
  // Names the fragment in fs_frag where certutil gives it another SHA-256 than fs_want.
  emit(":fragsha");
  for (const std::string& line :
       certutilLines("%fs_frag%", "fs_got", "%fs_want%", echo("%fs_frag%", kIsDamaged))) {
    emit(line);
  }
  emit("exit /b 0");
}

// The end of a success: the report, then the deletes of the fragments, of the recovery files
// (each where it is there: nothing needs them all) and of the script, which runs to its end.
void emitSuccess(ScriptForm form, std::span<const FragmentName> fragments,
                 const RecoveryFileName& recoveryFile, const ScriptLineSink& emit) {
  emit(":ok");
  emit("Echo " + std::string(kRecombinationSucceeded));
  if (isGuarded(form)) emit("if not defined fs_sha256 goto unchecked");
  for (const FragmentName& fragment : fragments) emit("del " + deleteName(fragment));
  if (isGuarded(form)) {
    for (size_t i = 0;; ++i) {
      const std::optional<std::string> name = recoveryFile(i);
      if (!name) break;
      emit(recoveryDeleteLine(*name));
    }
  }
  emit("del recomb.cmd");
  emit(":end");
  emit("");
}

}  // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string_view copyName(const FragmentName& name) { return std::string_view(name.data(), 8); }

Temporary emitCopyLines(std::span<const FragmentName> fragments, const ScriptLineSink& emit) {
  const auto emitCopy = [&emit](std::string_view firstSource, std::span<const FragmentName> more,
                                Temporary target) {
    emit(copyLine(firstSource, more, temporaryName(target)));
    emit("if errorlevel 1 goto nocopy");
  };
  // One to three fragments join straight into zzztempb.
  if (fragments.size() < kGroupSize) {
    emitCopy(copyName(fragments[0]), fragments.subspan(1), Temporary::b);
    return Temporary::b;
  }
  // Four go into zzztempa; each line after that adds up to four more to the join so far
  // and writes the whole into the other temporary.
  Temporary joined = Temporary::a;
  emitCopy(copyName(fragments[0]), fragments.subspan(1, kGroupSize - 1), joined);
  for (size_t next = kGroupSize; next < fragments.size(); next += kGroupSize) {
    const Temporary target = otherTemporary(joined);
    emitCopy(temporaryName(joined),
             fragments.subspan(next, std::min(kGroupSize, fragments.size() - next)), target);
    joined = target;
  }
  return joined;
}

// "copy /b" passes over a missing source after the first and copies a short one as it is,
// without an error level, so only the length shows such a fault. The sizes are compared as
// quoted strings: a numeric comparison stops at 2^31 - 1, and a bare empty size would be a
// syntax error after which the command processor carries on. Some command processors show
// only the low 32 bits of a size of 4 GiB or more, so such a length is accepted in either
// form.
std::string lengthCheckLine(std::string_view file, int64_t length, std::string_view label) {
  const std::string sizeEquals = R"("%%~zF"==")";
  std::string line = "for %%F in (" + std::string(file) + ") do if not " + sizeEquals +
                     std::to_string(length) + "\"";
  constexpr int64_t kLow32Range = int64_t{1} << 32;
  if (length >= kLow32Range) {
    line += " if not " + sizeEquals + std::to_string(length % kLow32Range) + "\"";
  }
  line += " goto ";
  line += label;
  return line;
}

// Compares the SHA-256 of `file` with `sha256` where the system's certutil can tell; the
// length checks still hold where it cannot.
std::vector<std::string> hashCheckLines(std::string_view file, std::string_view sha256) {
  return certutilLines(file, "fs_sha256", sha256, "goto mismatch");
}

std::string deleteIfThereLine(Temporary temporary) {
  const std::string name(temporaryName(temporary));
  return "if exist " + name + " del " + name;
}

void emitTemporaryGuards(const ScriptLineSink& emit) {
  for (const Temporary temporary : kBothTemporaries) {
    const std::string name(temporaryName(temporary));
    emit("set fs_frag=" + name);
    emit("if exist " + name + " goto inway");
  }
}

void emitFragmentCheck(std::string_view name, int64_t length, const ScriptLineSink& emit) {
  emit("set fs_frag=" + std::string(name));
  emit("if not exist " + std::string(name) + " goto missing");
  emit(lengthCheckLine(name, length, "wronglength"));
}

void emitEndingToMismatch(ScriptForm form, std::string_view name, Temporary result,
                          const RecoveryFileName& recoveryFile, const ScriptLineSink& emit) {
  emitNaming(form, std::string(name), result, emit);
  emitFailureLabels(form, recoveryFile, emit);
}

void emitFragmentHashChecks(std::span<const FragmentName> fragments,
                            const FragmentSha256Text& sha256Of, const ScriptLineSink& emit) {
  for (size_t i = 0; i < fragments.size(); ++i) {
    emit("set fs_frag=" + std::string(copyName(fragments[i])));
    emit("set fs_want=" + sha256Of(i));
    emit("call :fragsha");
  }
}

void emitEndingAfterMismatch(ScriptForm form, std::span<const FragmentName> fragments,
                             const RecoveryFileName& recoveryFile, const ScriptLineSink& emit) {
  if (checksEachFragment(form)) {
    // Right after the lines that name the damaged fragments.
    if (holdsFragmentSha256(form)) {
      if (const std::optional<std::string> index = recoveryFile(0)) emit(recoveryNoteLine(*index));
    }
    emit(echo(kDoesNotMatch));
    emit("goto nocopy");
  }
  emitFailure(form, emit);
  emitSuccess(form, fragments, recoveryFile, emit);
}

void emitEnding(ScriptForm form, std::string_view name, Temporary result,
                std::span<const FragmentName> fragments, const FragmentSha256Text& sha256Of,
                const RecoveryFileName& recoveryFile, const ScriptLineSink& emit) {
  emitEndingToMismatch(form, name, result, recoveryFile, emit);
  if (holdsFragmentSha256(form)) emitFragmentHashChecks(fragments, sha256Of, emit);
  emitEndingAfterMismatch(form, fragments, recoveryFile, emit);
}

Temporary emitScriptLines(ScriptForm form, std::string_view joinedName,
                          std::span<const FragmentName> fragments, const WrittenData& written,
                          const ScriptLineSink& emit) {
  emit("@echo off");
  emit("setlocal");
  if (isGuarded(form)) emitTemporaryGuards(emit);
  // A missing fragment, or one of another length, fails before any temporary is made, and
  // the failure names it.
  for (size_t i = 0; i < fragments.size(); ++i) {
    emitFragmentCheck(copyName(fragments[i]), written.fragmentLength(i), emit);
  }
  const Temporary result = emitCopyLines(fragments, emit);
  emit(lengthCheckLine(temporaryName(result), written.length, "nocopy"));
  for (const std::string& line : hashCheckLines(temporaryName(result), written.sha256)) {
    emit(line);
  }
  // The other temporary goes before the name is tested, so that it is never taken for a
  // file of that name.
  if (isGuarded(form)) emit(deleteIfThereLine(otherTemporary(result)));
  emitEnding(
      form, scriptFileName(joinedName), result, fragments,
      [&written](size_t index) { return hexDigits(written.fragmentSha256[index]); },
      [&written](size_t index) -> std::optional<std::string> {
        if (index >= written.recoveryFiles.size()) return std::nullopt;
        return written.recoveryFiles[index];
      },
      emit);
  return result;
}

}  // namespace floppysplit
