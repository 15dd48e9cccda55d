#include "dictionary/Search.h"

#include <optional>

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

}  // namespace

std::vector<int> RunSearch(const EntryTable& table, const SearchQuery& query,
                           const SearchOptions& options) {
  // Folding the text once lets every comparison fold only the field.
  const std::string foreign = options.IgnoreCase ? LowerAZ(query.Foreign) : query.Foreign;
  const std::string polish = options.IgnoreCase ? LowerAZ(query.Polish) : query.Polish;
  std::vector<int> found;
  for (int position = 1; position <= table.WordCount(); ++position) {
    const bool hit =
        (options.SearchForeign && Matches(table.Headword(position), foreign, options)) ||
        (options.SearchPolish && Matches(table.Translation(position), polish, options));
    if (hit && table.StandsForItsNumber(position)) found.push_back(position);
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
