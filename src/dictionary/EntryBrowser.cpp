#include "dictionary/EntryBrowser.h"

#include <algorithm>
#include <numeric>

#include "dictionary/EntryTable.h"
#include "dictionary/Search.h"

namespace tess::dictionary {

void EntryBrowser::ShowAll() {
  found_.resize(static_cast<size_t>(table_.WordCount()));
  std::iota(found_.begin(), found_.end(), 1);
  showingAll_ = true;
  countLabel_.clear();
  Refresh();
}

void EntryBrowser::ShowFound(std::vector<int> positions, const std::string& searchTextUtf8) {
  found_ = std::move(positions);
  showingAll_ = false;
  countLabel_ = FoundCountText(language_, searchTextUtf8, Count());
  Refresh();
}

void EntryBrowser::Refresh() {
  note_.clear();
  selectedRow_.reset();
  scrollPosition_ = 1;
  ++layoutVersion_;
}

void EntryBrowser::ScrollTo(int position) {
  const ScrollRange range = Range();
  const int clamped = std::clamp(position, range.Minimum, range.Maximum);
  if (clamped != scrollPosition_) ++layoutVersion_;
  scrollPosition_ = clamped;
}

int EntryBrowser::Pick(int index) {
  if (index < 1 || index > Count()) return 0;
  selectedRow_ = index;
  const int position = found_[static_cast<size_t>(index - 1)];
  note_ = table_.LevelMark(position) == 1 ? "Poziom 1, 2" : "";
  return position;
}

std::optional<int> EntryBrowser::SelectedEntryNo() const {
  if (!selectedRow_) return std::nullopt;
  return table_.EntryNo(found_[static_cast<size_t>(*selectedRow_ - 1)]);
}

}  // namespace tess::dictionary
