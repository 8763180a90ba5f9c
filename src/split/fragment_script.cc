#include "split/fragment_script.h"

#include <span>

#include "runtime/termination.h"
#include "script/recombination_script.h"
#include "split/split_interruption.h"
#include "split/split_job.h"

namespace floppysplit {

void writeRecombinationScript() {
  const SplitJob& job = splitJob;
  const auto fragments = std::span(job.fragmentNames).first(static_cast<size_t>(job.fragmentCount));
  const WrittenData written{job.fragmentSize, job.writtenLength, job.writtenSha256,
                            job.fragmentSha256};
  stopIfInterrupted();
  noteScriptBegun();
  writeScriptFile(job.scriptUnit, job.inputName.trimmed(), fragments, written);
}

}  // namespace floppysplit
