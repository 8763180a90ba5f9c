#include "script/script_lines.h"

#include <algorithm>

#include "runtime/text_field.h"

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

}  // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string_view copyName(const FragmentName& name) { return std::string_view(name.data(), 8); }

size_t emitCopyLines(std::span<const FragmentName> fragments, const ScriptLineSink& emit) {
  auto emitCopy = [&emit](const std::string& line) {
    emit(line);
    emit("if errorlevel 1 goto nocopy");
  };
  // The temporary that holds the joined data so far: 0 for zzztempa, 1 for zzztempb.
  size_t current = 0;
  const size_t groups = fragments.size() / kGroupSize;
  const size_t remainder = fragments.size() % kGroupSize;
  if (groups == 0) {
    // One to three fragments join straight into zzztempb.
    emitCopy(copyLine(copyName(fragments[0]), fragments.subspan(1), kTemporaries[1]));
    return 1;
  }
  emitCopy(copyLine(copyName(fragments[0]), fragments.subspan(1, kGroupSize - 1), kTemporaries[0]));
  for (size_t group = 1; group < groups; ++group) {
    emitCopy(copyLine(kTemporaries[current], fragments.subspan(group * kGroupSize, kGroupSize),
                      kTemporaries[1 - current]));
    current = 1 - current;
  }
  if (remainder > 0) {
    emitCopy(copyLine(kTemporaries[current], fragments.subspan(groups * kGroupSize),
                      kTemporaries[1 - current]));
    current = 1 - current;
  }
  return current;
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

// Compares the SHA-256 of `file` with `sha256` where the system's certutil can tell: it is
// called by its full path, since a bare name is looked for in the current folder first,
// where a planted one would run. Its second line is the hash (with blanks between the bytes
// on some versions); no output, or a line that is not 64 digits once the blanks are gone
// (an error text), passes over the check, and the length checks still hold. The lines avoid
// what some command processors cannot parse: a block inside a "for" body, and "if /i" after
// a string comparison.
std::vector<std::string> hashCheckLines(std::string_view file, std::string_view sha256) {
  return {
      "set fs_sha256=",
      R"(for /f "skip=1 delims=" %%H in ('%SystemRoot%\System32\certutil -hashfile )" +
          std::string(file) + R"( SHA256 2^>nul') do if not defined fs_sha256 set "fs_sha256=%%H")",
      R"(if defined fs_sha256 set "fs_sha256=%fs_sha256: =%")",
      R"(if defined fs_sha256 if not "%fs_sha256:~64%"=="" set fs_sha256=)",
      R"(if defined fs_sha256 if "%fs_sha256:~63%"=="" set fs_sha256=)",
      R"(if defined fs_sha256 if /i not "%fs_sha256%"==")" + std::string(sha256) +
          R"(" goto mismatch)",
  };
}

void emitTemporaryGuards(const ScriptLineSink& emit) {
  for (const std::string_view temporary : kTemporaries) {
    emit("set fs_frag=" + std::string(temporary));
    emit("if exist " + std::string(temporary) + " goto inway");
  }
}

void emitFragmentCheck(std::string_view name, int64_t length, const ScriptLineSink& emit) {
  emit("set fs_frag=" + std::string(name));
  emit("if not exist " + std::string(name) + " goto missing");
  emit(lengthCheckLine(name, length, "wronglength"));
}

void emitEnding(ScriptForm form, std::string_view name, std::string_view result,
                std::string_view other, std::span<const FragmentName> fragments,
                const ScriptLineSink& emit) {
  const std::string quoted(name);
  const bool guarded = form == ScriptForm::guarded;
  emit("if not exist " + quoted + " goto do_ren");
  emit("echo " + quoted + " already exists.");
  emit("echo Recombined file is " + std::string(result));
  emit("goto ok");
  emit(":do_ren");
  emit("rename " + std::string(result) + " " + quoted);
  emit("if errorlevel 1 goto nocopy");
  // The older forms delete the other temporary only now; the last of them not where the
  // join has just taken its name.
  if (!guarded && (form != ScriptForm::namedByLastPart || !equalIgnoringCase(name, other))) {
    emit("del " + std::string(other));
  }
  emit("if exist " + quoted + " goto ok");
  emit("echo " + quoted + " not created.");
  emit(guarded ? "goto nocopy" : "goto end");
  if (guarded) {
    emit(":inway");
    emit("echo %fs_frag% already exists: move or rename it first.");
    emit("goto failed");
  }
  if (form != ScriptForm::firstRelease) {
    for (const char* line : {
             ":missing",
             "echo %fs_frag% is missing.",
             "goto nocopy",
             ":wronglength",
             "echo %fs_frag% has the wrong length.",
             "goto nocopy",
             ":mismatch",
             "echo The recombined file does not match the original.",
             "goto nocopy",
         }) {
      emit(line);
    }
  }
  emit(":nocopy");
  if (guarded) {
    // Only temporaries this run made can be there: it stops where one was there before.
    for (const std::string_view temporary : kTemporaries) {
      emit("if exist " + std::string(temporary) + " del " + std::string(temporary));
    }
    emit(":failed");
  }
  emit("echo Recombination of files failed.");
  if (guarded) {
    emit("exit /b 1");
    // A join that could not be hashed stays beside the set it came from.
    emit(":unchecked");
    emit("echo The recombined file could not be checked: certutil gave no SHA-256.");
    emit("echo The fragments and Recomb.cmd are kept.");
    emit("exit /b 0");
  } else {
    emit("goto end");
  }
  emit(":ok");
  emit("Echo Recombination succeeded.");
  if (guarded) emit("if not defined fs_sha256 goto unchecked");
  for (const FragmentName& fragment : fragments) emit("del " + deleteName(fragment));
  emit("del recomb.cmd");
  emit(":end");
  emit("");
}

size_t emitScriptLines(ScriptForm form, std::string_view joinedName,
                       std::span<const FragmentName> fragments, const WrittenData& written,
                       const ScriptLineSink& emit) {
  emit("@echo off");
  emit("setlocal");
  if (form == ScriptForm::guarded) emitTemporaryGuards(emit);
  // A missing fragment, or one of another length, fails before any temporary is made, and
  // the failure names it.
  for (size_t i = 0; i < fragments.size(); ++i) {
    emitFragmentCheck(copyName(fragments[i]), written.fragmentLength(i), emit);
  }
  const size_t result = emitCopyLines(fragments, emit);
  const std::string_view resultName = kTemporaries[result];
  const std::string_view otherName = kTemporaries[1 - result];
  emit(lengthCheckLine(resultName, written.length, "nocopy"));
  for (const std::string& line : hashCheckLines(resultName, written.sha256)) emit(line);
  // The other temporary goes before the name is tested, so that it is never taken for a
  // file of that name.
  if (form == ScriptForm::guarded) {
    emit("if exist " + std::string(otherName) + " del " + std::string(otherName));
  }
  emitEnding(form, scriptFileName(joinedName), resultName, otherName, fragments, emit);
  return result;
}

}  // namespace floppysplit
