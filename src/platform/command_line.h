#pragma once
// The program's arguments, as the rest of the program takes names: bytes that the file
// functions of this seam accept unchanged.

#include <optional>
#include <string>
#include <vector>

namespace floppysplit {

// The arguments after the program's name. On Windows they come from the wide command line,
// converted into the console's input code page, in which typed names arrive too; an
// argument with a character that code page cannot hold is nothing. Elsewhere they are
// argv's bytes.
std::vector<std::optional<std::string>> osArguments(int argc, char** argv);

// Whether "/?" asks for help, as it does for every program on Windows.
bool osTakesSlashHelp();

}  // namespace floppysplit
