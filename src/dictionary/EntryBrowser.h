#pragma once
// What the dictionary window shows: all entries or the result of a search, the scroll
// position, the row picked last and the note about it. The window paints and forwards.
#include <optional>
#include <string>
#include <vector>

#include "dictionary/ListLayout.h"

namespace tess::dictionary {

class EntryTable;

class EntryBrowser {
 public:
  EntryBrowser(const EntryTable& table, int language) : table_(table), language_(language) {}

  /// Positions 1 to WordCount, no count line.
  void ShowAll();
  /// A search result with its count line for `searchTextUtf8`.
  void ShowFound(std::vector<int> positions, const std::string& searchTextUtf8);

  bool ShowingAll() const { return showingAll_; }
  const std::vector<int>& FoundList() const { return found_; }
  int Count() const { return static_cast<int>(found_.size()); }
  /// UTF-8; empty while all entries are shown.
  const std::string& CountLabel() const { return countLabel_; }

  ScrollRange Range() const { return ScrollRangeFor(Count()); }
  /// Changes whenever the rows the list shows change, so a laid-out list can be kept until then.
  int LayoutVersion() const { return layoutVersion_; }
  int ScrollPosition() const { return scrollPosition_; }
  /// Moves within the range of the bar.
  void ScrollTo(int position);

  /// A press on the list hit `index` (1-based into the found list): when that is an entry,
  /// it becomes the selected row, the note tells its level, and its table position is
  /// returned; otherwise 0 and nothing changes.
  int Pick(int index);
  /// The entry number of the selected row; nothing when no row was picked since the list
  /// last changed.
  std::optional<int> SelectedEntryNo() const;
  /// The index of the selected row in the found list; nothing when none is picked.
  std::optional<int> SelectedRow() const { return selectedRow_; }
  /// "Poziom 1, 2" (UTF-8) for an entry of levels 1 and 2, else empty.
  const std::string& Note() const { return note_; }

 private:
  void Refresh();

  const EntryTable& table_;
  int language_;
  std::vector<int> found_;
  bool showingAll_ = true;
  std::string countLabel_;
  int scrollPosition_ = 1;
  int layoutVersion_ = 0;
  std::optional<int> selectedRow_;
  std::string note_;
};

}  // namespace tess::dictionary
