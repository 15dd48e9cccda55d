#include "widgets/RowChanges.h"

#include <algorithm>

namespace tess {

RowChanges CompareRows(const RowSnapshot& before, const RowSnapshot& after) {
  RowChanges changes;
  const int count = static_cast<int>(after.Texts.size());
  const int common = static_cast<int>(std::min(before.Texts.size(), after.Texts.size()));
  changes.CountChanged = static_cast<int>(before.Texts.size()) != count;
  for (int row = 0; row < common; ++row) {
    if (before.Texts[static_cast<size_t>(row)] != after.Texts[static_cast<size_t>(row)]) {
      changes.Renamed.push_back(row);
    }
  }
  if (before.Selected != after.Selected) {
    for (const int row : {before.Selected, after.Selected}) {
      if (row >= 0 && row < count) changes.SelectionChanged.push_back(row);
    }
  }
  const int selected = after.Selected >= 0 && after.Selected < count ? after.Selected : -1;
  const bool renamed =
      selected >= 0 && selected < common &&
      before.Texts[static_cast<size_t>(selected)] != after.Texts[static_cast<size_t>(selected)];
  if (selected >= 0 && (before.Selected != after.Selected || renamed)) changes.Focus = selected;
  return changes;
}

}  // namespace tess
