#include "script/recombination_script.h"

#include "dialogue/console.h"
#include "dialogue/layout.h"
#include "dialogue/run_flow.h"
#include "split/files/record_file.h"

namespace floppysplit {

namespace {

constexpr std::string_view kTemporaries[] = {"zzztempa", "zzztempb"};
constexpr size_t kGroupSize = 4;

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

// The line that sends the script to its failure path unless `result` holds exactly
// `joinedLength` bytes. "copy /b" passes over a missing source after the first and copies a
// short one as it is, without an error level, so only the length shows such a fault. The
// sizes are compared as quoted strings: a numeric comparison stops at 2^31 - 1, and a bare
// empty size would be a syntax error after which the command processor carries on. Some
// command processors show only the low 32 bits of a size of 4 GiB or more, so such a length
// is accepted in either form.
std::string lengthCheckLine(std::string_view result, int64_t joinedLength) {
  const std::string sizeEquals = R"("%%~zF"==")";
  std::string line = "for %%F in (" + std::string(result) + ") do if not " + sizeEquals +
                     std::to_string(joinedLength) + "\"";
  constexpr int64_t kLow32Range = int64_t{1} << 32;
  if (joinedLength >= kLow32Range) {
    line += " if not " + sizeEquals + std::to_string(joinedLength % kLow32Range) + "\"";
  }
  line += " goto nocopy";
  return line;
}

}  // namespace

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

void emitRecombinationScript(std::string_view inputName, std::span<const FragmentName> fragments,
                             int64_t joinedLength,
                             const std::function<void(const std::string&)>& emit) {
  const std::string name = scriptFileName(inputName);
  const size_t count = fragments.size();
  emit("@echo off");
  // A missing fragment fails before any temporary is made.
  for (const FragmentName& fragment : fragments) {
    emit("if not exist " + std::string(copyName(fragment)) + " goto nocopy");
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
  emit(lengthCheckLine(result, joinedLength));
  const std::vector<std::string> outcome = {
      "if not exist " + name + " goto do_ren",
      "echo " + name + " already exists.",
      "echo Recombined file is " + result,
      "goto ok",
      ":do_ren",
      "rename " + result + " " + name,
      "if errorlevel 1 goto nocopy",
      "del " + other,
      "if exist " + name + " goto ok",
      "echo " + name + " not created.",
      "goto end",
      ":nocopy",
      "echo Recombination of files failed.",
      "goto end",
      ":ok",
      "Echo Recombination succeeded.",
  };
  for (const std::string& line : outcome) emit(line);
  for (const FragmentName& fragment : fragments) emit("del " + deleteName(fragment));
  emit("del recomb.cmd");
  emit(":end");
  emit("");
}

std::vector<std::string> recombinationScriptLines(std::string_view inputName,
                                                  std::span<const FragmentName> fragments,
                                                  int64_t joinedLength) {
  std::vector<std::string> lines;
  emitRecombinationScript(inputName, fragments, joinedLength,
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
  emitRecombinationScript(job.inputName.trimmed(), fragments, job.writtenLength,
                          [unit](const std::string& line) {
                            const Item items[] = {line};
                            writeTextLines(unit, formatLines("(a)", items), OnFailure::report);
                          });
  closeFile(job.scriptUnit, OnFailure::report);
}

}  // namespace floppysplit
