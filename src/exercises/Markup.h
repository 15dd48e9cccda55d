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

/// The words of marked-up text without its tags, one blank apart: what screen readers read.
std::string PlainWords(std::string_view text);
/// The words of laid-out runs, one blank apart, tags already gone.
std::string PlainWords(const std::vector<TextRun>& runs);

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

/// Instruction for the interface folder: field 5 for "Lang_r\0\" and "Lang_r\3\", 4 for
/// "Lang_r\2\", 6 for "Lang_r\1\", empty for any other folder.
std::string InstructionForLangDir(std::string_view langDir, const std::string& instrDeutsch,
                                  const std::string& instrPolski, const std::string& instrEnglish);

/// The runs of `DrawInstruction` (Arial 11, regular to start, lines 18 pixels apart).
std::vector<TextRun> LayoutInstruction(std::string_view langDir, int boxWidth,
                                       const TextMeasurer& measurer,
                                       const std::string& instrDeutsch,
                                       const std::string& instrPolski,
                                       const std::string& instrEnglish);

/// The instruction box is made for this many lines; a longer instruction grows it.
inline constexpr int kInstructionRoomLines = 2;

/// Lines the runs of an instruction take (0 for none).
int InstructionLines(const std::vector<TextRun>& runs, int lineHeight = MarkupLayout{}.LineHeight);
/// How far the content below the instruction box moves down so a longer instruction shows
/// whole: one line step for every line beyond the box's room.
int InstructionOverflow(const std::vector<TextRun>& runs,
                        int lineHeight = MarkupLayout{}.LineHeight);
/// Where content meant to start at `top` starts when the instruction box at `boxTop` (made
/// `boxHeight` high) grew by `overflow`: content above the box stays, content right under it
/// moves down as far, and content further down moves only by what its distance does not absorb
/// (the verdict line keeps its room above it).
int ContentTopBelowInstruction(int top, int boxTop, int boxHeight, int overflow);

}  // namespace tess
