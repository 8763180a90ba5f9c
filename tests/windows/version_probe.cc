// Prints what Windows reads from a program file's resources: the version information that
// the file's properties show, and the application manifest.
//
//   floppysplit_version_probe.exe <program.exe>
//
// Output, one "name: value" line each: ProductName, FileVersion, ProductVersion,
// FileDescription, LegalCopyright (from the first language the file lists), the numeric
// file version, then "Manifest:" and the manifest's text. Exit status 1, with a line on
// standard error, when the file has no version information or no manifest.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace floppysplit {

namespace {

std::wstring wide(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring result(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, result.data(), length);
  result.resize(result.size() - 1);
  return result;
}

std::string utf8(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
  result.resize(result.size() - 1);
  return result;
}

int fail(const char* what) {
  std::fprintf(stderr, "version_probe: %s (error %lu)\n", what, GetLastError());
  return 1;
}

int probe(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: floppysplit_version_probe <program.exe>\n");
    return 2;
  }
  const std::wstring path = wide(argv[1]);

  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  if (size == 0) return fail("no version information");
  std::vector<char> info(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
    return fail("version information unreadable");
  }

  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < sizeof(Translation)) {
    return fail("no language in the version information");
  }
  wchar_t block[64];
  swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation->language,
           translation->codePage);
  for (const wchar_t* name :
       {L"ProductName", L"FileVersion", L"ProductVersion", L"FileDescription", L"LegalCopyright"}) {
    wchar_t* value = nullptr;
    const std::wstring query = std::wstring(block) + name;
    if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
      value = const_cast<wchar_t*>(L"(missing)");
    }
    std::printf("%s: %s\n", utf8(name).c_str(), utf8(value).c_str());
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
    return fail("no fixed version information");
  }
  std::printf("Numeric version: %u.%u.%u.%u\n", unsigned{HIWORD(fixed->dwFileVersionMS)},
              unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)},
              unsigned{LOWORD(fixed->dwFileVersionLS)});

  const HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return fail("cannot load the file's resources");
  // The manifest Windows reads when it starts the program: resource 1 of type 24
  // (CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST).
  const HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  if (manifest == nullptr) return fail("no application manifest");
  const auto* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
  std::printf("Manifest:\n%.*s\n", static_cast<int>(SizeofResource(module, manifest)), text);
  return 0;
}

}  // namespace

}  // namespace floppysplit

int main(int argc, char** argv) { return floppysplit::probe(argc, argv); }
