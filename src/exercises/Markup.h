#pragma once
// Marked-up text of the exercises (instruction box and content boxes): words separated by
// single blanks, "<...>" words are tags, laid out into positioned runs for the window to draw.
#include <string>
#include <string_view>
#include <vector>

#include "shared/TextMeasurer.h"

namespace tess {

struct TextStyle {
  bool Bold = false;
  bool Italic = false;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

/// "<B>", "</B>", "<I>", "</I>" switch bold and italic; any other tag changes nothing. Exact
/// comparison: callers that accept lower-case tags upper-case them first.
void ApplyStyleTag(TextStyle& style, std::string_view tag);

/// A word and its trailing blank, drawn with its top-left corner at (X, Y).
struct TextRun {
  int X = 0;
  int Y = 0;
  std::string Text;
  TextStyle Style;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

/// A word that begins with "<" and contains ">".
bool IsMarkupTag(std::string_view word);

struct MarkupLayout {
  int BoxWidth = 0;
  int LineHeight = 18;
  /// Upper-case ("a" to "z") each tag before it is read, as the instruction box does.
  bool FoldTagCase = true;
};

/// The shared word loop: each word taken with NextWord and removed with one more character
/// (so a run of blanks gives empty words, drawn as their blank); a word that would pass the box
/// width starts a new line; "<BR>" starts a new line.
std::vector<TextRun> LayoutMarkedUpText(std::string_view text, const MarkupLayout& layout,
                                        const TextMeasurer& measurer, TextStyle style = {});

/// Instruction for the interface folder: field 5 for "Lang_r\0\", 4 for "Lang_r\2\", 6 for
/// "Lang_r\1\", empty for any other folder.
std::string InstructionForLangDir(std::string_view langDir, const std::string& instrDeutsch,
                                  const std::string& instrPolski, const std::string& instrEnglish);

/// The runs of `DrawInstruction` (Arial 11, regular to start, lines 18 pixels apart).
std::vector<TextRun> LayoutInstruction(std::string_view langDir, int boxWidth,
                                       const TextMeasurer& measurer,
                                       const std::string& instrDeutsch,
                                       const std::string& instrPolski,
                                       const std::string& instrEnglish);

}  // namespace tess
