#pragma once
// The order of one run: disclaimer and consent, then input selection, the splitting stage
// and the recombination script, then the completion text. Any stage may end the run
// early with the silent stop.

#include <optional>
#include <string>
#include <string_view>

namespace floppysplit {

// The program's whole run; ends the process. `file`, named on the command line, answers the
// first question for the file's name.
[[noreturn]] void runFlow(const std::optional<std::string>& file);

// Why a run stops early: the user answered no (`declined`), or a stage met a fault it has
// just shown in a line of its own (`failed`).
enum class StopReason { declined, failed };

// Asks `question`; returns on yes, ends the run silently on no.
void askOrStop(std::string_view question);

// The silent stop: prints nothing, closes every open file keeping it, exits with 0 when the
// user declined and with 1 when the run failed, so that a script can tell the two apart.
[[noreturn]] void stopRun(StopReason reason);

}  // namespace floppysplit
