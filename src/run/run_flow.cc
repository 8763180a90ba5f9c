#include "run/run_flow.h"

#include "dialogue/console.h"
#include "dialogue/yes_no.h"
#include "platform/console_io.h"
#include "platform/interruption.h"
#include "runtime/termination.h"
#include "split/fragment_plan.h"
#include "split/fragment_script.h"
#include "split/input_selection.h"

namespace floppysplit {

namespace {

constexpr std::string_view kDisclaimer =
    "('floppysplit (c) 2026 the floppysplit authors'"
    "/'This freeware comes with no guaratees or warranties of suitability'"
    "/'for any purpose.  There is no support for this freeware.  Although'"
    "/'used on Windows 2000 SP2 and XP SP 2, it is not guaranteed to run on'"
    "/'any platform or to produce any specific result.'"
    "//'I agree to hold Tolvaran and all other entities harmless'"
    "/'in the downloading and use of this program.')";

constexpr std::string_view kCompletion =
    "('File split and recombination script completed successfully.'/'Normal exit.')";

}  // namespace

void askOrStop(std::string_view question, std::optional<bool> given) {
  if (!askYesNo(question, given)) stopRun(StopReason::declined);
}

void stopRun(StopReason reason) {
  endRun(reason == StopReason::failed ? ExitStatus::failure : ExitStatus::success);
}

void runFlow(const GivenAnswers& answers) {
  osPrepareProcess();
  osWatchInterrupts(OsInterruptAction::noteOnly);
  writeFormatted(kDisclaimer);
  askOrStop("Agree?", answers.yes ? std::optional(true) : std::nullopt);
  selectInputFile(answers);
  splitInputFile(answers);
  writeRecombinationScript();
  // A run interrupted at its last step is no success.
  stopIfInterrupted();
  writeFormatted(kCompletion);
  endRun(ExitStatus::success);
}

}  // namespace floppysplit
