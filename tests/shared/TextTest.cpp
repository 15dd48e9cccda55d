#include "shared/Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tess {
namespace {

TEST(PosFrom, Table) {
  struct Row {
    const char* name;
    int from;
    std::string_view text, sub;
    int expected;
  };
  const Row rows[] = {
      {"first occurrence", 1, "a=b=c", "=", 2},
      {"from skips an earlier one", 3, "a=b=c", "=", 4},
      {"from on the occurrence", 4, "a=b=c", "=", 4},
      {"only occurrence before from", 5, "a=b=c", "=", -1},
      {"longer sub", 2, "abcabc", "bc", 2},
      {"longer sub after from", 3, "abcabc", "bc", 5},
      {"sub running past the end", 5, "abcabc", "bcd", -1},
      {"from at the last character", 3, "ab=", "=", 3},
      {"from just past the end", 4, "ab=", "=", -1},
      {"from zero", 0, "=ab", "=", -1},
      {"from negative", -2, "=ab", "=", -1},
      {"empty sub", 1, "abc", "", -1},
      {"empty text", 1, "", "=", -1},
      {"absent", 1, "abc", "#", -1},
      {"cp1250 bytes count one each", 1, "\xA3\xF3\xBF=x", "=", 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PosFrom(row.from, row.text, row.sub), row.expected);
  }
}

TEST(NextWord, Table) {
  struct Row {
    const char* name;
    std::string_view text, expected;
  };
  const Row rows[] = {
      {"two words", "ala ma", "ala"},           {"no blank", "kota", "kota"},
      {"leading blank", " kota", ""},           {"double blank keeps the rest", "a  b", "a"},
      {"tab is not a blank", "a\tb c", "a\tb"}, {"empty", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(NextWord(row.text), row.expected);
  }
}

TEST(Trim, Table) {
  struct Row {
    const char* name;
    std::string_view text, trim, left, right, blanks;
  };
  const Row rows[] = {
      {"blanks both ends", "  ab c  ", "ab c", "ab c  ", "  ab c", "ab c"},
      {"controls both ends", "\t\r\n ab\x01\x1F", "ab", "ab\x01\x1F", "\t\r\n ab",
       "\t\r\n ab\x01\x1F"},
      {"code 0 is trimmed", std::string_view("\0x\0", 3), "x", std::string_view("x\0", 2),
       std::string_view("\0x", 2), std::string_view("\0x\0", 3)},
      {"nbsp and cp1250 letters stay", "\xA0\xA3 ", "\xA0\xA3", "\xA0\xA3 ", "\xA0\xA3",
       "\xA0\xA3"},
      {"only blanks", "   ", "", "", "", ""},
      {"empty", "", "", "", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Trim(row.text), row.trim);
    EXPECT_EQ(TrimLeft(row.text), row.left);
    EXPECT_EQ(TrimRight(row.text), row.right);
    EXPECT_EQ(TrimBlanks(row.text), row.blanks);
  }
}

TEST(CaseFolding, OnlyAToZ) {
  struct Row {
    const char* name;
    std::string_view text, lower, upper;
  };
  const Row rows[] = {
      {"ascii", "Ala-Z@[`{", "ala-z@[`{", "ALA-Z@[`{"},
      // cp1250: Ł ó d ş / Ą ą Ż ż keep their case, only the ASCII letters move.
      {"cp1250 letters untouched", "\xA3\xF3\x64\xBA", "\xA3\xF3\x64\xBA", "\xA3\xF3\x44\xBA"},
      {"cp1250 pairs untouched", "\xA5\xB9\xAF\xBFX", "\xA5\xB9\xAF\xBFx", "\xA5\xB9\xAF\xBFX"},
      {"cp1251 untouched", "\xC4\xEE\xEC", "\xC4\xEE\xEC", "\xC4\xEE\xEC"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LowerAZ(row.text), row.lower);
    EXPECT_EQ(UpperAZ(row.text), row.upper);
  }
  EXPECT_TRUE(SameTextAZ("Tess_R.TXT", "tess_r.txt"));
  EXPECT_FALSE(SameTextAZ("\xA3\xF3\x64\xBA", "\xB3\xF3\x64\xBA")) << "Ł and ł differ";
  EXPECT_FALSE(SameTextAZ("ab", "abc"));
  EXPECT_FALSE(SameTextAZ("@", "`")) << "only letters fold";
}

TEST(ParseInt, Table) {
  struct Row {
    const char* name;
    std::string_view text;
    std::optional<int> expected;
  };
  const Row rows[] = {
      {"plain", "42", 42},
      {"leading blanks", "  7", 7},
      {"signs", "-15", -15},
      {"plus", "+3", 3},
      {"leading zeros", "007", 7},
      {"largest", "2147483647", 2147483647},
      {"smallest", "-2147483648", -2147483647 - 1},
      {"overflow", "2147483648", std::nullopt},
      {"long overflow", "99999999999999999999999", std::nullopt},
      {"trailing blank", "7 ", std::nullopt},
      {"trailing letter", "7a", std::nullopt},
      {"inner blank", "1 2", std::nullopt},
      {"sign alone", "-", std::nullopt},
      {"blank after sign", "- 1", std::nullopt},
      {"empty", "", std::nullopt},
      {"blanks only", "  ", std::nullopt},
      {"hex is not decimal", "$1F", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ParseInt(row.text), row.expected);
  }
}

TEST(CutFields, Table) {
  using Fields = std::vector<std::string>;
  struct Row {
    const char* name;
    std::string_view line;
    char separator;
    int count;
    Fields expected;
  };
  const Row rows[] = {
      {"every field closed", "a=b=", '=', 2, {"a", "b"}},
      {"last field unclosed", "1=2=3", '=', 3, {"1", "2", ""}},
      {"empty fields", "==x=", '=', 3, {"", "", "x"}},
      {"missing separator empties the rest", "a#b", '#', 3, {"a", "", ""}},
      {"line shorter than count", "a=", '=', 3, {"a", "", ""}},
      {"extra text ignored", "a=b=c=", '=', 2, {"a", "b"}},
      {"blank separator", "ab cd ", ' ', 2, {"ab", "cd"}},
      {"empty line", "", '=', 2, {"", ""}},
      {"count zero", "a=", '=', 0, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CutFields(row.line, row.separator, row.count), row.expected);
  }
}

}  // namespace
}  // namespace tess
