// The wide command line, split by the system (CommandLineToArgvW), in the console's code page.
#include <windows.h>

#include <shellapi.h>

#include "platform/code_page_win32.h"
#include "platform/command_line.h"

namespace floppysplit {

namespace {

// `wide` in `codePage` when every character survives the way there and back; a character
// the code page lacks would become '?' or a look-alike and name another file.
std::optional<std::string> exactlyInCodePage(std::wstring_view wide, CodePage codePage) {
  std::string bytes = codePageFromWide(wide, codePage);
  std::wstring back;
  if (!wideFromCodePage(bytes, codePage, &back) || back != wide) return std::nullopt;
  return bytes;
}

}  // namespace

std::vector<std::optional<std::string>> osArguments(int /*argc*/, char** /*argv*/) {
  std::vector<std::optional<std::string>> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  const CodePage codePage = consoleInputCodePage();
  for (int i = 1; i < count; ++i) arguments.push_back(exactlyInCodePage(wide[i], codePage));
  LocalFree(wide);
  return arguments;
}

bool osTakesSlashHelp() { return true; }

}  // namespace floppysplit
