#include "split/input_selection.h"

#include "dialogue/console.h"
#include "dialogue/run_flow.h"
#include "dialogue/yes_no.h"
#include "split/files/record_file.h"
#include "split/split_job.h"

namespace floppysplit {

namespace {

constexpr size_t kNameLength = 80;

}  // namespace

void selectInputFile() {
  SplitJob& job = splitJob;
  TextField name(kNameLength);
  while (true) {
    writeListLine({"File name for splitting?"});
    if (readAnswerLine(name) != kOk) {
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
      continue;
    }
    // The size is reported only for a connected file, so connect it for the query.
    openFile(job.inputUnit, name.all(), OnFailure::report);
    queryFile(name.all(), &job.inputLength);
    closeFile(job.inputUnit, OnFailure::report);

    writeListLine({"File to be split up: ", shown});
    writeListLine({"Length:", job.inputLength, " bytes"});
    if (askYesNo("Split up this file?")) {
      job.inputName.store(name.all());
      return;
    }
  }
}

}  // namespace floppysplit
