#include "split/fragment_script.h"

#include <span>
#include <string>
#include <vector>

#include "dialogue/console.h"
#include "files/written_files.h"
#include "recovery/recovery_files.h"
#include "run/run_flow.h"
#include "runtime/termination.h"
#include "script/recombination_script.h"
#include "split/split_interruption.h"
#include "split/split_job.h"

namespace floppysplit {

void writeRecombinationScript() {
  const SplitJob& job = splitJob;
  const auto fragments = std::span(job.fragmentNames).first(static_cast<size_t>(job.fragmentCount));
  const std::vector<std::string> recoveryFiles =
      job.recoveryCount > 0 ? recoveryFileNames(job.recoveryCount) : std::vector<std::string>();
  const WrittenData written{job.fragmentSize, job.writtenLength, job.writtenSha256,
                            job.fragmentSha256, recoveryFiles};
  stopIfInterrupted();
  noteScriptBegun();
  const ScriptFileFault fault =
      writeScriptFile(job.scriptUnit, job.inputName.trimmed(), fragments, written);
  if (!fault) return;
  if (fault.statement == Statement::open) {
    writeListLine({"Error opening " + std::string(kScriptName) + ":", fault.status});
    stopRun(StopReason::failed);
  }
  reportAndExit(fault.status, fault.statement, job.scriptUnit);
}

}  // namespace floppysplit
