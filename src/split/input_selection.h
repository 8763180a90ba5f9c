#pragma once
// The first stage after consent: asks for the file to split until the user confirms one
// that exists, and leaves its name and length in the split job. A name given beforehand
// (on the command line) answers the first question, shown as if typed and not cut to the
// length a typed answer holds.

#include <optional>
#include <string>

namespace floppysplit {

void selectInputFile(const std::optional<std::string>& givenName);

}  // namespace floppysplit
