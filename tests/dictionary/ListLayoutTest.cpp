#include <gtest/gtest.h>

#include "dictionary/EntryBrowser.h"
#include "dictionary/EntryTable.h"
#include "dictionary/ListLayout.h"

namespace tess::dictionary {
namespace {

// Every character 10 pixels wide; italics 2 pixels narrower, so the tests see which was used.
class FixedMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool, bool italic) const override {
    return static_cast<int>(text.size()) * (italic ? 8 : 10);
  }
};

Entry Word(int entryNo, std::string headword, std::string translation, int level = 0) {
  Entry entry;
  entry.EntryNo = entryNo;
  entry.Headword = std::move(headword);
  entry.Translation = std::move(translation);
  entry.LevelMark = level;
  return entry;
}

EntryTable TableOf(const std::vector<Entry>& entries) {
  EntryTable table;
  for (const Entry& entry : entries) table.Add(entry);
  table.EndWordList();
  table.Finish();
  return table;
}

const FixedMeasurer kMeasurer;
constexpr ListGeometry kGeometry{400, 600};

ListPicture LayOut(const EntryTable& table, int language = 1, int scroll = 1) {
  std::vector<int> found;
  for (int p = 1; p <= table.WordCount(); ++p) found.push_back(p);
  return LayOutList(table, found, scroll, language, kGeometry, kMeasurer, kMeasurer);
}

TEST(ListLayoutTest, HeadwordsWiderThan225AreCutWithDots) {
  EXPECT_EQ(FitHeadword(std::string(22, 'a'), kMeasurer), std::string(22, 'a'));  // 220 px
  // 230 px is too wide; 19 letters and "..." make 220, the widest below 225.
  EXPECT_EQ(FitHeadword(std::string(23, 'a'), kMeasurer), std::string(19, 'a') + "...");
}

TEST(ListLayoutTest, TagsBecomeGreyAbbreviationsWithHints) {
  const EntryTable table = TableOf({Word(1, "house", "dom [1] [4] x")});
  const ListPicture picture = LayOut(table);
  const ListRow& row = picture.Rows[0];
  EXPECT_EQ(row.Headword, "house");
  // "dom " 40 px from 225; "n" in italics 8 px + 4; the hidden [4] takes 0 + 4; then "x ".
  const std::vector<ListWord> words = {
      {225, 0, "dom ", false}, {265, 0, "n", true}, {277, 0, "", true}, {281, 0, "x ", false}};
  EXPECT_EQ(row.Words, words);
  ASSERT_EQ(picture.Hints.size(), 1u);
  EXPECT_EQ(picture.Hints[0].Hint, "noun (rzeczownik)");
  EXPECT_EQ(HintAt(picture, 270, 10), "noun (rzeczownik)");
  EXPECT_EQ(HintAt(picture, 285, 10), "");
}

TEST(ListLayoutTest, AbbreviationsDependOnTheLanguage) {
  struct Case {
    int language;
    const char* tag;
    const char* shown;
    const char* hint;
  };
  const Case cases[] = {
      {1, "[1]", "n", "noun (rzeczownik)"},
      {2, "[1]", "s", "substantiv (rzeczownik)"},
      {3, "[1]", "[1]", ""},
      {6, "[2]", "adj", ""},
      {1, "[3]", "v", "verb (czasownik)"},
      {1, "[6]", "adv", "adverb (przysłówek)"},
      {1, "[7]", "pt", "past tense (czas przeszły)"},
      {2, "[7]", "pt", ""},
      {1, "[8]", "pp", "past participle (imiesłów przeszły)"},
      {1, "[9]", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.language) + c.tag);
    const ListPicture picture = LayOut(TableOf({Word(1, "w", c.tag)}), c.language);
    ASSERT_EQ(picture.Rows[0].Words.size(), 1u);
    EXPECT_EQ(picture.Rows[0].Words[0], (ListWord{225, 0, c.shown, true}));
    EXPECT_EQ(HintAt(picture, 226, 5), c.hint);
  }
  // "[5]" is an ordinary word.
  EXPECT_EQ(LayOut(TableOf({Word(1, "w", "[5]")})).Rows[0].Words[0],
            (ListWord{225, 0, "[5] ", false}));
}

TEST(ListLayoutTest, LongTranslationsWrapAndPushTheNextRowsDown) {
  // From 225 to 400: "aaaaaaa " is 80 px, so two fit on a line and the third wraps.
  const EntryTable table =
      TableOf({Word(1, "one", "aaaaaaa bbbbbbb ccccccc [2]"), Word(2, "two", "dwa")});
  const ListPicture picture = LayOut(table);
  const ListRow& first = picture.Rows[0];
  ASSERT_EQ(first.Words.size(), 4u);
  EXPECT_EQ(first.Words[1], (ListWord{305, 0, "bbbbbbb ", false}));
  EXPECT_EQ(first.Words[2], (ListWord{225, 20, "ccccccc ", false}));
  EXPECT_EQ(first.Words[3], (ListWord{305, 20, "adj", true}));
  EXPECT_EQ(first.Top, 0);
  EXPECT_EQ(first.Bottom, 40);
  EXPECT_EQ(picture.Hints[0].Top, 20);
  EXPECT_EQ(picture.Rows[1].Top, 40);
  EXPECT_EQ(picture.Rows[1].Words[0].Y, 40);
  // A press on the second line of the first row picks the first entry, one below it the
  // second, though y div 20 alone would say otherwise.
  EXPECT_EQ(IndexAt(picture, 1, 300, 25), 1);
  EXPECT_EQ(IndexAt(picture, 1, 10, 45), 2);
}

