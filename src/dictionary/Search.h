#pragma once
// The dictionary's search: which entries a search text finds under the four options, the
// options file ustaw_s.txt, and the count line shown over a result.
#include <string>
#include <string_view>
#include <vector>

namespace tess::dictionary {

class EntryTable;

struct SearchOptions {
  bool SearchForeign = true;
  bool SearchPolish = true;
  bool WholeField = false;
  bool IgnoreCase = false;

  friend bool operator==(const SearchOptions&, const SearchOptions&) = default;
};

/// The search text in the code page of each side: the foreign headwords may use another code
/// page than the Polish translations (cp1250).
struct SearchQuery {
  std::string Foreign;
  std::string Polish;
};

/// Positions 1 to WordCount whose headword (with SearchForeign) or translation (with
/// SearchPolish) matches, in order, leaving out entries whose number a later entry of the
/// table also has. Matching: with WholeField the field equals the text, without it the
/// field contains it; with IgnoreCase both are lower-cased ("A" to "Z") first. A whole field
/// also compares "A" to "Z" without case when IgnoreCase is off; a substring then must match
/// exactly.
std::vector<int> RunSearch(const EntryTable& table, const SearchQuery& query,
                           const SearchOptions& options);

/// The line over a search result (UTF-8): for languages 1 and 2
/// Słowo "text" wystąpiło n raz(y). and for the others Słowo wystąpiło n raz(y).
std::string FoundCountText(int language, const std::string& searchTextUtf8, int count);

/// ustaw_s.txt: four lines "1" or "0" in the order of SearchOptions.
constexpr const char* kSearchOptionsFile = "ustaw_s.txt";

/// Reads `path` over `options`: a line present turns its option on only when it holds the
/// number 1; a missing file or line leaves the option as it was.
void ReadSearchOptions(const std::string& path, SearchOptions& options);
std::string FormatSearchOptions(const SearchOptions& options);

}  // namespace tess::dictionary
