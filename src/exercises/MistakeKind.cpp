#include "exercises/MistakeKind.h"

#include <algorithm>
#include <span>

#include "exercises/Scoring.h"
#include "shared/Text.h"

namespace tess {
namespace {

constexpr int kGerman = 2;
constexpr int kFrench = 3;

struct ForeignLetter {
  unsigned char Letter;  ///< the small letter; capitals are folded to it first
  std::string_view Base;
};

// The letters the Ctrl input types, and what is typed for them without it. The French ones
// are cp1252 codes.
constexpr ForeignLetter kGermanLetters[] = {
    {0xE4, "a"}, {0xF6, "o"}, {0xFC, "u"}, {0xDF, "ss"}, {0xEB, "e"},
};
constexpr ForeignLetter kFrenchLetters[] = {
    {0xE9, "e"}, {0xE8, "e"}, {0xEA, "e"}, {0xEB, "e"}, {0xE0, "a"}, {0xE2, "a"},
    {0xE7, "c"}, {0xF9, "u"}, {0xFB, "u"}, {0xEE, "i"}, {0xEF, "i"}, {0xF4, "o"},
};

// Marks besides letters and digits: the compared set, the hyphen, brackets, and the quotes
// and dashes both code pages put at the same codes.
constexpr std::string_view kPunctuation = ".,;:!?'\"-()\x84\x85\x91\x92\x93\x94\x96\x97\xAB\xBB";

bool IsPunctuation(char c) { return kPunctuation.find(c) != std::string_view::npos; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
char SmallAZ(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

/// One edit apart: a letter wrong, missing or extra, or two neighbours swapped.
bool OneEditApart(std::string_view a, std::string_view b) {
  if (a.size() < b.size()) std::swap(a, b);
  if (a.size() - b.size() > 1 || a == b) return false;
  size_t i = 0;
  while (i < b.size() && a[i] == b[i]) ++i;
  if (a.size() != b.size()) return a.substr(i + 1) == b.substr(i);
  if (a.substr(i + 1) == b.substr(i + 1)) return true;
  return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] &&
         a.substr(i + 2) == b.substr(i + 2);
}

struct Word {
  std::string Shown;  ///< as written, without its marks
  std::string Key;    ///< folded: what words are compared by
};

class Comparison {
 public:
  explicit Comparison(const MistakeOptions& options)
      : options_(options), cp1252_(options.CourseLanguage == kFrench) {
    if (options.CourseLanguage == kGerman) letters_ = kGermanLetters;
    if (options.CourseLanguage == kFrench) letters_ = kFrenchLetters;
  }

  std::string Prepared(std::string_view text) const {
    if (options_.KeepPunctuation) return Trim(text);
    return Trim(StripPunctuation(text, options_.CourseLanguage));
  }

  /// Both prepared.
  Mistake Classify(std::string_view typed, std::string_view expected) const {
    if (Same(typed, expected)) return {};
    if (typed.empty() || typed.size() > kMaxClassifiedLength ||
        expected.size() > kMaxClassifiedLength) {
      return {MistakeKind::Other, {}, {}};
    }
    if (Folded(typed) == Folded(expected)) return {MistakeKind::Case, {}, {}};
    Mistake letter{MistakeKind::ForeignLetter, {}, {}};
    if (ForeignLettersOnly(typed, expected, letter)) return letter;
    if (Same(Without(typed, IsBlank), Without(expected, IsBlank))) {
      return {MistakeKind::Spacing, {}, {}};
    }
    if (Same(Unmarked(typed), Unmarked(expected))) return {MistakeKind::Punctuation, {}, {}};
    return InWords(typed, expected);
  }

 private:
  /// Small letter of any capital of the course's code page, accented ones included.
  char Small(char c) const {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
    if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
    if (cp1252_) return c;
    switch (u) {
      case 0x8D:
      case 0x8F:
        return static_cast<char>(u + 0x10);
      case 0xA3:
        return '\xB3';
      case 0xA5:
        return '\xB9';
      case 0xAA:
        return '\xBA';
      case 0xAF:
        return '\xBF';
      case 0xBC:
        return '\xBE';
      default:
        return c;
    }
  }
  std::string Folded(std::string_view text) const {
    std::string folded(text);
    for (char& c : folded) c = Small(c);
    return folded;
  }
  /// Equal as the check sees them: letter case counts only when the option says so.
  bool Same(char a, char b) const {
    return a == b || (!options_.CaseSensitive && SmallAZ(a) == SmallAZ(b));
  }
  bool Same(std::string_view a, std::string_view b) const {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [this](char x, char y) { return Same(x, y); });
  }
  template <typename Drop>
  static std::string Without(std::string_view text, Drop drop) {
    std::string kept;
    for (const char c : text) {
      if (!drop(c)) kept += c;
    }
    return kept;
  }
  /// The marks removed and the blanks left behind brought to one between words.
  static std::string Unmarked(std::string_view text) {
    std::string kept;
    bool gap = false;
    for (const char c : text) {
      if (IsPunctuation(c)) continue;
      if (IsBlank(c)) {
        gap = true;
        continue;
      }
      if (gap && !kept.empty()) kept += ' ';
      gap = false;
      kept += c;
    }
    return kept;
  }
  /// What a foreign letter is typed as without it; empty for any other byte.
  std::string_view Base(char c) const {
    const unsigned char small = static_cast<unsigned char>(Small(c));
    for (const ForeignLetter& letter : letters_) {
      if (letter.Letter == small) return letter.Base;
    }
    return {};
  }
  /// `text` from `at` on begins with `base`, letter case aside.
  bool BeginsWith(std::string_view text, size_t at, std::string_view base) const {
    if (text.size() - at < base.size()) return false;
    for (size_t k = 0; k < base.size(); ++k) {
      if (Small(text[at + k]) != base[k]) return false;
    }
    return true;
  }

  /// The texts differ only where a foreign letter stands for its base letters, for them, or
  /// for another foreign letter of the same base; `mistake` takes the first such place.
  bool ForeignLettersOnly(std::string_view typed, std::string_view expected,
                          Mistake& mistake) const {
    size_t e = 0;
    size_t t = 0;
    bool found = false;
    while (e < expected.size() && t < typed.size()) {
      if (Same(expected[e], typed[t])) {
        ++e;
        ++t;
        continue;
      }
      const std::string_view due = Base(expected[e]);
      const std::string_view put = Base(typed[t]);
      size_t dueLength = 1;
      size_t putLength = 1;
      if (!due.empty() && !put.empty()) {
        // The same letter in the other case is a capital mistake, not this one.
        if (due != put || Small(expected[e]) == Small(typed[t])) return false;
      } else if (!due.empty()) {
        if (!BeginsWith(typed, t, due)) return false;
        putLength = due.size();
      } else if (!put.empty()) {
        if (!BeginsWith(expected, e, put)) return false;
        dueLength = put.size();
      } else {
        return false;
      }
      if (!found) {
        mistake.Expected = std::string(expected.substr(e, dueLength));
        mistake.Typed = std::string(typed.substr(t, putLength));
        found = true;
      }
      e += dueLength;
      t += putLength;
    }
    return found && e == expected.size() && t == typed.size();
  }

  std::vector<Word> WordsOf(std::string_view text) const {
    std::vector<Word> words;
    size_t at = 0;
    while (at < text.size()) {
      while (at < text.size() && IsBlank(text[at])) ++at;
      const size_t start = at;
      while (at < text.size() && !IsBlank(text[at])) ++at;
      std::string shown = Without(text.substr(start, at - start), IsPunctuation);
      if (shown.empty()) continue;
      std::string key = Folded(shown);
      words.push_back({std::move(shown), std::move(key)});
    }
    return words;
  }

  /// Word by word, letter case and marks aside: what is left when no single letter-level
  /// kind explains the whole difference.
  Mistake InWords(std::string_view typed, std::string_view expected) const {
    const std::vector<Word> got = WordsOf(typed);
    const std::vector<Word> due = WordsOf(expected);
    const size_t n = due.size();
    const size_t m = got.size();
    const size_t shorter = std::min(n, m);
    size_t prefix = 0;
    while (prefix < shorter && got[prefix].Key == due[prefix].Key) ++prefix;
    size_t suffix = 0;
    while (suffix < shorter - prefix && got[m - 1 - suffix].Key == due[n - 1 - suffix].Key) {
      ++suffix;
    }
    const Mistake other{MistakeKind::Other, {}, {}};
    if (n == m) {
      if (prefix == n) return other;  // several small kinds at once
      if (prefix + suffix + 1 == n) {
        const Word& typedWord = got[prefix];
        const Word& dueWord = due[prefix];
        Mistake letter{MistakeKind::ForeignLetter, {}, {}};
        if (Comparison({false, true, options_.CourseLanguage})
                .ForeignLettersOnly(typedWord.Shown, dueWord.Shown, letter)) {
          return letter;
        }
        if (OneEditApart(typedWord.Key, dueWord.Key)) return {MistakeKind::Typo, dueWord.Shown, {}};
      }
      std::vector<std::string> gotKeys;
      std::vector<std::string> dueKeys;
      for (size_t k = prefix; k < n - suffix; ++k) {
        gotKeys.push_back(got[k].Key);
        dueKeys.push_back(due[k].Key);
      }
      std::sort(gotKeys.begin(), gotKeys.end());
      std::sort(dueKeys.begin(), dueKeys.end());
      return gotKeys == dueKeys ? Mistake{MistakeKind::WordOrder, {}, {}} : other;
    }
    if (m + 1 == n && prefix + suffix >= m)
      return {MistakeKind::MissingWord, due[prefix].Shown, {}};
    if (n + 1 == m && prefix + suffix >= n) return {MistakeKind::ExtraWord, {}, got[prefix].Shown};
    return other;
  }

  MistakeOptions options_;
  bool cp1252_ = false;
  std::span<const ForeignLetter> letters_;
};

// Polish texts of the explanation, cp1250.
constexpr const char* kMistake =
    "B\xB3\xB9"
    "d: ";

}  // namespace

Mistake ClassifyMistake(std::string_view typed, const std::vector<std::string>& answers,
                        const MistakeOptions& options) {
  const Comparison comparison(options);
  const std::string entry = comparison.Prepared(typed);
  Mistake nearest{MistakeKind::Other, {}, {}};
  for (const std::string& answer : answers) {
    Mistake mistake = comparison.Classify(entry, comparison.Prepared(answer));
    if (mistake.Kind < nearest.Kind) nearest = std::move(mistake);
    if (nearest.Kind == MistakeKind::None) break;
  }
  return nearest;
}

std::vector<ExplanationPiece> MistakeExplanation(const Mistake& mistake) {
  const auto polish = [](std::string text) {
    return ExplanationPiece{std::string(kMistake) + std::move(text), false};
  };
  const auto quoted = [](const std::string& text) { return ExplanationPiece{text, true}; };
  const ExplanationPiece closing{"\x94", false};
  switch (mistake.Kind) {
    case MistakeKind::Case:
      return {
          polish("wielka/ma\xB3"
                 "a litera")};
    case MistakeKind::ForeignLetter: {
      const auto foreign = [](const std::string& text) {
        return std::any_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
      };
      if (foreign(mistake.Expected) && !foreign(mistake.Typed)) {
        return {polish("brak litery "),
                quoted(mistake.Expected),
                {" (wpisano ", false},
                quoted(mistake.Typed),
                {")", false}};
      }
      return {polish("wpisano "),
              quoted(mistake.Typed),
              {" zamiast ", false},
              quoted(mistake.Expected)};
    }
    case MistakeKind::Spacing:
      return {
          polish("odst\xEApy mi\xEA"
                 "dzy wyrazami")};
    case MistakeKind::Punctuation:
      return {polish("znaki interpunkcyjne")};
    case MistakeKind::Typo:
      return {polish("liter\xF3wka w wyrazie \x84"), quoted(mistake.Expected), closing};
    case MistakeKind::MissingWord:
      return {polish("brakuje wyrazu \x84"), quoted(mistake.Expected), closing};
    case MistakeKind::ExtraWord:
      return {polish("zb\xEA"
                     "dny wyraz \x84"),
              quoted(mistake.Typed), closing};
    case MistakeKind::WordOrder:
      return {polish("kolejno\x9C\xE6 wyraz\xF3w")};
    case MistakeKind::None:
    case MistakeKind::Other:
      break;
  }
  return {};
}

}  // namespace tess
