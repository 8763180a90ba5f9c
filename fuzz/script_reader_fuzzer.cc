// Fuzzes the reader of Recomb.cmd with any bytes as the script: it must never read out of
// bounds or run away with memory, and what it takes must be a set this program could
// join: at least one fragment, a plain file name in the current folder, and recovery files
// only of the split's names there. A script of the newest form that it takes is exactly
// what the writer writes for what it read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "script/recombination_script_reader.h"
#include "script/script_lines.h"

namespace floppysplit {

namespace {

void check(std::string_view bytes) {
  const std::optional<RecombinationPlan> plan = readRecombinationScript(bytes);
  if (!plan) return;
  FUZZ_CHECK(!plan->fragments.empty());
  FUZZ_CHECK(!plan->joinedName.empty());
  FUZZ_CHECK(plan->joinedName.find_first_of("/\\:\"") == std::string::npos);
  for (const std::string& name : plan->recoveryFiles) {
    FUZZ_CHECK(name.starts_with("Recomb.") && name.find_first_of("/\\:\" ") == std::string::npos);
  }
  if (plan->form != kNewestScriptForm) return;
  std::string written;
  emitScriptLines(kNewestScriptForm, plan->joinedName, plan->fragments,
                  WrittenData{*plan->fragmentSize, plan->joinedLength, *plan->sha256,
                              plan->fragmentSha256, plan->recoveryFiles},
                  [&written](const std::string& line) { written += line + "\r\n"; });
  FUZZ_CHECK(written == bytes);
}

}  // namespace

}  // namespace floppysplit

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  floppysplit::check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
