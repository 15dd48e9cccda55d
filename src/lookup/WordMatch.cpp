#include "lookup/WordMatch.h"

#include <algorithm>
#include <array>

#include "dictionary/DictionaryLanguage.h"
#include "dictionary/EntryTable.h"
#include "shared/Text.h"
#include "users/Users.h"

namespace tess::lookup {

namespace {

using dictionary::kEnglish;
using dictionary::kFrench;
using dictionary::kGerman;

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// Quotes, dashes, ellipsis and the no-break space of both code pages; the inverted marks
// (0xA1, 0xBF) only in cp1252, where cp1250 has letters on their codes.
constexpr std::string_view kHighPunctuation =
    "\x82\x84\x85\x8B\x91\x92\x93\x94\x96\x97\x9B\xA0\xAB\xBB";

bool IsPunctuation(unsigned char c, bool western) {
  if (c <= ' ') return true;
  if (c < 0x80)
    return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
  if (kHighPunctuation.find(static_cast<char>(c)) != std::string_view::npos) return true;
  return western && (c == 0xA1 || c == 0xBF);
}

unsigned char FoldCp1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;  // Š
    case 0x8C:
      return 0x9C;  // Œ
    case 0x8E:
      return 0x9E;  // Ž
    case 0x9F:
      return 0xFF;  // Ÿ
    default:
      return c;
  }
}

// One ending rule: `ending` is replaced by `base`; `undouble` also tries the stem without the
// last of a doubled consonant (stopped, running, bigger).
struct Ending {
  std::string_view ending;
  std::string_view base;
  bool undouble = false;
};

// Tried in order, the smallest change first, so that "uses" is "use" before it is "us".
constexpr std::array kEnglishEndings = {
    Ending{"s", ""},        Ending{"es", ""},        Ending{"ies", "y"}, Ending{"ves", "f"},
    Ending{"ves", "fe"},    Ending{"men", "man"},    Ending{"d", ""},    Ending{"ed", "", true},
    Ending{"ied", "y"},     Ending{"ing", "", true}, Ending{"ing", "e"}, Ending{"r", ""},
    Ending{"er", "", true}, Ending{"ier", "y"},      Ending{"st", ""},   Ending{"est", "", true},
    Ending{"iest", "y"},
};

constexpr std::array kGermanEndings = {
    Ending{"e", ""},      Ending{"n", ""},     Ending{"s", ""},    Ending{"en", ""},
    Ending{"er", ""},     Ending{"es", ""},    Ending{"em", ""},   Ending{"ern", ""},
    Ending{"nen", ""},    Ending{"e", "en"},   Ending{"st", "en"}, Ending{"t", "en"},
    Ending{"et", "en"},   Ending{"est", "en"}, Ending{"te", "en"}, Ending{"ten", "en"},
    Ending{"test", "en"}, Ending{"tet", "en"}, Ending{"st", "n"},  Ending{"t", "n"},
};

// cp1252: é 0xE9, è 0xE8 (an escape is closed before a letter that would extend it).
// clang-format off
constexpr std::array kFrenchEndings = {
    Ending{"s", ""},           Ending{"x", ""},        Ending{"e", ""},
    Ending{"es", ""},          Ending{"aux", "al"},    Ending{"\xE9", "er"},
    Ending{"\xE9" "e", "er"},  Ending{"\xE9s", "er"},  Ending{"\xE9" "es", "er"},
    Ending{"e", "er"},         Ending{"es", "er"},     Ending{"ent", "er"},
    Ending{"ons", "er"},       Ending{"ez", "er"},     Ending{"ais", "er"},
    Ending{"ait", "er"},       Ending{"aient", "er"},  Ending{"nne", "n"},
    Ending{"euse", "eux"},     Ending{"ive", "if"},    Ending{"\xE8re", "er"},
};
// clang-format on

// What stands before an apostrophe and is a word of its own: French elision.
constexpr std::array<std::string_view, 12> kFrenchElided = {
    "l", "d", "j", "m", "n", "s", "t", "c", "qu", "jusqu", "lorsqu", "puisqu"};
// What stands after one: English clitics.
constexpr std::array<std::string_view, 7> kEnglishClitics = {"s", "t", "ll", "re", "ve", "d", "m"};

constexpr size_t kShortestBase = 2;

bool IsVowel(char c) { return std::string_view("aeiouy").find(c) != std::string_view::npos; }

void AddForm(std::vector<std::string>& forms, std::string form) {
  if (form.size() < kShortestBase) return;
  if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(std::move(form));
}

template <size_t N>
void AddEndingForms(std::vector<std::string>& forms, const std::string& word,
                    const std::array<Ending, N>& endings) {
  for (const Ending& rule : endings) {
    if (word.size() < rule.ending.size() + kShortestBase) continue;
    if (!std::string_view(word).ends_with(rule.ending)) continue;
    const std::string stem = word.substr(0, word.size() - rule.ending.size());
    AddForm(forms, stem + std::string(rule.base));
    const size_t n = stem.size();
    if (rule.undouble && n >= 3 && stem[n - 1] == stem[n - 2] && !IsVowel(stem[n - 1])) {
      AddForm(forms, stem.substr(0, n - 1));
    }
  }
}

