// The two conversions between the console's code pages and UTF-16, in the code pages a
// Windows console uses most: 437 (US), 850 (Western Europe), 1252 (ANSI) and 65001 (UTF-8).

#include "platform/code_page_win32.h"

#include <gtest/gtest.h>

#include <string>

namespace floppysplit {

namespace {

std::wstring wide(std::string_view bytes, CodePage codePage) {
  std::wstring text = L"unset";
  EXPECT_TRUE(wideFromCodePage(bytes, codePage, &text)) << "code page " << codePage;
  return text;
}

bool refused(std::string_view bytes, CodePage codePage) {
  std::wstring text;
  return !wideFromCodePage(bytes, codePage, &text);
}

TEST(CodePageToWide, EachCodePageReadsItsOwnBytes) {
  // The same letters as typed at a console in each code page.
  EXPECT_EQ(wide("caf\x82.bin", 437), L"caf\u00e9.bin");
  EXPECT_EQ(wide("na\x8bve r\x82sum\x82.bin", 437), L"na\u00efve r\u00e9sum\u00e9.bin");
  EXPECT_EQ(wide("Gr\x94\xe1"
                 "e.bin",
                 437),
            L"Gr\u00f6\u00dfe.bin");
  EXPECT_EQ(wide("\xa5"
                 "and\xa3.bin",
                 850),
            L"\u00d1and\u00fa.bin");
  EXPECT_EQ(wide("Pr\x84sentation.bin", 850), L"Pr\u00e4sentation.bin");
  EXPECT_EQ(wide("caf\xe9 \x80.bin", 1252), L"caf\u00e9 \u20ac.bin");
  EXPECT_EQ(wide("\xe8\xb3\x87\xe6\x96\x99.bin", 65001), L"\u8cc7\u6599.bin");
  // 437 and 850 differ above the letters they share: the code page really is the one given.
  EXPECT_EQ(wide("\x9b", 437), L"\u00a2");
  EXPECT_EQ(wide("\x9b", 850), L"\u00f8");
  // ASCII is the same in all four, and nothing gives nothing.
  for (const CodePage codePage : {437u, 850u, 1252u, 65001u}) {
    EXPECT_EQ(wide("big.bin", codePage), L"big.bin");
    EXPECT_EQ(wide("", codePage), L"");
  }
}

TEST(CodePageToWide, BrokenUtf8IsRefusedNotPatched) {
  // A name with a replacement character in place of a broken byte would be another name.
  EXPECT_TRUE(refused("caf\xe9.bin", 65001));           // a 1252 byte on its own
  EXPECT_TRUE(refused("caf\x82.bin", 65001));           // a 437 byte: a stray continuation byte
  EXPECT_TRUE(refused("\xe8\xb3.bin", 65001));          // a character cut short
  EXPECT_TRUE(refused("\xc0\xae\xc0\xae.bin", 65001));  // overlong dots
  EXPECT_TRUE(refused("\xed\xa0\x80.bin", 65001));      // an encoded surrogate
  EXPECT_TRUE(refused("x.bin", 99999));                 // no such code page
}

TEST(CodePageToWide, EveryByteOfTheOemCodePagesIsTextAndComesBack) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  for (const CodePage codePage : {437u, 850u}) {
    EXPECT_EQ(codePageFromWide(wide(all, codePage), codePage), all) << "code page " << codePage;
  }
}

TEST(CodePageFromWide, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(codePageFromWide(L"caf\u00e9", 437), "caf\x82");
  EXPECT_EQ(codePageFromWide(L"Gr\u00f6\u00dfe", 1252),
            "Gr\xf6\xdf"
            "e");
  EXPECT_EQ(codePageFromWide(L"\u8cc7\u6599.bin", 437), "??.bin");
  EXPECT_EQ(codePageFromWide(L"\u20ac 5", 850), "? 5");
  // No look-alike letter: o with a double acute is not o.
  EXPECT_EQ(codePageFromWide(L"\u0151", 1252), "?");
  EXPECT_EQ(codePageFromWide(L"Acc\u00e8s refus\u00e9.", 65001), "Acc\xc3\xa8s refus\xc3\xa9.");
  EXPECT_EQ(codePageFromWide(L"\u8cc7\u6599", 65001), "\xe8\xb3\x87\xe6\x96\x99");
  EXPECT_EQ(codePageFromWide(L"", 437), "");
  // A code page the system does not know still shows the ASCII part.
  EXPECT_EQ(codePageFromWide(L"Zugriff verweigert: \u00fc", 99999), "Zugriff verweigert: ?");
}

}  // namespace

}  // namespace floppysplit
