#pragma once
// The puzzle of one sentence: its words shuffled out of order, a blank slot after them so a
// word can be moved to the end, the boxes the words were last painted in, and the move rule.
#include <string>
#include <string_view>
#include <vector>

namespace tess {

class RandomSource;
class TextMeasurer;

struct WordBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Contains(int x, int y) const {
    return x >= Left && x <= Left + Width && y >= Top && y <= Top + Height;
  }
};

class SentencePuzzle {
 public:
  static constexpr int kMaxWords = 200;  // the blank slot included
  static constexpr int kLineStep = 20;
  static constexpr const char* kBlankSlot = "     ";

  /// The text up to each blank, the blank dropped; a doubled blank gives an empty word.
  static std::vector<std::string> SplitWords(std::string_view sentence);
  /// Whether any order of `words` reads differently from the words as they stand (trimmed and
  /// lower-cased): not so for one word, or words that are all the same.
  static bool CanBeShuffled(const std::vector<std::string>& words);

  /// Splits and shuffles `sentence` and appends the blank slot. A sentence that no order can
  /// change stays as it is.
  void Set(std::string_view sentence, RandomSource& random);

  /// The words and the blank slot, in their current order.
  const std::vector<std::string>& Words() const { return words_; }
  int Count() const { return static_cast<int>(words_.size()); }
  /// Word 1..Count(); a word that is blank after trimming cannot be picked.
  const std::string& Word(int n) const { return words_[static_cast<size_t>(n - 1)]; }
  bool Pickable(int n) const;

  /// Lays the words out as they are painted: each followed by two blanks, a new line 20
  /// pixels lower when the next would pass `areaWidth`.
  void Layout(const TextMeasurer& measurer, int areaWidth, int wordHeight);
  const std::vector<WordBox>& Boxes() const { return boxes_; }
  const WordBox& Box(int n) const { return boxes_[static_cast<size_t>(n - 1)]; }
  /// The first word whose box holds the point, borders included; 0 for none.
  int WordAt(int x, int y) const;

  /// Word `picked` goes before word `target`: onto itself or onto the word after it nothing
  /// moves, onto the blank slot it goes to the end. False when nothing moved.
  bool Move(int picked, int target);

  /// The words in their order, each followed by one blank.
  std::string Answer() const;

 private:
  std::vector<std::string> words_;
  std::vector<WordBox> boxes_;
};

}  // namespace tess
