#pragma once
// The dictation's view of a sentence: the spacing every typed and expected text is brought to,
// the forms the equivalence pairs allow, the comparison of a typed answer with a sentence, and
// what kind of mistake a wrong one holds.
#include <string>
#include <string_view>
#include <vector>

#include "core/Equivalences.h"
#include "exercises/MistakeKind.h"

namespace tess {

/// Puts `sep` (one of " ", ",", ";", ".", "!", ":", "-", "?") into the one spacing: no blank
/// before it, one after it; for " " runs of blanks shrink to one. The result is trimmed.
std::string SpaceAround(std::string_view text, std::string_view sep);

/// Trimmed, spaced around every separator, and a final "?" or "." removed.
std::string NormalizeSentence(std::string_view text);

inline constexpr int kMaxAlternativeForms = 40;

/// The expected text with one or two of its equivalence texts replaced, at most 40 forms (a
/// further form overwrites the 40th). The text is trimmed and gets a leading blank unless it
/// begins with an apostrophe, and the forms keep that blank.
std::vector<std::string> AlternativeForms(std::string_view expected, const EquivalenceList& list);

struct DictationOptions {
  bool CaseSensitive = false;
  bool KeepPunctuation = false;
  int CourseLanguage = 1;
};

/// True when `typed` matches one of the first `variantCount` variants, directly or through an
/// alternative form of it.
bool DictationMatches(std::string_view typed, const std::string* variants, int variantCount,
                      const DictationOptions& options, const EquivalenceList& equivalences);

/// What kind of mistake `typed` holds against the nearest of the variants and their forms,
/// all spaced alike and compared under the options, as the check compares them.
Mistake DictationMistake(std::string_view typed, const std::string* variants, int variantCount,
                         const DictationOptions& options, const EquivalenceList& equivalences);

}  // namespace tess
