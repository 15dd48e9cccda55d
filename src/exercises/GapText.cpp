#include "exercises/GapText.h"

#include <optional>

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {
namespace {

constexpr size_t kWidthLabel = 8;
constexpr size_t kGlossaryLabel = 12;
constexpr size_t kModeLabel = 10;
constexpr size_t kHeadLines = 3;

// Messages are cp1250, like every text the window shows.
std::string FileMessage(const std::string& fileName, const std::string& what) {
  return "Plik \xE6wiczenia wpisywania " + fileName + " " + what;
}

std::string LineMessage(const std::string& fileName, size_t line, const std::string& what) {
  return "\xC6wiczenie wpisywania, plik " + fileName + ", wiersz " + std::to_string(line) + ": " +
         what;
}

GapText Refused(std::string error) {
  GapText refused;
  refused.Error = std::move(error);
  return refused;
}

// Bytes without a character in the code page of the course's texts.
bool Undefined(unsigned char byte, int courseLanguage) {
  const std::string_view undefined = courseLanguage == 3 ? std::string_view("\x81\x8D\x8F\x90\x9D")
                                                         : std::string_view("\x81\x83\x88\x90\x98");
  return undefined.find(static_cast<char>(byte)) != std::string_view::npos;
}

std::optional<size_t> FirstUndefined(std::string_view line, int courseLanguage) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (Undefined(static_cast<unsigned char>(line[i]), courseLanguage)) return i;
  }
  return std::nullopt;
}

std::string_view After(std::string_view line, size_t label) {
  return label < line.size() ? line.substr(label) : std::string_view();
}

void FirstPlusToBlank(std::string& answer) {
  const size_t plus = answer.find('+');
  if (plus != std::string::npos) answer[plus] = ' ';
}

}  // namespace

std::string GapTextPath(const std::string& programDir, std::string_view name) {
  return programDir + "\\Wpisywania\\" + std::string(name) + ".fcs";
}

std::string DetachMarks(std::string_view line) {
  std::string text(line);
  for (const char mark : {'.', ',', ';', '!', '?'}) {
    // One pass per mark into a new string, so a long line costs linear time.
    std::string detached;
    detached.reserve(text.size() + 16);
    bool searching = true;
    for (size_t p = 0; p < text.size(); ++p) {
      if (searching && text[p] == mark) {
        if (p > 0 && text[p - 1] == ' ') {
          searching = false;
        } else {
          detached.push_back(' ');
        }
      }
      detached.push_back(text[p]);
    }
    text = std::move(detached);
  }
  return text;
}

GapText ParseGapText(std::string_view bytes, const std::string& fileName, int courseLanguage) {
  if (bytes.empty()) return Refused(FileMessage(fileName, "jest pusty."));
  const std::vector<std::string> lines = SplitLines(bytes);
  for (size_t n = 0; n < lines.size(); ++n) {
    if (const std::optional<size_t> at = FirstUndefined(lines[n], courseLanguage)) {
      const auto code = static_cast<unsigned char>(lines[n][*at]);
      return Refused(LineMessage(fileName, n + 1,
                                 "znak o kodzie " + std::to_string(code) +
                                     ", kt\xF3rego nie ma w stronie kodowej pliku."));
    }
  }
  if (lines.size() < kHeadLines) {
    return Refused(FileMessage(fileName, "nie ma trzech wierszy nag\xB3\xF3wka."));
  }

  GapText text;
  const std::string width = Trim(After(lines[0], kWidthLabel));
  const std::optional<int> parsedWidth = ParseInt(width);
  if (!parsedWidth || *parsedWidth < 1 || *parsedWidth > GapText::kMaxGapWidth) {
    return Refused(LineMessage(
        fileName, 1,
        "szeroko\x9C\xE6 luki \"" + EchoOf(width) + "\" nie jest liczb\xB9 od 1 do 1000."));
  }
  text.GapWidthPx = *parsedWidth;
  text.Glossary = Trim(After(lines[1], kGlossaryLabel));
  text.UnderscoreMode = Trim(After(lines[2], kModeLabel)) == "1";

  std::string pendingPrefill;
  for (size_t n = kHeadLines; n < lines.size(); ++n) {
    const std::string prepared = DetachMarks(lines[n]);
    // Words are taken until the rest is blank: past the last character above code 32.
    size_t end = prepared.size();
    while (end > 0 && static_cast<unsigned char>(prepared[end - 1]) <= 32) --end;
    std::string_view rest(prepared.data(), end);
    while (!rest.empty()) {
      const std::string word = NextWord(rest);
      rest.remove_prefix(std::min(word.size() + 1, rest.size()));
      if (!word.empty() && word[0] == '*') {
        pendingPrefill = word.substr(1);
        continue;
      }
      if (static_cast<int>(text.Words.size()) >= GapText::kMaxWords) {
        return Refused(LineMessage(fileName, n + 1,
                                   "tekst ma wi\xEA"
                                   "cej ni\xBF 1400 s\xB3\xF3w."));
      }
      GapTextWord parsed;
      parsed.Prefill = std::move(pendingPrefill);
      pendingPrefill.clear();
      if (word.empty() || word[0] != '&') {
        parsed.Text = word;
        text.Words.push_back(std::move(parsed));
        continue;
      }
      GapAnswer gap;
      gap.Word = static_cast<int>(text.Words.size()) + 1;
      gap.Expected = Trim(std::string_view(word).substr(1));
      // An alternative follows a separator character and a backslash ("flat/\apartment"): the
      // expected answer ends before the character in front of the backslash, and the alternative
      // is what follows the backslash, without it, so a learner can type it as it is.
      const size_t backslash = gap.Expected.find('\\');
      if (backslash != std::string::npos) {
        gap.Alternative = gap.Expected.substr(backslash + 1);
        gap.Expected.resize(backslash > 0 ? backslash - 1 : 0);
      }
      FirstPlusToBlank(gap.Expected);
      FirstPlusToBlank(gap.Alternative);
      if (Trim(gap.Expected).empty()) {
        return Refused(LineMessage(fileName, n + 1, "luka bez odpowiedzi."));
      }
      parsed.IsGap = true;
      parsed.Gap = static_cast<int>(text.Gaps.size()) + 1;
      if (!text.UnderscoreMode) parsed.Text = parsed.Prefill;
      text.Words.push_back(std::move(parsed));
      text.Gaps.push_back(std::move(gap));
    }
  }
  return text;
}

GapText ReadGapText(const std::string& path, const std::string& fileName, int courseLanguage) {
  const FileBytes read = ReadFileBytes(path, GapText::kMaxFileBytes);
  switch (read.Result) {
    case FileBytes::Outcome::Read:
      return ParseGapText(read.Bytes, fileName, courseLanguage);
    case FileBytes::Outcome::TooLarge:
      return Refused(FileMessage(fileName, "jest za du\xBFy."));
    case FileBytes::Outcome::CannotRead:
      return Refused("Nie mo\xBFna odczyta\xE6 pliku \xE6wiczenia wpisywania " + fileName + ".");
    case FileBytes::Outcome::CannotOpen:
      break;
  }
  return Refused("Nie mo\xBFna otworzy\xE6 pliku \xE6wiczenia wpisywania " + fileName + ".");
}

}  // namespace tess
