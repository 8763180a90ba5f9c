#pragma once
// The one way the program asks a yes-or-no question. The question is shown up to its
// first "?", "%", backslash or NUL, followed by " (Y for yes, N for no)?", and asked again,
// without any other message, until the answer starts with a yes or a no. End of input
// while the answer is read ends the run with the error report.

#include <optional>
#include <string>
#include <string_view>

namespace floppysplit {

// What the question line shows after the blank that starts every list line.
std::string questionPrompt(std::string_view question);

// With `given`, the question is not asked: it is shown with `given` on the next line as if
// typed ("y" or "n"), and `given` is the answer.
bool askYesNo(std::string_view question, std::optional<bool> given = std::nullopt);

}  // namespace floppysplit
