#pragma once
// The order of one run: disclaimer and consent, then input selection, the splitting stage
// and the recombination script, then the completion text. Any stage may end the run
// early with the silent stop.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace floppysplit {

// A fragment size given beforehand: the text as given, shown as if typed, and its value.
struct GivenSize {
  std::string shown;
  int64_t kilobytes = 0;
};

// Answers given before the run (on the command line), so that a script can drive it. Each
// one is shown on the line after its question, as if typed; every other question is read
// from the console.
struct GivenAnswers {
  // Answers the first question for the file's name.
  std::optional<std::string> file;
  // Answers yes to "Agree?" and "OK?", to "Split up this file?" for `file` only, and to the
  // floppy size when no `size` is given. A `file` that does not exist then ends the run
  // with exit status 1 instead of asking for another name.
  bool yes = false;
  // Answers no to the floppy size and gives this size.
  std::optional<GivenSize> size;
  // Not an answer but a wish the dialogue has no question for: recovery files with this
  // many volumes beside the fragments; 0 for none.
  int32_t recoveryCount = 0;
  // Nor is this: the folder the fragments, the recovery files and Recomb.cmd are written
  // into, where the split works once "OK?" is answered; none for the current folder.
  std::optional<std::string> outputFolder;
};

// The program's whole run; ends the process.
[[noreturn]] void runFlow(const GivenAnswers& answers);

// Asks `question`, or shows `given` as its answer; returns on yes, ends the run silently on
// no.
void askOrStop(std::string_view question, std::optional<bool> given = std::nullopt);

// Why a run stops early: the user answered no (`declined`), or a stage met a fault it has
// just shown in a line of its own (`failed`).
enum class StopReason { declined, failed };

// The silent stop: prints nothing, closes every open file keeping it, exits with
// ExitStatus::success when the user declined and with ExitStatus::failure when the run
// failed, so that a script can tell the two apart.
[[noreturn]] void stopRun(StopReason reason);

}  // namespace floppysplit
