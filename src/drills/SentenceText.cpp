#include "drills/SentenceText.h"

#include "exercises/Scoring.h"
#include "shared/Text.h"

namespace tess {
namespace {

std::string ReplacedAt(const std::string& text, int position, size_t length,
                       const std::string& with) {
  const size_t at = static_cast<size_t>(position - 1);
  return text.substr(0, at) + with + text.substr(at + length);
}

void AddForm(std::vector<std::string>& forms, std::string form) {
  if (static_cast<int>(forms.size()) < kMaxAlternativeForms) {
    forms.push_back(std::move(form));
  } else {
    forms.back() = std::move(form);
  }
}

}  // namespace

std::string SpaceAround(std::string_view text, std::string_view sep) {
  // A single blank is already in the one spacing; only doubled ones need work.
  const std::string searched = sep == " " ? std::string("  ") : std::string(sep);
  const std::string mark = Trim(sep);
  std::string result;
  size_t start = 0;
  for (size_t at = text.find(searched); at != std::string_view::npos;
       at = text.find(searched, start)) {
    result += Trim(text.substr(start, at - start));
    result += mark;
    result = Trim(result) + " ";
    start = at + searched.size();
  }
  result += Trim(text.substr(start));
  return Trim(result);
}

std::string NormalizeSentence(std::string_view text) {
  std::string result = Trim(text);
  if (result.empty()) return result;
  for (const char* sep : {" ", ",", ";", ".", "!", ":", "-", "?"}) {
    result = SpaceAround(result, sep);
  }
  if (!result.empty() && (result.back() == '?' || result.back() == '.')) result.pop_back();
  return result;
}

std::vector<std::string> AlternativeForms(std::string_view expected, const EquivalenceList& list) {
  std::vector<std::string> forms;
  std::string s = Trim(expected);
  if (list.Count() == 0 || s.empty()) return forms;
  if (s.front() != '\'') s = " " + s;
  const std::vector<Equivalence>& pairs = list.Pairs();
  for (const Equivalence& first : pairs) {
    const int c = PosFrom(1, s, first.EquivalenceFrom);
    if (c < 1) continue;
    const size_t firstLength = first.EquivalenceFrom.size();
    const std::string once = ReplacedAt(s, c, firstLength, first.EquivalenceTo);
    AddForm(forms, once);
    const int after = c + static_cast<int>(firstLength) + 1;
    for (const Equivalence& second : pairs) {
      const int g = PosFrom(after, s, second.EquivalenceFrom);
      if (g < 1) continue;
      const size_t secondLength = second.EquivalenceFrom.size();
      AddForm(forms, ReplacedAt(s, g, secondLength, second.EquivalenceTo));
      // g lies after the first occurrence, so replacing it first keeps c in place.
      AddForm(forms, ReplacedAt(ReplacedAt(s, g, secondLength, second.EquivalenceTo), c,
                                firstLength, first.EquivalenceTo));
    }
  }
  return forms;
}

bool DictationMatches(std::string_view typed, const std::string* variants, int variantCount,
                      const DictationOptions& options, const EquivalenceList& equivalences) {
  const auto prepared = [&options](std::string text) {
    if (!options.CaseSensitive) text = LowerAZ(text);
    if (!options.KeepPunctuation) text = StripPunctuation(text, options.CourseLanguage);
    return text;
  };
  const std::string answer = prepared(NormalizeSentence(typed));
  for (int v = 0; v < variantCount; ++v) {
    const std::string written = NormalizeSentence(variants[v]);
    const std::string expected = prepared(written);
    if (Trim(answer) == Trim(expected)) return true;
    // Forms are made from the sentence as written too, so a pair with capitals ("I am=I'm")
    // still applies when case is ignored, and every form is prepared like the answer, so a
    // replacement with an apostrophe still matches when punctuation is stripped.
    for (const std::string& source : {written, expected}) {
      for (const std::string& form : AlternativeForms(source, equivalences)) {
        if (Trim(answer) == Trim(prepared(NormalizeSentence(form)))) return true;
      }
    }
  }
  return false;
}

Mistake DictationMistake(std::string_view typed, const std::string* variants, int variantCount,
                         const DictationOptions& options, const EquivalenceList& equivalences) {
  std::vector<std::string> answers;
  for (int v = 0; v < variantCount; ++v) {
    const std::string written = NormalizeSentence(variants[v]);
    if (written.empty()) continue;
    answers.push_back(written);
    for (const std::string& form : AlternativeForms(written, equivalences)) {
      answers.push_back(NormalizeSentence(form));
    }
  }
  return ClassifyMistake(NormalizeSentence(typed), answers,
                         {options.CaseSensitive, options.KeepPunctuation, options.CourseLanguage});
}

}  // namespace tess
