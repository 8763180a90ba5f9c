#pragma once
// Lines of console input: a line ends at a line feed, every carriage return is dropped
// and tabs are expanded to the tab stops that TABSIZE asks for. A last line without a line
// feed counts as end of input.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace floppysplit {

// The tab width: TABSIZE when it holds digits only (0 keeps tabs as they are), else 8.
// Widths beyond 1024 columns are taken as 1024.
int tabWidthFromEnvironment();

// One raw line (without its line feed) as the readers see it.
std::string cleanInputLine(std::string_view raw, int tabWidth);

// The next console line, or nothing at end of input. An interruption, before the read or
// while it waits, ends the run instead (stopIfInterrupted).
std::optional<std::string> readConsoleLine();

// The streams that stand for the console; standard input and output unless tests say
// otherwise.
void setConsoleStreams(std::FILE* in, std::FILE* out);
std::FILE* consoleIn();
std::FILE* consoleOut();

}  // namespace floppysplit
