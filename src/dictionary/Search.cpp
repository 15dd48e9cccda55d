#include "dictionary/Search.h"

#include <cstring>
#include <functional>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "dictionary/DictionaryLanguage.h"
#include "dictionary/EntryTable.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess::dictionary {

namespace {

char FoldAZ(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// `needle` is already folded; `field` is folded as it is read, so no copy is made.
bool ContainsFolded(std::string_view field, std::string_view needle) {
  if (needle.size() > field.size()) return false;
  const size_t last = field.size() - needle.size();
  for (size_t start = 0; start <= last; ++start) {
    size_t i = 0;
    while (i < needle.size() && FoldAZ(field[start + i]) == needle[i]) ++i;
    if (i == needle.size()) return true;
  }
  return false;
}

// One side of an entry against the text of that side; `text` is folded with IgnoreCase.
bool Matches(std::string_view field, std::string_view text, const SearchOptions& options) {
  if (options.WholeField) return SameTextAZ(field, text);
  if (options.IgnoreCase) return ContainsFolded(field, text);
  return field.find(text) != std::string_view::npos;
}

// The first place at or after `from` where `needle` stands in `text`; npos when none. Sixteen
// places are tried at once on their first and last byte, and only those where both fit are
// compared whole: a search of every entry then stays far below a millisecond.
size_t FindFrom(std::string_view text, std::string_view needle, size_t from) {
#if defined(__SSE2__)
  const size_t m = needle.size();
  if (m == 0 || text.size() < m) return text.find(needle, from);
  const __m128i first = _mm_set1_epi8(needle.front());
  const __m128i last = _mm_set1_epi8(needle.back());
  // Both loads of a block stay inside the text: its last start is size - m.
  for (; from + 16 <= text.size() - m + 1; from += 16) {
    const char* block = text.data() + from;
    const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + m - 1));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, last))));
    while (mask != 0) {
      const int i = __builtin_ctz(mask);
      if (m < 3 || std::memcmp(block + i + 1, needle.data() + 1, m - 2) == 0) return from + i;
      mask &= mask - 1;
    }
  }
#endif
  return text.find(needle, from);
}

// Marks the listed entries whose field on this side contains `text` (`folded` is it lower-cased;
// without IgnoreCase a folded hit is checked against the field itself).
void MarkContaining(const EntryTable::FoldedSide& side, std::string_view folded,
                    std::string_view text, bool ignoreCase,
                    const std::function<const std::string&(int)>& field, std::vector<char>& hit) {
  const size_t count = side.Starts.size() - 1;
  size_t k = 0;
  size_t from = 0;
  while (k < count) {
    // Fields end with a line feed the text cannot hold, so no hit spans two of them.
    const size_t at = FindFrom(side.Text, folded, from);
    if (at == std::string_view::npos) return;
    while (side.Starts[k + 1] <= at) ++k;
    const int position = static_cast<int>(k) + 1;
    if (ignoreCase || field(position).find(text) != std::string::npos) hit[k] = 1;
    from = side.Starts[++k];
  }
}

void MarkSide(const EntryTable& table, bool foreign, std::string_view text,
              const SearchOptions& options, std::vector<char>& hit) {
  const auto field = [&](int position) -> const std::string& {
    return foreign ? table.Headword(position) : table.Translation(position);
  };
  if (!options.WholeField && text.find('\n') == std::string_view::npos) {
    const std::string folded = options.IgnoreCase ? std::string(text) : LowerAZ(text);
    MarkContaining(foreign ? table.FoldedHeadwords() : table.FoldedTranslations(), folded, text,
                   options.IgnoreCase, field, hit);
    return;
  }
  for (int position = 1; position <= table.WordCount(); ++position) {
    if (Matches(field(position), text, options)) hit[static_cast<size_t>(position - 1)] = 1;
  }
}

}  // namespace

std::vector<int> RunSearch(const EntryTable& table, const SearchQuery& query,
                           const SearchOptions& options) {
  // Folding the text once lets every comparison fold only the field.
  const std::string foreign = options.IgnoreCase ? LowerAZ(query.Foreign) : query.Foreign;
  const std::string polish = options.IgnoreCase ? LowerAZ(query.Polish) : query.Polish;
  std::vector<char> hit(static_cast<size_t>(table.WordCount()), 0);
  if (options.SearchForeign) MarkSide(table, true, foreign, options, hit);
  if (options.SearchPolish) MarkSide(table, false, polish, options, hit);
  std::vector<int> found;
  for (int position = 1; position <= table.WordCount(); ++position) {
    if (hit[static_cast<size_t>(position - 1)] != 0 && table.StandsForItsNumber(position)) {
      found.push_back(position);
    }
  }
  return found;
}

std::string FoundCountText(int language, const std::string& searchTextUtf8, int count) {
  std::string text = language == kEnglish || language == kGerman
                         ? "Słowo \"" + searchTextUtf8 + "\" wystąpiło "
                         : std::string("Słowo wystąpiło ");
  text += std::to_string(count);
  text += count == 1 ? " raz." : " razy.";
  return text;
}

void ReadSearchOptions(const std::string& path, SearchOptions& options) {
  const std::optional<std::vector<std::string>> lines = ReadTextLines(path);
  if (!lines) return;
  bool* const flags[] = {&options.SearchForeign, &options.SearchPolish, &options.WholeField,
                         &options.IgnoreCase};
  for (size_t i = 0; i < 4 && i < lines->size(); ++i) {
    *flags[i] = ParseInt(Trim((*lines)[i])) == 1;
  }
}

std::string FormatSearchOptions(const SearchOptions& options) {
  const auto bit = [](bool on) { return std::string(on ? "1" : "0"); };
  return JoinCrLf({bit(options.SearchForeign), bit(options.SearchPolish), bit(options.WholeField),
                   bit(options.IgnoreCase)});
}

}  // namespace tess::dictionary
