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

// True when `name` names a file in this folder. An empty name names no file: it is never
// handed to the file system.
bool namesAFile(const TextField& name) {
  int64_t ignoredSize = 0;
  return !name.trimmed().empty() && queryFile(name.all(), &ignoredSize);
}

// Leaves the length of the file `name` names in the job. The size is reported only for a
// connected file, so the input's unit connects it for the query.
void measureInput(SplitJob& job, const TextField& name) {
  openFile(job.inputUnit, name.all(), OnFailure::report);
  queryFile(name.all(), &job.inputLength);
  closeFile(job.inputUnit, OnFailure::report);
}

// Puts the next answer to "File name for splitting?" into `*name`: `*given` if there is one,
// shown where a typed one would stand and kept whole, and used only once; else a typed line.
// False when the line cannot be read; `*name` then keeps what it held.
bool takeFileName(std::optional<std::string>* given, TextField* name) {
  if (*given) {
    writeConsoleLine(**given);
    *name = TextField(std::max(kNameLength, (*given)->size()));
    name->store(**given);
    given->reset();
    return true;
  }
  TextField typed(kNameLength);
  if (readAnswerLine(typed) != kOk) return false;
  *name = typed;
  return true;
}

}  // namespace

void selectInputFile(const GivenAnswers& answers) {
  SplitJob& job = splitJob;
  TextField name(kNameLength);
  std::optional<std::string> given = answers.file;
  while (true) {
    writeListLine({"File name for splitting?"});
    // The given yes stands for the given name only, never for one typed after it.
    const bool answeredYes = answers.yes && given.has_value();
    if (!takeFileName(&given, &name)) {
      writeListLine({"Problem with your input:"});
      writeListLine({name.stripped()});
      askOrStop("Try again?");
      continue;
    }
    name.removeLeadingBlanks();
    const std::string_view shown = name.trimmed();

    if (!namesAFile(name)) {
      writeListLine({"File ", shown, " does not exist in this folder."});
      // Nobody is there to type another name.
      if (answeredYes) stopRun(StopReason::failed);
      continue;
    }
    measureInput(job, name);
    writeListLine({"File to be split up: ", shown});
    writeListLine({"Length:", job.inputLength, " bytes"});
    if (askYesNo("Split up this file?", answeredYes ? std::optional(true) : std::nullopt)) {
      job.inputName = name;
      return;
    }
  }
}

}  // namespace floppysplit
