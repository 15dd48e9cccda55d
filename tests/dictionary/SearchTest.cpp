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
