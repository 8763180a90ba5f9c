#include "join/set_script.h"

#include <utility>

#include "platform/file_system.h"
#include "script/recombination_script.h"

namespace floppysplit {

SetScript readSetScript() {
  const std::string script(kScriptName);
  const OsEntryKind kind = osEntryKind(script);
  if (kind == OsEntryKind::none) {
    return {.plan = {}, .refusal = "no Recomb.cmd in this folder", .status = kOk};
  }
  const std::string notOurs = "Recomb.cmd is not a recombination script of this program";
  if (kind != OsEntryKind::regularFile) return {.plan = {}, .refusal = notOurs, .status = kOk};
  ScriptReading reading = readRecombinationScriptFile(script);
  if (reading.status != kOk) return {.plan = {}, .refusal = {}, .status = reading.status};
  if (!reading.plan) {
    const std::string line = "line " + std::to_string(reading.refusedLine);
    const std::string why =
        reading.refusedLineTooLong
            ? line + " is longer than " + std::to_string(kLongestScriptLine) + " bytes"
            : line + " is not one it writes";
    return {.plan = {}, .refusal = notOurs + " (" + why + ").", .status = kOk};
  }
  return {.plan = std::move(reading.plan), .refusal = {}, .status = kOk};
}

}  // namespace floppysplit
