#include "script/recombination_script.h"

#include <algorithm>

#include "dialogue/layout.h"
#include "files/record_file.h"
#include "platform/file_system.h"
#include "script/script_lines.h"

namespace floppysplit {

namespace {

bool isLiteralInScript(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("._-\\:~#$@+{}[]'").find(c) != std::string_view::npos;
}

// `name` without its double quotes and with every character of `madeUnderscore` made '_'.
std::string mended(std::string_view name, std::string_view madeUnderscore) {
  std::string result;
  for (const char c : name) {
    if (c == '"') continue;
    result += madeUnderscore.find(c) == std::string_view::npos ? c : '_';
  }
  return result;
}

std::string safeJoinName(std::string_view lastPart, std::string_view whole) {
  std::string name = mended(lastPart, ":");
  if (name.empty()) name = mended(whole, "/\\:");
  return name.empty() ? "_" : name;
}

// Deletes a script cut short; the fragments stay.
ScriptFileFault discardScript(Unit unit, Status status, Statement statement) {
  closeFile(unit, OnFailure::returnStatus);
  osDelete(std::string(kScriptName));
  return {statement, status};
}

}  // namespace

std::string_view lastPartOfTypedName(std::string_view inputName) {
  std::string_view name = inputName;
  const bool hasDrive = name.size() >= 2 && name[1] == ':' &&
                        ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
  if (hasDrive) name.remove_prefix(2);
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  return name;
}

std::string joinNameOfTypedName(std::string_view inputName) {
  return safeJoinName(lastPartOfTypedName(inputName), inputName);
}

std::string joinNameOfLastPart(std::string_view lastPart) {
  return safeJoinName(lastPart, lastPart);
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
  emitScriptLines(kNewestScriptForm, joinNameOfTypedName(inputName), fragments, written, emit);
}

std::vector<std::string> recombinationScriptLines(std::string_view inputName,
                                                  std::span<const FragmentName> fragments,
                                                  const WrittenData& written) {
  std::vector<std::string> lines;
  emitRecombinationScript(inputName, fragments, written,
                          [&lines](const std::string& line) { lines.push_back(line); });
  return lines;
}

ScriptFileFault writeScriptFile(Unit unit, std::string_view inputName,
                                std::span<const FragmentName> fragments,
                                const WrittenData& written) {
  const Status status = openTextFile(unit, kScriptName, OnFailure::returnStatus);
  if (status != kOk) return {Statement::open, status};
  Status failed = kOk;
  emitRecombinationScript(inputName, fragments, written, [unit, &failed](const std::string& line) {
    const Item items[] = {line};
    if (failed == kOk)
      failed = writeTextLines(unit, formatLines("(a)", items), OnFailure::returnStatus);
  });
  if (failed != kOk) return discardScript(unit, failed, Statement::write);
  failed = closeFile(unit, OnFailure::returnStatus, Keep::onMedium);
  if (failed != kOk) return discardScript(unit, failed, Statement::close);
  return {};
}

}  // namespace floppysplit
