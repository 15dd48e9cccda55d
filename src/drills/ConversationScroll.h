#pragma once
// Scrolling of the conversation text by whole lines: the first line shown, its largest value,
// the two arrows, and keeping a phrase in view while it is played.
#include <vector>

#include "drills/ConversationLayout.h"

namespace tess {

class ConversationScroll {
 public:
  /// A full layout: back at the top, the lines of every phrase remembered; the down arrow
  /// only when the text ends below the area, the up arrow hidden.
  void Relayout(const ConversationPicture& picture, int areaHeight);
  /// A revealed phrase may need more lines: when the text now ends below the area, the range
  /// grows to take it and the down arrow shows.
  void GrowAfterAnswer(const ConversationPicture& picture, int areaHeight);
  /// Back at the top without a new layout (the play buttons); the arrows stay.
  void ToTop() { topLine_ = 0; }

  /// The arrows; false when the line did not move (nothing to repaint).
  bool Up();
  bool Down();
  /// Scrolls so that phrase k (its lines from the last full layout) is in view; true when the
  /// first line moved. Sets the arrows, unless everything fits.
  bool EnsureVisible(int k);

  int TopLine() const { return topLine_; }
  int MaxTopLine() const { return maxTopLine_; }
  bool UpShown() const { return upShown_; }
  bool DownShown() const { return downShown_; }

  /// Text-area coordinates of the window into the layout's content coordinates and back.
  Point ToContent(Point areaPoint) const {
    return {areaPoint.X, areaPoint.Y + LayoutSettings::kLineStep * topLine_};
  }
  int AreaY(int contentY) const { return contentY - LayoutSettings::kLineStep * topLine_; }

 private:
  std::vector<int> lines_;
  int topLine_ = 0;
  int maxTopLine_ = 0;
  bool upShown_ = false;
  bool downShown_ = false;
};

}  // namespace tess
