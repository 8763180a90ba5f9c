// Code page conversions through MultiByteToWideChar and WideCharToMultiByte.

#include "platform/code_page_win32.h"

#include <windows.h>

#include <limits>

namespace floppysplit {

namespace {

constexpr size_t kMaxLength = std::numeric_limits<int>::max();

CodePage orOemCodePage(UINT consoleCodePage) {
  // 0 means that the process has no console, as with input and output on pipes under an
  // emulator; such a process gets the system's OEM code page, the default of a console.
  return consoleCodePage != 0 ? consoleCodePage : GetOEMCP();
}

// Runs `convert(flags, target, targetLength)` once to size the result and once to fill it.
template <typename Char, typename Convert>
bool convertTwice(Convert convert, DWORD flags, std::basic_string<Char>* result) {
  const int length = convert(flags, nullptr, 0);
  if (length <= 0) return false;
  result->assign(static_cast<size_t>(length), Char{});
  return convert(flags, result->data(), length) == length;
}

}  // namespace

CodePage consoleInputCodePage() { return orOemCodePage(GetConsoleCP()); }

CodePage consoleOutputCodePage() { return orOemCodePage(GetConsoleOutputCP()); }

bool wideFromCodePage(std::string_view bytes, CodePage codePage, std::wstring* wide) {
  wide->clear();
  if (bytes.empty()) return true;
  if (bytes.size() > kMaxLength) return false;
  const auto convert = [&](DWORD flags, wchar_t* target, int targetLength) {
    return MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()),
                               target, targetLength);
  };
  if (convertTwice(convert, MB_ERR_INVALID_CHARS, wide)) return true;
  // A few code pages refuse the check itself; every byte sequence is text in them.
  return GetLastError() == ERROR_INVALID_FLAGS && convertTwice(convert, 0, wide);
}

std::string codePageFromWide(std::wstring_view wide, CodePage codePage) {
  std::string bytes;
  if (wide.empty() || wide.size() > kMaxLength) return bytes;
  // UTF-8 holds every character and takes no replacement character; other code pages get
  // '?' for what they lack instead of their best-fit look-alikes.
  const bool utf8 = codePage == CP_UTF8;
  const auto convert = [&](DWORD flags, char* target, int targetLength) {
    return WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), target,
                               targetLength, utf8 || flags == 0 ? nullptr : "?", nullptr);
  };
  if (convertTwice(convert, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, &bytes)) return bytes;
  if (!utf8 && GetLastError() == ERROR_INVALID_FLAGS && convertTwice(convert, 0, &bytes)) {
    return bytes;
  }
  bytes.clear();
  for (const wchar_t c : wide) bytes += c < 0x80 ? static_cast<char>(c) : '?';
  return bytes;
}

}  // namespace floppysplit
