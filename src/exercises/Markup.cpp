#include "exercises/Markup.h"

#include <algorithm>
#include <utility>

#include "shared/Text.h"

namespace tess {

void ApplyStyleTag(TextStyle& style, std::string_view tag) {
  if (tag == "<B>") {
    style.Bold = true;
  } else if (tag == "</B>") {
    style.Bold = false;
  } else if (tag == "<I>") {
    style.Italic = true;
  } else if (tag == "</I>") {
    style.Italic = false;
  }
}

bool IsMarkupTag(std::string_view word) {
  return !word.empty() && word.front() == '<' && word.find('>') != std::string_view::npos;
}

namespace {

void AddWord(std::string& plain, std::string_view word) {
  const std::string bare = Trim(word);
  if (bare.empty()) return;
  if (!plain.empty()) plain += ' ';
  plain += bare;
}

}  // namespace

std::string PlainWords(std::string_view text) {
  std::string plain;
  while (!text.empty()) {
    const std::string word = NextWord(text);
    text.remove_prefix(std::min(word.size() + 1, text.size()));
    if (!IsMarkupTag(Trim(word))) AddWord(plain, word);
  }
  return plain;
}

std::string PlainWords(const std::vector<TextRun>& runs) {
  std::string plain;
  for (const TextRun& run : runs) AddWord(plain, run.Text);
  return plain;
}

std::vector<TextRun> LayoutMarkedUpText(std::string_view text, const MarkupLayout& layout,
                                        const TextMeasurer& measurer, TextStyle style) {
  std::vector<TextRun> runs;
  int x = 0;
  int y = 0;
  while (!text.empty()) {
    const std::string word = NextWord(text);
    text.remove_prefix(std::min(text.size(), word.size() + 1));
    if (IsMarkupTag(word)) {
      const std::string tag = layout.FoldTagCase ? UpperAZ(word) : word;
      if (tag == "<BR>") {
        y += layout.LineHeight;
        x = 0;
      } else {
        ApplyStyleTag(style, tag);
      }
      continue;
    }
    std::string piece = word + " ";
    const int width = measurer.Width(piece, style.Bold, style.Italic);
    if (x + width > layout.BoxWidth) {
      y += layout.LineHeight;
      x = 0;
    }
    runs.push_back({x, y, std::move(piece), style});
    x += width;
  }
  return runs;
}

std::string InstructionForLangDir(std::string_view langDir, const std::string& instrDeutsch,
                                  const std::string& instrPolski, const std::string& instrEnglish) {
  // The exercises carry no Russian instruction; the Russian interface shows the Polish one.
  if (langDir == "Lang_r\\0\\" || langDir == "Lang_r\\3\\") return instrPolski;
  if (langDir == "Lang_r\\2\\") return instrDeutsch;
  if (langDir == "Lang_r\\1\\") return instrEnglish;
  return {};
}

std::vector<TextRun> LayoutInstruction(std::string_view langDir, int boxWidth,
                                       const TextMeasurer& measurer,
                                       const std::string& instrDeutsch,
                                       const std::string& instrPolski,
                                       const std::string& instrEnglish) {
  const std::string text = InstructionForLangDir(langDir, instrDeutsch, instrPolski, instrEnglish);
  MarkupLayout layout;
  layout.BoxWidth = boxWidth;
  return LayoutMarkedUpText(text, layout, measurer);
}

int InstructionLines(const std::vector<TextRun>& runs, int lineHeight) {
  int lines = 0;
  for (const TextRun& run : runs) lines = std::max(lines, run.Y / lineHeight + 1);
  return lines;
}

int InstructionOverflow(const std::vector<TextRun>& runs, int lineHeight) {
  return std::max(0, InstructionLines(runs, lineHeight) - kInstructionRoomLines) * lineHeight;
}

int ContentTopBelowInstruction(int top, int boxTop, int boxHeight, int overflow) {
  constexpr int kVerdictRoom = 25;
  if (top < boxTop) return top;
  const int slack = std::max(0, top - (boxTop + boxHeight + kVerdictRoom));
  return top + std::max(0, overflow - slack);
}

}  // namespace tess
