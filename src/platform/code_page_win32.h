#pragma once
// Text between the program and the wide Win32 calls on Windows. The program keeps names and
// messages as bytes in the console's code pages: a name is what the user typed, shown and
// written back unchanged. Only the file system seam turns those bytes into UTF-16 for the
// wide calls, and the system's UTF-16 messages into bytes for the console.

#include <cstdint>
#include <string>
#include <string_view>

namespace floppysplit {

using CodePage = uint32_t;

// The code page in which the console hands typed text to the program (GetConsoleCP), or
// the OEM code page when the process has no console.
CodePage consoleInputCodePage();

// The code page in which the console shows the bytes the program writes
// (GetConsoleOutputCP), or the OEM code page when the process has no console.
CodePage consoleOutputCodePage();

// `bytes` read as text in `codePage`, in UTF-16. False, with `*wide` unspecified, when they
// are not text in that code page (a broken UTF-8 sequence in 65001, for one) or the system
// does not know the code page. Empty bytes give an empty text.
bool wideFromCodePage(std::string_view bytes, CodePage codePage, std::wstring* wide);

// `wide` as bytes in `codePage`; every character the code page lacks becomes '?' (never a
// look-alike letter). A code page the system does not know keeps ASCII and shows the rest
// as '?'.
std::string codePageFromWide(std::wstring_view wide, CodePage codePage);

}  // namespace floppysplit
