#include "script/recombination_script.h"

#include <algorithm>

#include "dialogue/console.h"
#include "dialogue/layout.h"
#include "dialogue/run_flow.h"
#include "split/files/record_file.h"

namespace floppysplit {

namespace {

constexpr std::string_view kTemporaries[] = {"zzztempa", "zzztempb"};
constexpr size_t kGroupSize = 4;

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool isLiteralInScript(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("._-\\:~#$@+{}[]'").find(c) != std::string_view::npos;
}

// A fragment name as the copy lines show it: its first eight characters.
std::string_view copyName(const FragmentName& name) { return std::string_view(name.data(), 8); }

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

// The line that sends the script to `label` unless `file` holds exactly `length` bytes.
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

}  // namespace

std::string_view joinedFileName(std::string_view inputName) {
  std::string_view name = inputName;
  const bool hasDrive = name.size() >= 2 && name[1] == ':' &&
                        ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
  if (hasDrive) name.remove_prefix(2);
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  return name;
}

std::string scriptFileName(std::string_view name) {
  bool literal = !name.empty();
  for (const char c : name) literal = literal && isLiteralInScript(c);
  if (literal) return std::string(name);
  std::string quoted = "\"";
  for (const char c : name) {
    if (c == '"') continue;
    quoted += c;
    if (c == '%') quoted += '%';
  }
  quoted += '"';
  return quoted;
}

int64_t WrittenData::fragmentLength(size_t index) const {
  const int64_t before = static_cast<int64_t>(index) * fragmentSize;
  return std::clamp(length - before, int64_t{0}, fragmentSize);
}

void emitRecombinationScript(std::string_view inputName, std::span<const FragmentName> fragments,
                             const WrittenData& written,
                             const std::function<void(const std::string&)>& emit) {
  const std::string_view joinedName = joinedFileName(inputName);
  const std::string name = scriptFileName(joinedName);
  const size_t count = fragments.size();
  emit("@echo off");
  emit("setlocal");
  // A missing fragment, or one of another length, fails before any temporary is made, and
  // the failure names it.
  for (size_t i = 0; i < count; ++i) {
    const std::string fragment(copyName(fragments[i]));
    emit("set fs_frag=" + fragment);
    emit("if not exist " + fragment + " goto missing");
    emit(lengthCheckLine(fragment, written.fragmentLength(i), "wronglength"));
  }
  auto emitCopy = [&emit](const std::string& line) {
    emit(line);
    emit("if errorlevel 1 goto nocopy");
  };

  // The temporary that holds the joined data so far: 0 for zzztempa, 1 for zzztempb.
  size_t current = 0;
  const size_t groups = count / kGroupSize;
  const size_t remainder = count % kGroupSize;
  if (groups == 0) {
    // One to three fragments join straight into zzztempb.
    emitCopy(copyLine(copyName(fragments[0]), fragments.subspan(1), kTemporaries[1]));
    current = 1;
  } else {
    emitCopy(
        copyLine(copyName(fragments[0]), fragments.subspan(1, kGroupSize - 1), kTemporaries[0]));
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
  }

  const std::string result(kTemporaries[current]);
  const std::string other(kTemporaries[1 - current]);
  emit(lengthCheckLine(result, written.length, "nocopy"));
  for (const std::string& line : hashCheckLines(result, written.sha256)) emit(line);
  std::vector<std::string> outcome = {
      "if not exist " + name + " goto do_ren",
      "echo " + name + " already exists.",
      "echo Recombined file is " + result,
      "goto ok",
      ":do_ren",
      "rename " + result + " " + name,
      "if errorlevel 1 goto nocopy",
  };
  // A join renamed to the other temporary's name must not be deleted as that temporary.
  if (!equalIgnoringCase(joinedName, other)) outcome.push_back("del " + other);
  outcome.insert(outcome.end(), {
                                    "if exist " + name + " goto ok",
                                    "echo " + name + " not created.",
                                    "goto end",
                                    ":missing",
                                    "echo %fs_frag% is missing.",
                                    "goto nocopy",
                                    ":wronglength",
                                    "echo %fs_frag% has the wrong length.",
                                    "goto nocopy",
                                    ":mismatch",
                                    "echo The recombined file does not match the original.",
                                    "goto nocopy",
                                    ":nocopy",
                                    "echo Recombination of files failed.",
                                    "goto end",
                                    ":ok",
                                    "Echo Recombination succeeded.",
                                });
  for (const std::string& line : outcome) emit(line);
  for (const FragmentName& fragment : fragments) emit("del " + deleteName(fragment));
  emit("del recomb.cmd");
  emit(":end");
  emit("");
}

std::vector<std::string> recombinationScriptLines(std::string_view inputName,
                                                  std::span<const FragmentName> fragments,
                                                  const WrittenData& written) {
  std::vector<std::string> lines;
  emitRecombinationScript(inputName, fragments, written,
                          [&lines](const std::string& line) { lines.push_back(line); });
  return lines;
}

void writeRecombinationScript() {
  const SplitJob& job = splitJob;
  const Status status = openTextFile(job.scriptUnit, kScriptName, OnFailure::returnStatus);
  if (status != kOk) {
    writeListLine({"Error opening " + std::string(kScriptName) + ":", status});
    stopRun();
  }
  const auto fragments = std::span(job.fragmentNames).first(static_cast<size_t>(job.fragmentCount));
  const Unit unit = job.scriptUnit;
  const WrittenData written{job.fragmentSize, job.writtenLength, job.writtenSha256};
  emitRecombinationScript(job.inputName.trimmed(), fragments, written,
                          [unit](const std::string& line) {
                            const Item items[] = {line};
                            writeTextLines(unit, formatLines("(a)", items), OnFailure::report);
                          });
  closeFile(job.scriptUnit, OnFailure::report, Keep::onMedium);
}

}  // namespace floppysplit
