#pragma once
// Gap-text files (".fcs") of the typing exercise: three head lines (gap width, glossary,
// placeholder mode) and the text, whose "&" words are the gaps. Reading and splitting only;
// the exercise state and its layout are Typing's.
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct GapTextWord {
  std::string Text;  ///< as written; for a gap, the entry it starts with
  bool IsGap = false;
  int Gap = 0;          ///< 1-based gap number of a gap word, 0 otherwise
  std::string Prefill;  ///< given by a "*" word just before it
};

struct GapAnswer {
  int Word = 0;  ///< 1-based number of the gap's word
  std::string Expected;
  std::string Alternative;  ///< empty when the gap has none
};

struct GapText {
  static constexpr int kMaxWords = 1400;
  static constexpr int kMaxGapWidth = 1000;
  /// Larger files are not read: 1400 words fit in far less.
  static constexpr size_t kMaxFileBytes = 1 << 20;

  int GapWidthPx = 0;
  std::string Glossary;
  bool UnderscoreMode = false;
  std::vector<GapTextWord> Words;
  std::vector<GapAnswer> Gaps;  ///< in word order
  std::string Error;            ///< cp1250 message; empty when the file is usable
};

/// "ProgramDir\Wpisywania\" + name + ".fcs".
std::string GapTextPath(const std::string& programDir, std::string_view name);

/// A blank goes in before each ".", ",", ";", "!", "?" glued to what precedes it; for each
/// mark the search stops at its first occurrence that already follows a blank.
std::string DetachMarks(std::string_view line);

/// The file's content as read. `fileName` names the file in messages; `courseLanguage` picks
/// the code page whose undefined bytes are refused (3: cp1252, else cp1250). A file without
/// the three head lines, with a gap width that is not a number from 1 to 1000, a gap without
/// an answer, more than 1400 words or bytes its code page lacks is refused whole.
GapText ParseGapText(std::string_view bytes, const std::string& fileName, int courseLanguage);

/// Reads and parses the file at `path`; a file that cannot be read is refused as well.
GapText ReadGapText(const std::string& path, const std::string& fileName, int courseLanguage);

}  // namespace tess
