#include "dictionary/ListLayout.h"

#include "dictionary/DictionaryLanguage.h"
#include "dictionary/EntryTable.h"
#include "shared/Text.h"

namespace tess::dictionary {

namespace {

// Lays the translation's words out from x = 225 of the row whose first line starts at `y`;
// returns the top of its last line. Lines below the list are left out.
int LayOutTranslation(std::string_view translation, int y, int language,
                      const ListGeometry& geometry, const TextMeasurer& measurer, ListRow& row,
                      std::vector<HintBox>& hints) {
  int x = kHeadwordWidth;
  // Word by word as the course splits words: runs of blanks give empty words.
  size_t start = 0;
  while (start < translation.size()) {
    const std::string token = NextWord(translation.substr(start));
    start += token.size() + 1;
    WordClassTag tag;
    const bool isTag = WordClassTagOf(language, token, tag);
    const std::string& shown = isTag ? tag.Shown : token;
    const int withBlank = measurer.Width(shown + " ", false, isTag);
    if (x + withBlank > geometry.ListWidth) {
      if (y + kRowHeight >= geometry.ListHeight) break;
      y += kRowHeight;
      x = kHeadwordWidth;
    }
    if (isTag) {
      row.Words.push_back({x, y, shown, true});
      if (!tag.Hint.empty()) hints.push_back({x, y, x + withBlank, y + kRowHeight, tag.Hint});
      x += measurer.Width(shown, false, true) + kTagGap;
    } else {
      row.Words.push_back({x, y, shown + " ", false});
      x += withBlank;
    }
  }
  return y;
}

}  // namespace

std::string FitHeadword(const std::string& headword, const TextMeasurer& measurer) {
  // Every character is at least a pixel wide, so a headword longer than the column is cut
  // before anything is measured, and the cutting below measures at most that many times.
  const size_t longest = static_cast<size_t>(kHeadwordWidth);
  if (headword.size() <= longest && measurer.Width(headword, false, false) <= kHeadwordWidth) {
    return headword;
  }
  std::string cut = headword.substr(0, longest);
  while (!cut.empty() && measurer.Width(cut + "...", false, false) >= kHeadwordWidth)
    cut.pop_back();
  return cut + "...";
}

ListPicture LayOutList(const EntryTable& table, const std::vector<int>& found, int scrollPosition,
                       int language, const ListGeometry& geometry, const TextMeasurer& headwords,
                       const TextMeasurer& translations) {
  ListPicture picture;
  picture.RowRight = geometry.WindowWidth;
  const int count = static_cast<int>(found.size());
  int y = 0;
  for (int r = 0; r < kListRows; ++r) {
    ListRow row;
    row.Top = y;
    const int index = scrollPosition + r;
    if (index >= 1 && index <= count && y < geometry.ListHeight) {
      const int position = found[static_cast<size_t>(index - 1)];
      row.Index = index;
      row.Headword = FitHeadword(table.Headword(position), headwords);
      y = LayOutTranslation(table.Translation(position), y, language, geometry, translations, row,
                            picture.Hints);
    }
    y += kRowHeight;
    row.Bottom = y;
    picture.Rows.push_back(std::move(row));
  }
  return picture;
}

int IndexAt(const ListPicture& picture, int scrollPosition, int x, int y) {
  for (size_t r = 0; r < picture.Rows.size(); ++r) {
    const ListRow& row = picture.Rows[r];
    if (x >= 0 && x < picture.RowRight && y >= row.Top && y < row.Bottom) {
      return scrollPosition + static_cast<int>(r);
    }
  }
  return scrollPosition + y / kRowHeight;
}

std::string HintAt(const ListPicture& picture, int x, int y) {
  for (const HintBox& box : picture.Hints) {
    if (box.Contains(x, y)) return box.Hint;
  }
  return {};
}

ScrollRange ScrollRangeFor(int count) {
  if (count - (kListRows - 1) > 1) return {1, count - (kListRows - 1), true};
  return {1, 1, false};
}

int TypeAheadPosition(const EntryTable& table, const std::string& typed) {
  const std::string prefix = LowerAZ(Trim(typed));
  if (prefix.empty()) return 0;
  for (int position = 1; position <= table.WordCount(); ++position) {
    const std::string& headword = table.Headword(position);
    if (headword.size() >= prefix.size() &&
        SameTextAZ(std::string_view(headword).substr(0, prefix.size()), prefix)) {
      return position;
    }
  }
  return 0;
}

}  // namespace tess::dictionary
