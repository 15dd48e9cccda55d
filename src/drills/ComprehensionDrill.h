#pragma once
// A comprehension exercise: up to 20 items, each a recording and three pictures of which one
// matches it. An item comes back (round the list) until it is answered right or tried three
// times; right and wrong clicks make the percent, which is recorded with kind 54.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "drills/ResultFigures.h"

namespace tess {

class RandomSource;

namespace comprehension_text {
inline constexpr int kInstruction = 12;
inline constexpr int kPlayHint = 52;
}  // namespace comprehension_text

/// Where the window's controls stand; the marks are placed from them.
namespace comprehension_layout {
inline constexpr std::array<int, 3> kPictureLeft = {81, 321, 559};
inline constexpr int kPictureTop = 130;
inline constexpr int kPictureWidth = 160;
inline constexpr int kPictureHeight = 200;
inline constexpr int kMarkSize = 40;
}  // namespace comprehension_layout

inline constexpr const char* kComprehensionHelpPage = "Htm_r\\h_comp.html#zdj";

struct ComprehensionQuestion {
  static constexpr int kMaxTries = 3;

  std::string Identifier;
  std::string SoundName;  ///< field 2 of the item + ".wav"
  std::string TextForeign;
  std::string TextPolish;
  /// Picture names after the shuffle; the right one is at CorrectPicture.
  std::array<std::string, 3> Pictures;
  int CorrectPicture = 1;
  int Tries = 0;
  bool Right = false;

  bool Resolved() const { return Right || Tries >= kMaxTries; }
};

/// How an opening went, with the messages (cp1250) to show in order.
struct ComprehensionOpening {
  enum class Outcome { Opened, NoExercise, TooManyItems, NoItems };
  Outcome What = Outcome::NoExercise;
  std::vector<std::string> Messages;

  bool Opened() const { return What == Outcome::Opened; }
};

struct MarkPlace {
  int Left = 0;
  int Top = 0;
  friend bool operator==(const MarkPlace&, const MarkPlace&) = default;
};

/// What a click on a picture did.
struct PictureAnswer {
  enum class Kind { Ignored, Right, Wrong };
  Kind What = Kind::Ignored;
  /// shape1 (the right mark): on the clicked picture when it was right, or on the right
  /// picture when the third wrong click gave it away.
  bool RightMarkShown = false;
  MarkPlace RightMark;
  /// shape2 (the wrong mark), on the clicked picture.
  bool WrongMarkShown = false;
  MarkPlace WrongMark;
  /// The item is resolved: its two texts are shown.
  bool TextsShown = false;
};

class ComprehensionDrill {
 public:
  static constexpr int kMaxItems = 20;

  explicit ComprehensionDrill(RandomSource& random) : random_(random) {}

  /// Prepares exercise n (1-based) of the catalogue: its items looked up, their pictures
  /// shuffled once, item 1 current. Unknown identifiers are left out with one message;
  /// more than 20 identifiers, or none found, refuse the exercise.
  ComprehensionOpening Open(int n, const ComprehensionCatalogue& catalogue,
                            const ComprehensionItems& items);

  /// The identifiers of an items line ("a=b=c="), trimmed, empty pieces left out; a last
  /// piece without its "=" still counts.
  static std::vector<std::string> SplitIdentifiers(const std::string& itemsLine);

  int ItemCount() const { return static_cast<int>(questions_.size()); }
  int CurrentItem() const { return current_; }
  const ComprehensionQuestion& Item(int i) const { return questions_[static_cast<size_t>(i - 1)]; }
  const ComprehensionQuestion& Current() const { return Item(current_); }
  /// The item on screen has been answered: next is offered and clicks are ignored.
  bool Answered() const { return answered_; }

  /// A click on picture 1..3 of the current item.
  PictureAnswer Answer(int picture);
  /// Next: true when every item is resolved (the exercise is finished and the window
  /// closes); otherwise the next unresolved item after the current one, round the list,
  /// becomes current.
  bool Next();

  int Good() const { return good_; }
  int Bad() const { return bad_; }
  int Percent() const { return percent_; }
  bool Attempted() const { return attempted_; }
  bool Finished() const { return finished_; }
  /// good, bad, percent, item count.
  ResultFigures Figures() const;

  /// A picture of the current item: its own file, or the placeholder of its position when
  /// that file does not exist.
  std::string PicturePath(int picture, const std::string& mediaDir,
                          const std::function<bool(const std::string&)>& exists) const;
  std::string SoundPath(const std::string& programDir) const;

  /// 0-2 give 1, 3-5 give 2, 6-9 give 3.
  static int BackgroundNumber(int draw);
  /// Draws the background and gives its path.
  std::string DrawBackground(const std::string& programDir);

  static MarkPlace TopRightMark(int picture);
  static MarkPlace RevealMark(int picture);

 private:
  void Shuffle(ComprehensionQuestion& question);

  RandomSource& random_;
  std::vector<ComprehensionQuestion> questions_;
  int current_ = 1;
  int good_ = 0;
  int bad_ = 0;
  int percent_ = 0;
  bool attempted_ = false;
  bool finished_ = false;
  bool answered_ = false;
};

}  // namespace tess
