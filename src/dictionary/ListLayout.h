#pragma once
// How the list of the dictionary window is laid out: ten entries from the scroll position, the
// headword on the left (cut with "..." when too wide), the translation from x = 225 wrapped into
// further lines, word-class tags shown as grey italic abbreviations with hints.
#include <string>
#include <vector>

#include "shared/TextMeasurer.h"

namespace tess::dictionary {

class EntryTable;

constexpr int kListRows = 10;
constexpr int kRowHeight = 20;
constexpr int kHeadwordWidth = 225;  // the translation column starts here
constexpr int kTagGap = 4;           // room after an abbreviation

/// A piece of text at its place in the list (y is the top of its line).
struct ListWord {
  int X = 0;
  int Y = 0;
  std::string Text;  ///< cp1250 for the translation side
  bool Tag = false;  ///< grey italics

  friend bool operator==(const ListWord&, const ListWord&) = default;
};

/// Where an abbreviation lies and what its hint says (UTF-8).
struct HintBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  std::string Hint;

  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

struct ListRow {
  int Top = 0;
  int Bottom = 0;        ///< 20 more per line of the translation
  int Index = 0;         ///< 1-based into the found list; 0 for a row beyond it
  std::string Headword;  ///< as shown, in the headword's code page, drawn at (0, Top)
  std::vector<ListWord> Words;
};

struct ListPicture {
  std::vector<ListRow> Rows;  ///< always ten
  std::vector<HintBox> Hints;
  int RowRight = 0;  ///< right edge of every row's rectangle (the window's width)
};

struct ListGeometry {
  int ListWidth = 0;    ///< where translations wrap
  int WindowWidth = 0;  ///< right edge of the row rectangles
  /// Lines that start below it are not laid out: they could not be seen.
  int ListHeight = kListRows * kRowHeight;
};

/// Lays out the rows of `found` from 1-based `scrollPosition`. Headwords are measured with
/// `headwords`, translations (plain and italic) with `translations`. The work is bounded by
/// what the list can show: a row whose translation runs below the list ends there.
ListPicture LayOutList(const EntryTable& table, const std::vector<int>& found, int scrollPosition,
                       int language, const ListGeometry& geometry, const TextMeasurer& headwords,
                       const TextMeasurer& translations);

/// A headword no wider than 225 pixels, or cut with "..." to less than that.
std::string FitHeadword(const std::string& headword, const TextMeasurer& measurer);

/// The 1-based index into the found list of a press at (x, y): the row whose rectangle holds
/// the point, else scroll position + y div 20. The caller checks it against the count.
int IndexAt(const ListPicture& picture, int scrollPosition, int x, int y);

/// The hint at (x, y); empty when no abbreviation with a hint lies there.
std::string HintAt(const ListPicture& picture, int x, int y);

/// The scroll bar of a list of `count` entries: minimum 1, maximum count - 9 when that is
/// above 1 (the bar shows), else 1 with the bar hidden.
struct ScrollRange {
  int Minimum = 1;
  int Maximum = 1;
  bool Visible = false;
};
ScrollRange ScrollRangeFor(int count);

/// Type-ahead: the first position 1 to WordCount whose headword, lower-cased, begins with the
/// lower-cased trimmed `typed` ("A" to "Z" fold); 0 when none or `typed` is blank.
int TypeAheadPosition(const EntryTable& table, const std::string& typed);

}  // namespace tess::dictionary
