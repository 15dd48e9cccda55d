#pragma once
// What screen readers must be told when the rows a painted list shows change: the rows keep
// their place on screen, so a scroll renames them rather than moving them.
#include <string>
#include <vector>

namespace tess {

/// The rows as screen readers were told them, or as they are now.
struct RowSnapshot {
  std::vector<std::string> Texts;  ///< UTF-8, top first
  int Selected = -1;               ///< -1 for none
};

struct RowChanges {
  bool CountChanged = false;
  /// Rows there before and after whose text changed.
  std::vector<int> Renamed;
  /// Rows that lost or gained the selection, and are still there.
  std::vector<int> SelectionChanged;
  /// The selected row when it or its text changed: read out as the focus moving, where the
  /// list has the focus. -1 for none.
  int Focus = -1;

  bool Empty() const {
    return !CountChanged && Renamed.empty() && SelectionChanged.empty() && Focus < 0;
  }
};

RowChanges CompareRows(const RowSnapshot& before, const RowSnapshot& after);

}  // namespace tess
