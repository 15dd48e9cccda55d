#pragma once
// The drag-and-drop exercise of a conversation: words drawn out of the phrases as gaps (a
// marker in the phrase text shows a question mark there), their labels placed in the word
// panel in random order, and the drops checked: a label dropped on its own gap fills it, any
// other drop sends it home.
#include <string>
#include <string_view>
#include <vector>

#include "drills/ConversationLayout.h"
#include "exercises/DragDrop.h"
#include "platform/RandomSource.h"

namespace tess {

/// Gaps of a phrase of `words` words: none up to 3, one up to 10, two up to 20, three up to
/// 800, none beyond.
int GapsForWordCount(int words);
/// The word without one trailing ".", then ",", "?", "!" and ";" (each looked at once).
std::string GapKey(std::string_view word);
/// What a label shows of its answer: without a trailing "...", a trailing and a leading double
/// quote, and then as GapKey.
std::string GapDisplayForm(std::string_view answer);

struct Gap {
  std::string Word;    ///< as drawn from the text
  std::string Key;
  std::string Answer;  ///< the word after its marker, from the first layout
  int Phrase = 0;
  DropArea Area;       ///< content coordinates; none once filled
  bool Filled = false;
};

struct GapDrop {
  enum class Kind { Ignored, Right, Wrong };
  Kind What = Kind::Ignored;
  bool AllFilled = false;
  /// Shown when the gap's marker could not be found again; the drop still counts.
  std::string Error;
};

class ConversationGaps {
 public:
  static constexpr int kMaxGaps = 20;
  static constexpr int kMaxWordsConsidered = 150;

  /// Draws the gaps and writes their markers into the texts (phrase k at index k - 1). A phrase
  /// with fewer suitable different words than its gaps takes fewer.
  void Draw(std::vector<std::string>& texts, RandomSource& random);
  int Count() const { return static_cast<int>(gaps_.size()); }
  /// Gap i, 1..Count(); its label is label i.
  const Gap& At(int i) const { return gaps_.at(static_cast<size_t>(i - 1)); }
  int FilledCount() const { return filled_; }
  bool AllFilled() const { return filled_ == Count(); }

  /// Takes the open gaps of a layout in text order. The first layout after the draw also
  /// numbers them: the n-th mark in the text is gap n, and its answer is the word after it.
  void Take(const ConversationPicture& picture);
  /// "  " + display form + "  ".
  std::string Caption(int i) const;

  /// Homes of the labels (index i - 1 for label i) in the word panel: rows from its top-left
  /// corner, labels in random order, 4 pixels apart.
  std::vector<Point> PlaceLabels(DropArea panel, const std::vector<int>& widths, int height,
                                 RandomSource& random) const;

  /// Label i let go at `point` (content coordinates). The gaps are tried in order; the first
  /// that holds the point decides. A right drop takes the marker out of the phrase text.
  GapDrop Drop(int label, Point point, std::vector<std::string>& texts);

 private:
  std::vector<Gap> gaps_;
  int filled_ = 0;
  bool numbered_ = false;
};

}  // namespace tess