// A hostile word list must not stall the window: whatever an entry holds, laying out the list
// is bounded by what the list can show.
TEST(ListLayoutTest, HugeEntriesAreLaidOutOnlyAsFarAsTheListShows) {
  const std::string megabyte(1 << 20, 'a');
  EXPECT_EQ(FitHeadword(megabyte, kMeasurer), std::string(19, 'a') + "...");

  std::string words;
  for (int n = 0; n < 100000; ++n) words += "ab ";
  const EntryTable table = TableOf(
      {Word(1, "one", words), Word(2, "two", std::string(1 << 20, ' ')), Word(3, "three", "trzy")});
  const ListPicture picture = LayOut(table);
  const ListRow& first = picture.Rows[0];
  // 175 px of room hold five "ab " (30 px each) a line; ten lines fill the list.
  ASSERT_EQ(first.Words.size(), 50u);
  EXPECT_EQ(first.Words.back().Y, 180);
  EXPECT_EQ(first.Bottom, 200);
  EXPECT_EQ(picture.Rows[1].Index, 0) << "a row that starts below the list is not laid out";
  EXPECT_TRUE(picture.Rows[1].Words.empty());
}

TEST(ListLayoutTest, RowsBeyondTheListAreEmpty) {
  const EntryTable table = TableOf({Word(1, "one", "jeden"), Word(2, "two", "dwa")});
  const ListPicture picture = LayOut(table);
  ASSERT_EQ(picture.Rows.size(), 10u);
  EXPECT_EQ(picture.Rows[1].Index, 2);
  EXPECT_EQ(picture.Rows[2].Index, 0);
  EXPECT_TRUE(picture.Rows[2].Words.empty());
  EXPECT_EQ(picture.Rows[9].Top, 180);
  EXPECT_EQ(IndexAt(picture, 1, 10, 65), 4);  // the caller finds it beyond the count
}

TEST(ListLayoutTest, ScrollPositionChoosesTheFirstRow) {
  std::vector<Entry> entries;
  for (int n = 1; n <= 30; ++n) entries.push_back(Word(n, "w" + std::to_string(n), "s"));
  const ListPicture picture = LayOut(TableOf(entries), 1, 21);
  EXPECT_EQ(picture.Rows[0].Headword, "w21");
  EXPECT_EQ(picture.Rows[9].Headword, "w30");
  EXPECT_EQ(IndexAt(picture, 21, 5, 30), 22);
}

TEST(ListLayoutTest, ScrollBarShowsFromElevenEntries) {
  struct Case {
    int count;
    int maximum;
    bool visible;
  };
  for (const Case c : {Case{0, 1, false}, Case{9, 1, false}, Case{10, 1, false}, Case{11, 2, true},
                       Case{15000, 14991, true}}) {
    SCOPED_TRACE(c.count);
    const ScrollRange range = ScrollRangeFor(c.count);
    EXPECT_EQ(range.Minimum, 1);
    EXPECT_EQ(range.Maximum, c.maximum);
    EXPECT_EQ(range.Visible, c.visible);
  }
}

TEST(ListLayoutTest, TypeAheadFindsTheFirstHeadwordBeginningWithTheText) {
  EntryTable table;
  for (const char* word : {"apple", "Bread", "bread roll", "butter", "\xA3\xF3\x64\x9F"}) {
    table.Add(Word(1, word, "x"));
  }
  table.EndWordList();
  table.Add(Word(2, "zebra", "zebra"));  // sentences take no part
  table.Finish();
  struct Case {
    const char* typed;
    int position;
  };
  for (const Case c :
       {Case{"b", 2}, Case{"BREAD ", 2}, Case{"bu", 4}, Case{"  ", 0}, Case{"\xA3\xF3", 5},
        Case{"\xB3\xF3", 0}, Case{"zeb", 0}, Case{"breadx", 0}}) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(TypeAheadPosition(table, c.typed), c.position);
  }
}

TEST(EntryBrowserTest, ShowsAllOrAResultAndForgetsThePickedRow) {
  std::vector<Entry> entries;
  for (int n = 1; n <= 12; ++n) entries.push_back(Word(100 + n, "w", "s", n == 3 ? 1 : 0));
  const EntryTable table = TableOf(entries);
  EntryBrowser browser(table, 1);
  browser.ShowAll();
  EXPECT_TRUE(browser.ShowingAll());
  EXPECT_EQ(browser.Count(), 12);
  EXPECT_TRUE(browser.Range().Visible);
  EXPECT_EQ(browser.CountLabel(), "");

  browser.ScrollTo(50);
  EXPECT_EQ(browser.ScrollPosition(), 3);  // the bar's maximum
  EXPECT_EQ(browser.Pick(3), 3);
  EXPECT_EQ(browser.Note(), "Poziom 1, 2");
  EXPECT_EQ(browser.SelectedEntryNo(), 103);
  EXPECT_EQ(browser.Pick(13), 0);  // beyond the list: nothing changes
  EXPECT_EQ(browser.SelectedEntryNo(), 103);
  EXPECT_EQ(browser.Pick(4), 4);
  EXPECT_EQ(browser.Note(), "");

  browser.ShowFound({2, 5}, "w");
  EXPECT_FALSE(browser.ShowingAll());
  EXPECT_EQ(browser.ScrollPosition(), 1);
  EXPECT_FALSE(browser.Range().Visible);
  EXPECT_EQ(browser.CountLabel(), "Słowo \"w\" wystąpiło 2 razy.");
  EXPECT_FALSE(browser.SelectedEntryNo());
  EXPECT_EQ(browser.Pick(2), 5);
  EXPECT_EQ(browser.SelectedEntryNo(), 105);
  browser.ShowAll();
  EXPECT_FALSE(browser.SelectedEntryNo());
}

}  // namespace
}  // namespace tess::dictionary
