#pragma once
// What the file calls of both systems check of a name before they hand it to the system.

#include <string>

namespace floppysplit {

// A name with a NUL character in it names no file: the system would see only the part
// before it, and the program would work on a file other than the one the user named.
inline bool isFileName(const std::string& name) { return name.find('\0') == std::string::npos; }

}  // namespace floppysplit
