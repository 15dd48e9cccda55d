#pragma once
// The text area of the conversations window laid out: speaker labels in bold, the words of each
// phrase wrapped to the area's width, question marks for hidden phrases and for gaps, each
// phrase's hit rectangle and the lines it takes. Everything is in content coordinates (the first
// line at y 1 with the text scrolled to its top); the window moves it up by 20 pixels per
// scrolled line.
#include <string>
#include <vector>

#include "exercises/DragDrop.h"
#include "shared/TextMeasurer.h"

namespace tess {

/// Marks a gap in a phrase text: written right before the gap's word.
inline constexpr const char* kGapMarker = "<!!TU>";
inline constexpr size_t kGapMarkerLength = 6;

struct LayoutPhrase {
  std::string Speaker;
  std::string Words;           ///< the text to lay out (translation, text, or text with gaps)
  bool QuestionMark = false;   ///< the phrase is a hidden question: one mark instead of words
};

struct LayoutSettings {
  static constexpr int kLineStep = 20;
  static constexpr int kVisibleLines = 23;
  int AreaWidth = 0;
  int SpeakerWidth = 0;  ///< the words start one pixel right of it
  bool GapMode = false;  ///< the phrases have no hit rectangles, their gaps do
  int MarkWidth = 0;     ///< the question-mark picture
  int MarkHeight = 0;
};

/// A piece of text drawn with its top-left corner at (X, Y), in the colour of its phrase.
struct PhraseRun {
  int Phrase = 0;
  int X = 0;
  int Y = 0;
  std::string Text;
  bool Bold = false;
  friend bool operator==(const PhraseRun&, const PhraseRun&) = default;
};

/// A question-mark picture: a hidden phrase (Gap 0) or the n-th gap still open in text order.
struct MarkPicture {
  int Phrase = 0;
  int Gap = 0;
  Point At;
  friend bool operator==(const MarkPicture&, const MarkPicture&) = default;
};

struct LaidPhrase {
  int Top = 0;    ///< y of its first line; its record button and switch stand 2 lower
  int Lines = 1;
  bool HasHit = false;
  DropArea Hit;   ///< edges included
};

/// An open gap, in text order: where its mark stands and the word after its marker.
struct LaidGap {
  int Phrase = 0;
  DropArea Area;
  std::string Answer;
};

struct ConversationPicture {
  std::vector<PhraseRun> Runs;
  std::vector<MarkPicture> Marks;
  std::vector<LaidPhrase> Phrases;  ///< phrase k at index k - 1
  std::vector<LaidGap> Gaps;
  int Bottom = 1;  ///< y of the line after the last phrase

  /// The first phrase whose hit rectangle holds the point (content coordinates), 0 when none;
  /// hovering also takes the pixel row under a rectangle.
  int PhraseAt(Point point, bool hovering = false) const;
  /// The largest first line at a full layout: 0 when everything fits the area.
  int MaxTopLine(int areaHeight) const;
};

ConversationPicture LayoutConversation(const std::vector<LayoutPhrase>& phrases,
                                       const LayoutSettings& settings,
                                       const TextMeasurer& measurer);

}  // namespace tess
