#include <gtest/gtest.h>

#include "dictionary/DictionaryFixture.h"
#include "dictionary/EntryTable.h"
#include "dictionary/Search.h"

namespace tess::dictionary {
namespace {

using testing::DictionaryFolder;
using testing::ReadBytes;

Entry Word(int entryNo, std::string headword, std::string translation) {
  Entry entry;
  entry.EntryNo = entryNo;
  entry.Headword = std::move(headword);
  entry.Translation = std::move(translation);
  return entry;
}

// Positions: 1 house, 2 House of Lords, 3 greenhouse, 4 dom (Polish word as a headword),
// 5 ŁÓDŹ/łódź, 6 old number 9, 7 new number 9; a sentence repeats number 3 after the words.
EntryTable SearchTable() {
  EntryTable table;
  table.Add(Word(1, "house", "dom [1]"));
  table.Add(Word(2, "House of Lords", "Izba Lordów"));
  table.Add(Word(3, "greenhouse", "cieplarnia [1]"));
  table.Add(Word(4, "dom", "katedra"));
  table.Add(Word(5, "boat", "\xA3\xD3\x44\x8F"));  // "ŁÓDŹ" in cp1250
  table.Add(Word(9, "ship", "statek (stary)"));
  table.Add(Word(9, "ship", "statek [1]"));
  table.EndWordList();
  table.Add(Word(3, "The greenhouse is warm.", "W cieplarni jest ciepło."));
  table.Finish();
  return table;
}

struct SearchCase {
  const char* name;
  const char* text;
  SearchOptions options;
  std::vector<int> found;
};

class SearchCases : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchCases, FindsTheseEntries) {
  const SearchCase& c = GetParam();
  const EntryTable table = SearchTable();
  EXPECT_EQ(RunSearch(table, {c.text, c.text}, c.options), c.found);
}

constexpr SearchOptions kBothSides{true, true, false, false};
constexpr SearchOptions kForeignOnly{true, false, false, false};
constexpr SearchOptions kPolishOnly{false, true, false, false};
constexpr SearchOptions kWhole{true, true, true, false};
constexpr SearchOptions kIgnoreCase{true, true, false, true};
constexpr SearchOptions kWholeIgnoreCase{true, true, true, true};
constexpr SearchOptions kNoSide{false, false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Search, SearchCases,
    ::testing::Values(
        // Greenhouse has number 3, which the sentence list holds again later: it is left out.
        SearchCase{"SubstringOnBothSides", "house", kBothSides, {1}},
        SearchCase{"SubstringIsCaseSensitive", "House", kBothSides, {2}},
        SearchCase{"IgnoringCaseFindsBoth", "House", kIgnoreCase, {1, 2}},
        SearchCase{"WholeFieldComparesAToZWithoutCase", "House", kWhole, {1}},
        SearchCase{"WholeFieldIgnoringCase", "HOUSE", kWholeIgnoreCase, {1}},
        SearchCase{"WholeFieldNeedsTheWholeField", "hous", kWhole, {}},
        SearchCase{"ForeignSideOnly", "dom", kForeignOnly, {4}},
        SearchCase{"PolishSideOnly", "dom", kPolishOnly, {1}},
        SearchCase{"BothSides", "dom", kBothSides, {1, 4}},
        SearchCase{"NoSideFindsNothing", "dom", kNoSide, {}},
        SearchCase{"PolishLettersKeepTheirCase", "\xB3\xF3\x64\x9F", kIgnoreCase, {}},
        SearchCase{"PolishLettersMatchExactly", "\xA3\xD3\x44\x8F", kBothSides, {5}},
        SearchCase{"TheLastEntryOfANumberWins", "statek", kBothSides, {7}},
        SearchCase{"TagsAreSearchedToo", "[1]", kPolishOnly, {1, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchTest, ForeignAndPolishTextsMayDifferInCodePage) {
  const EntryTable table = SearchTable();
  EXPECT_EQ(RunSearch(table, {"boat", "nothing"}, kBothSides), std::vector<int>{5});
  EXPECT_EQ(RunSearch(table, {"nothing", "katedra"}, kBothSides), std::vector<int>{4});
}

// The whole list is scanned as one block, sixteen places at a time; a plain field-by-field
// reading of the rule must find the same entries wherever a hit falls in a block, on either
// side, with and without case, for texts of every length up to longer than most fields.
TEST(SearchTest, FindsWhatEachFieldAloneWouldMatch) {
  const char letters[] = {'a', 'A', 'b', 'B', ' ', '\xB3', 'a', 'b'};
  const auto text = [&](unsigned seed, size_t length) {
    std::string made;
    for (size_t i = 0; i < length; ++i) made += letters[(seed * 7 + i * i * 3 + i) % 8];
    return made;
  };
  EntryTable table;
  std::vector<Entry> entries;
  for (int n = 1; n <= 300; ++n) {
    entries.push_back(Word(n, text(n, n % 41), text(n * 5, (n * 3) % 37)));
    table.Add(entries.back());
  }
  table.EndWordList();
  table.Finish();
  const auto contains = [](std::string field, std::string part, bool ignoreCase) {
    if (ignoreCase) {
      for (std::string* s : {&field, &part}) {
        for (char& c : *s) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
      }
    }
    return field.find(part) != std::string::npos;
  };
  for (const bool ignoreCase : {false, true}) {
    for (const std::string query : {"", "a", "B", "ab", "aB", "b a", "abab", "A\xB3", "aabba",
                                    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                                    "\xB3"
                                    "a\xB3"}) {
      for (const SearchOptions& options : {SearchOptions{true, false, false, ignoreCase},
                                           SearchOptions{false, true, false, ignoreCase},
                                           SearchOptions{true, true, false, ignoreCase}}) {
        SCOPED_TRACE(query + (ignoreCase ? " ignoring case" : "") +
                     (options.SearchForeign ? " foreign" : "") +
                     (options.SearchPolish ? " polish" : ""));
        std::vector<int> expected;
        for (int n = 1; n <= 300; ++n) {
          const Entry& e = entries[static_cast<size_t>(n - 1)];
          if ((options.SearchForeign && contains(e.Headword, query, ignoreCase)) ||
              (options.SearchPolish && contains(e.Translation, query, ignoreCase))) {
            expected.push_back(n);
          }
        }
        EXPECT_EQ(RunSearch(table, {query, query}, options), expected);
      }
    }
  }
}

TEST(SearchTest, ATableFilledAgainIsSearchedAsItIsNow) {
  EntryTable table;
  table.Add(Word(1, "cat", "kot"));
  table.EndWordList();
  table.Finish();
  EXPECT_EQ(RunSearch(table, {"cat", "cat"}, kBothSides), std::vector<int>{1});
  table.Clear();
  table.Add(Word(1, "dog", "pies"));
  table.Add(Word(2, "cat", "kot"));
  table.EndWordList();
  table.Finish();
  EXPECT_EQ(RunSearch(table, {"cat", "cat"}, kBothSides), std::vector<int>{2});
  EXPECT_EQ(RunSearch(table, {"pies", "pies"}, kPolishOnly), std::vector<int>{1});
}

TEST(SearchTest, CountLineNamesTheTextForEnglishAndGerman) {
  EXPECT_EQ(FoundCountText(1, "house", 1), "Słowo \"house\" wystąpiło 1 raz.");
  EXPECT_EQ(FoundCountText(2, "Haus", 2), "Słowo \"Haus\" wystąpiło 2 razy.");
  EXPECT_EQ(FoundCountText(1, "xyz", 0), "Słowo \"xyz\" wystąpiło 0 razy.");
  EXPECT_EQ(FoundCountText(3, "maison", 1), "Słowo wystąpiło 1 raz.");
  EXPECT_EQ(FoundCountText(6, "dom", 5), "Słowo wystąpiło 5 razy.");
}

TEST(SearchOptionsTest, FileReadsOnlyTheNumberOneAsOn) {
  DictionaryFolder folder;
  folder.Write("ustaw_s.txt", "1\r\n 0\r\nyes\r\n1 \r\n");
  SearchOptions options{false, true, true, false};
  ReadSearchOptions(folder / "ustaw_s.txt", options);
  EXPECT_EQ(options, (SearchOptions{true, false, false, true}));
}

TEST(SearchOptionsTest, MissingFileOrLinesKeepTheDefaults) {
  DictionaryFolder folder;
  SearchOptions options;
  ReadSearchOptions(folder / "ustaw_s.txt", options);
  EXPECT_EQ(options, SearchOptions{});
  folder.Write("ustaw_s.txt", "0\r\n");
  ReadSearchOptions(folder / "ustaw_s.txt", options);
  EXPECT_EQ(options, (SearchOptions{false, true, false, false}));
}

TEST(SearchOptionsTest, WritesFourLines) {
  EXPECT_EQ(FormatSearchOptions({true, false, true, false}), "1\r\n0\r\n1\r\n0\r\n");
}

}  // namespace
}  // namespace tess::dictionary
