#pragma once
// Matching words to definitions ("DF"): up to twelve definitions, each with an empty box on its
// left, and a pool of the shuffled words above them. The learner drags each word into the box
// of its definition. Parsing, the shuffle, the pool, boxes, dashes and the wrapped definitions,
// the drops, the check with its marks and the score; the window only moves labels and paints.
#include <string>
#include <string_view>
#include <vector>

#include "exercises/DragDrop.h"
#include "exercises/Markup.h"
#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

struct DefinitionPair {
  std::string Word;
  std::string Definition;
};

/// Pairs of a "DF" content in written order, or the message (cp1250) why it cannot be used.
struct DefinitionsContent {
  std::vector<DefinitionPair> Pairs;
  std::string Error;  ///< empty when the content is usable
};

/// Parses the content (the kind line after "DF#"): pairs written as word, "*", definition,
/// "#", until the rest is blank. Content outside what the window can show (no pair, more than
/// twelve, a pair without "*", an empty word or definition, no final "#") is rejected whole.
DefinitionsContent ParseDefinitionsContent(std::string_view content);

/// A rectangle of window pixels.
struct DefinitionBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  /// Where a drop lands in it: every edge included, the far ones at left + width and
  /// top + height.
  DropArea Area() const { return {Left, Top, Left + Width, Top + Height}; }
  friend bool operator==(const DefinitionBox&, const DefinitionBox&) = default;
};

/// The exclamation mark a box that was not right gets at the check.
struct DefinitionMark {
  int Box = 0;
  Point At;
  std::string Hint;  ///< what the learner put there, "-" for nothing
};

class Definitions {
 public:
  static constexpr int kMaxPairs = 12;
  static constexpr int kDefaultTop = 180;  // the pool's top when the layout line leaves it
  static constexpr int kPoolLeft = 15;
  static constexpr int kPoolWrap = 560;  // a label reaching past this starts a new pool row
  static constexpr int kPoolGap = 20;
  static constexpr int kPoolRowStep = 20;
  static constexpr int kMaxPoolRows = 4;  // a fifth row would reach the definitions
  static constexpr int kFrameDrop = 80;   // the definitions start this far below the pool
  static constexpr int kFrameMargin = 45;
  static constexpr int kFrameSpan = 575;
  static constexpr int kBoxLeft = 15;
  static constexpr int kBoxMargin = 6;
  static constexpr int kDashLeft = 29;  // after the widest word
  static constexpr int kDashWidth = 10;
  static constexpr int kLineHeight = 17;
  static constexpr int kRowStep = 24;  // from a definition's last line to the next definition
  static constexpr int kTextDrop = 2;
  static constexpr int kMarkSize = 18;
  static constexpr int kMarkInset = 6;  // marks overlap the box's right edge by this much
  /// Labels follow the pointer only over the window's left part, not over its panel.
  static constexpr DropArea kFollowArea{0, 0, 699, 599};

  /// Load step: parse, shuffle, clear every mark and count. False when the content is
  /// rejected; then there are no pairs and LoadError() holds the message to show.
  bool Load(std::string_view content, RandomSource& random);
  const std::string& LoadError() const { return loadError_; }

  /// Measures the words (`words`: the labels' font, every label `labelHeight` high) and the
  /// definitions (`definitions`: the definitions' font), and lays out the pool with its top at
  /// `top` (-1: 180), the definitions below it, the boxes and dashes. A pool of more than four
  /// rows is refused like bad content: false, no pairs, LoadError() says why.
  bool Place(const TextMeasurer& words, int labelHeight, const TextMeasurer& definitions, int top);

  int PairCount() const { return static_cast<int>(pairs_.size()); }
  /// The word label k (1..PairCount()) shows after the shuffle.
  const std::string& Word(int label) const { return words_.at(label - 1); }
  /// Definition of row i, in written order.
  const std::string& Definition(int row) const { return pairs_.at(row - 1).Definition; }
  /// The row whose definition label k's word belongs to.
  int PairOfLabel(int label) const { return pairOfLabel_.at(label - 1); }
  /// The box label k lies in, 0 in the pool.
  int BoxOfLabel(int label) const { return boxes_.CellOf(label).Row; }
  /// The label lying in box i, 0 when it is empty.
  int LabelInBox(int box) const { return boxes_.LabelAt({1, box}); }
  int LabelWidth(int label) const { return widths_.at(label - 1); }
  int LabelHeight() const { return labelHeight_; }
  /// The widest word label.
  int WordWidth() const { return wordWidth_; }

  /// The definitions' paint box (`DxRamka`), window pixels; tall enough for every definition.
  DefinitionBox Frame() const { return frame_; }
  /// Box i (1..PairCount()), as tall as its definition.
  const DefinitionBox& Box(int row) const { return rows_.at(row - 1).Box; }
  /// Top-left corner of the 10 x 1 dash between box i and its definition.
  Point Dash(int row) const { return rows_.at(row - 1).Dash; }
  /// Every word of every definition with its blank, top-left corner in the frame's pixels.
  const std::vector<TextRun>& DefinitionWords() const { return definitionWords_; }

  /// The labels: their homes in the pool, where they rest, the lifted one.
  DragBoard& Board() { return board_; }
  const DragBoard& Board() const { return board_; }

  /// Label k was let go at `point` (window pixels). The first box holding the point that is
  /// empty or holds this label takes it, centred (boxes holding another label are passed
  /// over); else it goes back to the pool. Its previous box is freed either way. Nothing moves
  /// once checked.
  DropOutcome Drop(int label, Point point);

  /// Text of the label in box i, "-" when the box is empty.
  std::string AnswerText(int box) const;

  /// The check button: counts, marks the boxes that are not right and moves every word into
  /// its own box; freezes the labels. Does nothing a second time.
  void Check();
  const std::vector<DefinitionMark>& Marks() const { return marks_; }

  bool ExerciseTouched() const { return touched_ || board_.Dragged(); }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  /// Interface text of the verdict: 70 when every word is in its box, else 71 (shown red).
  int VerdictText() const;

 private:
  struct Row {
    DefinitionBox Box;
    Point Dash;
  };

  void Refuse(std::string error);
  void LayOutDefinitions(const TextMeasurer& measurer);
  Point CentredInBox(int label, int box) const;

  std::vector<DefinitionPair> pairs_;
  std::vector<std::string> words_;
  std::vector<int> pairOfLabel_;
  std::vector<int> widths_;
  std::vector<Row> rows_;
  std::vector<TextRun> definitionWords_;
  std::vector<DefinitionMark> marks_;
  std::string loadError_;
  CellTable boxes_;
  DragBoard board_;
  DefinitionBox frame_;
  int labelHeight_ = 0;
  int wordWidth_ = 0;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
