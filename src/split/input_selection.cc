#include "split/input_selection.h"

#include <algorithm>

#include "dialogue/console.h"
#include "dialogue/yes_no.h"
#include "files/record_file.h"
#include "run/run_flow.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

constexpr size_t kNameLength = 80;

}  // namespace

void selectInputFile(const GivenAnswers& answers) {
  SplitJob& job = splitJob;
  TextField name(kNameLength);
  std::optional<std::string> given = answers.file;
  while (true) {
    writeListLine({"File name for splitting?"});
    // The given yes stands for the given name only, never for one typed after it.
    const bool answeredYes = answers.yes && given.has_value();
    if (given) {
      // A given name is shown where a typed one would stand, and is kept whole.
      writeConsoleLine(*given);
      name = TextField(std::max(kNameLength, given->size()));
      name.store(*given);
      given.reset();
    } else if (TextField typed(kNameLength); readAnswerLine(typed) == kOk) {
      name = typed;
    } else {
      // The field keeps what it held before the failed read.
      writeListLine({"Problem with your input:"});
      writeListLine({name.stripped()});
      askOrStop("Try again?");
      continue;
    }
    name.removeLeadingBlanks();
    const std::string_view shown = name.trimmed();

    // An empty name names no file: it is never handed to the file system.
    int64_t ignoredSize = 0;
    if (shown.empty() || !queryFile(name.all(), &ignoredSize)) {
      writeListLine({"File ", shown, " does not exist in this folder."});
      // Nobody is there to type another name.
      if (answeredYes) stopRun(StopReason::failed);
      continue;
    }
    // The size is reported only for a connected file, so connect it for the query.
    openFile(job.inputUnit, name.all(), OnFailure::report);
    queryFile(name.all(), &job.inputLength);
    closeFile(job.inputUnit, OnFailure::report);

    writeListLine({"File to be split up: ", shown});
    writeListLine({"Length:", job.inputLength, " bytes"});
    if (askYesNo("Split up this file?", answeredYes ? std::optional(true) : std::nullopt)) {
      job.inputName = name;
      return;
    }
  }
}

}  // namespace floppysplit