// A German participle of a weak verb: ge + stem + t (gespielt, gearbeitet).
void AddGermanParticiple(std::vector<std::string>& forms, const std::string& word) {
  if (!word.starts_with("ge") || !word.ends_with("t")) return;
  std::string stem = word.substr(2, word.size() - 3);
  if (stem.ends_with("e")) stem.pop_back();
  if (stem.size() >= kShortestBase) AddForm(forms, stem + "en");
}

// The headword as a look-up compares it: German nouns are listed as "Hund, der".
std::string HeadwordKey(const std::string& headword, int language) {
  std::string key = FoldWord(Trim(headword), language);
  if (language == kGerman) {
    for (std::string_view article : {", der", ", die", ", das"}) {
      if (std::string_view(key).ends_with(article)) {
        key.resize(key.size() - article.size());
        break;
      }
    }
  }
  return Trim(key);
}

}  // namespace

std::string StripWord(std::string_view raw, int courseLanguage) {
  const bool western = courseLanguage == kFrench;
  size_t first = 0;
  size_t last = raw.size();
  while (first < last && IsPunctuation(Byte(raw[first]), western)) ++first;
  while (last > first && IsPunctuation(Byte(raw[last - 1]), western)) --last;
  return std::string(raw.substr(first, last - first));
}

std::string FoldWord(std::string_view word, int courseLanguage) {
  if (courseLanguage != kFrench) return FoldUserNameCase(word);
  std::string folded(word);
  for (char& c : folded) c = static_cast<char>(FoldCp1252(Byte(c)));
  return folded;
}

std::vector<std::string> WordForms(std::string_view folded, int language) {
  std::vector<std::string> forms;
  const std::string word(folded);
  if (word.empty()) return forms;
  forms.push_back(word);
  // The word without what an apostrophe joins to it.
  std::vector<std::string> bases = {word};
  const size_t apostrophe = word.find_first_of("'\x92");
  if (apostrophe != std::string::npos) {
    const std::string before = word.substr(0, apostrophe);
    const std::string after = word.substr(apostrophe + 1);
    if (language == kFrench &&
        std::find(kFrenchElided.begin(), kFrenchElided.end(), before) != kFrenchElided.end()) {
      bases.push_back(after);
    } else if (language == kEnglish) {
      if (after == "t" && before.ends_with("n")) {
        bases.push_back(before.substr(0, before.size() - 1));  // isn't, don't
      } else if (std::find(kEnglishClitics.begin(), kEnglishClitics.end(), after) !=
                 kEnglishClitics.end()) {
        bases.push_back(before);
      }
    }
  }
  for (size_t i = 1; i < bases.size(); ++i) AddForm(forms, bases[i]);
  for (const std::string& base : bases) {
    if (base.find_first_of("'\x92") != std::string::npos) continue;
    if (language == kEnglish) AddEndingForms(forms, base, kEnglishEndings);
    if (language == kGerman) {
      AddEndingForms(forms, base, kGermanEndings);
      AddGermanParticiple(forms, base);
    }
    if (language == kFrench) AddEndingForms(forms, base, kFrenchEndings);
  }
  return forms;
}

WordIndex::WordIndex(const dictionary::EntryTable& table, int language) : language_(language) {
  // As the dictionary's search: the listed entries, the last of each number standing for it.
  for (int position = 1; position <= table.WordCount(); ++position) {
    if (!table.StandsForItsNumber(position)) continue;
    const std::string key = HeadwordKey(table.Headword(position), language);
    if (!key.empty()) headwords_[key].push_back(position);
    // A plural field may list more than one form; "-" says there is none.
    for (const std::string& piece : CutFields(table.Plural(position) + ",", ',', 8)) {
      const std::string plural = Trim(FoldWord(Trim(piece), language));
      if (plural.empty() || plural == "-") continue;
      std::vector<int>& positions = plurals_[plural];
      if (positions.empty() || positions.back() != position) positions.push_back(position);
    }
  }
}

std::vector<int> WordIndex::Exact(const std::string& folded) const {
  std::vector<int> found;
  for (const auto* map : {&headwords_, &plurals_}) {
    const auto it = map->find(folded);
    if (it == map->end()) continue;
    for (int position : it->second) {
      if (std::find(found.begin(), found.end(), position) == found.end()) found.push_back(position);
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<int> WordIndex::Find(std::string_view raw) const {
  const std::string word = FoldWord(StripWord(raw, language_), language_);
  for (const std::string& form : WordForms(word, language_)) {
    std::vector<int> found = Exact(form);
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace tess::lookup
