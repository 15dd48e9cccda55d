#pragma once
// Why a typed answer is wrong: the one kind of mistake that tells it apart from an accepted
// answer (capital letter, foreign letter, blanks, punctuation, a slip in one word, a word
// missing or too many, word order) and its explanation in Polish. Texts are course bytes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

/// From the smallest mistake to none that fits; an answer with alternatives is explained by
/// the alternative that gives the smallest.
enum class MistakeKind {
  None,           ///< the answer is accepted as typed
  Case,           ///< only capital and small letters differ
  ForeignLetter,  ///< a foreign letter missing or wrong: ä for a, ss for ß, é for è
  Spacing,        ///< only the blanks between words differ
  Punctuation,    ///< only punctuation marks differ
  Typo,           ///< one word one letter off: wrong, missing, extra, or two letters swapped
  MissingWord,
  ExtraWord,
  WordOrder,  ///< the same words in another order
  Other,      ///< nothing typed, or more than one of the above, or another word
};

struct Mistake {
  MistakeKind Kind = MistakeKind::None;
  std::string Expected;  ///< ForeignLetter: the letter due; Typo, MissingWord: the word
  std::string Typed;     ///< ForeignLetter: what stands in its place; ExtraWord: the word
  friend bool operator==(const Mistake&, const Mistake&) = default;
};

struct MistakeOptions {
  bool CaseSensitive = false;   ///< off: "A" to "Z" against "a" to "z" is no mistake
  bool KeepPunctuation = true;  ///< off: the marks `StripPunctuation` removes are no mistake
  int CourseLanguage = 1;       ///< 2 German and 3 French have foreign letters; 3 is cp1252
};

/// Longer texts are not looked into (Other): an answer is a word or a sentence.
inline constexpr std::size_t kMaxClassifiedLength = 1000;

/// The mistake of `typed` against the nearest of `answers` (None when one accepts it). The
/// work is linear in the lengths, but for sorting the words once.
Mistake ClassifyMistake(std::string_view typed, const std::vector<std::string>& answers,
                        const MistakeOptions& options);

/// A piece of an explanation: Polish text in cp1250, or a letter or word quoted from the
/// course text, in the course's code page.
struct ExplanationPiece {
  std::string Text;
  bool CourseText = false;
  friend bool operator==(const ExplanationPiece&, const ExplanationPiece&) = default;
};

/// "Błąd: ..." in pieces; nothing for None and Other, which have nothing more to tell.
std::vector<ExplanationPiece> MistakeExplanation(const Mistake& mistake);

}  // namespace tess
