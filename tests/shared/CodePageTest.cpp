#include "shared/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace tess {
namespace {

struct CodecRow {
  const char* name;
  CodePage codePage;
  std::string bytes;
  std::string utf8;
};

const CodecRow kRoundTrips[] = {
    {"cp1250 Polish letters", CodePage::Cp1250,
     "\xA5\xB9\xC6\xE6\xCA\xEA\xA3\xB3\xD1\xF1\xD3\xF3\x8C\x9C\x8F\x9F\xAF\xBF",
     "ĄąĆćĘęŁłŃńÓóŚśŹźŻż"},
    {"cp1250 German letters", CodePage::Cp1250, "\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"},
    {"cp1250 euro and quotes", CodePage::Cp1250, "\x80\x84\x93", "€„“"},
    {"cp1251 word", CodePage::Cp1251, "\xC4\xEE\xEC", "Дом"},
    {"cp1251 yo and euro", CodePage::Cp1251, "\xA8\xB8\x88", "Ёё€"},
    {"cp1252 French letters", CodePage::Cp1252, "\xE9\xE8\xE0\xE7\x9C", "éèàçœ"},
    {"ascii", CodePage::Cp1250, "Tess = 5.0\r\n", "Tess = 5.0\r\n"},
    // Bytes the code page leaves undefined become the C1 control of the same number.
    {"cp1250 undefined byte", CodePage::Cp1250, "a\x81z", "a\xC2\x81z"},
    {"cp1252 undefined byte", CodePage::Cp1252, "\x90", "\xC2\x90"},
    {"empty", CodePage::Cp1251, "", ""},
};

TEST(CodePage, RoundTrips) {
  for (const CodecRow& row : kRoundTrips) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Decode(row.bytes, row.codePage), QString::fromUtf8(row.utf8.c_str()));
    EXPECT_EQ(ToUtf8(row.bytes, row.codePage), row.utf8);
    EXPECT_EQ(FromUtf8(row.utf8, row.codePage), row.bytes);
    EXPECT_EQ(Encode(QString::fromUtf8(row.utf8.c_str()), row.codePage), row.bytes);
  }
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks) {
  const CodecRow rows[] = {
      {"cyrillic into cp1250", CodePage::Cp1250, "a?b", "aЖb"},
      {"Polish into cp1251", CodePage::Cp1251, "?\xC4", "ąД"},
      {"Polish into cp1252", CodePage::Cp1252, "?\xF3", "łó"},
      {"outside the BMP is one character", CodePage::Cp1250, "x?y", "x\xF0\x9F\x98\x80y"},
  };
  for (const CodecRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FromUtf8(row.utf8, row.codePage), row.bytes);
  }
}

TEST(CodePage, SameBytesDifferByCodePage) {
  EXPECT_EQ(ToUtf8("\xB9", CodePage::Cp1250), "ą");
  EXPECT_EQ(ToUtf8("\xB9", CodePage::Cp1252), "¹");
  EXPECT_EQ(ToUtf8("\xB9", CodePage::Cp1251), "№");
}

TEST(CodePage, InterfaceCodePage) {
  EXPECT_EQ(InterfaceCodePage(0), CodePage::Cp1250);
  EXPECT_EQ(InterfaceCodePage(1), CodePage::Cp1250);
  EXPECT_EQ(InterfaceCodePage(2), CodePage::Cp1250);
  EXPECT_EQ(InterfaceCodePage(3), CodePage::Cp1251);
}

}  // namespace
}  // namespace tess
