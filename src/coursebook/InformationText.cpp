#include "coursebook/InformationText.h"

#include <utility>

#include "shared/Text.h"

namespace tess {

namespace {

// The tags, tried in this order against the text from a "<" or "@".
constexpr std::string_view kTags[] = {"<br>", "@", "<i>", "</i>", "<b>", "</b>"};

struct BracketToken {
  std::string_view Text;
  InformationPicture Picture;
};

constexpr BracketToken kBracketTokens[] = {
    {"[1]", InformationPicture::poz_1},         {"[2]", InformationPicture::poz_2},
    {"[3]", InformationPicture::poz_3},         {"[4]", InformationPicture::poz_4},
    {"[TYP_1]", InformationPicture::zda_dyk},   {"[TYP_2]", InformationPicture::zda_roz},
    {"[TYP_3]", InformationPicture::zda_tek},   {"[TYP_4]", InformationPicture::img_rpg},
    {"[TYP_5]", InformationPicture::img_dia},   {"[YES]", InformationPicture::rob_yes},
    {"[NO]", InformationPicture::rob_no},       {"[STAT_OK]", InformationPicture::stat_1},
    {"[STAT_NO]", InformationPicture::stat_2},  {"[STAT_PROC]", InformationPicture::stat_3},
    {"[STAT_ABC]", InformationPicture::stat_4}, {"[STAT_STRZ]", InformationPicture::stat_5},
};

}  // namespace

InformationToken ClassifyInformationToken(std::string_view token) {
  if (token == "<br>" || token == "@") return {InformationMarker::NewLine};
  if (token == "<b>") return {InformationMarker::BoldOn};
  if (token == "</b>") return {InformationMarker::BoldOff};
  if (token == "<i>") return {InformationMarker::ItalicOn};
  if (token == "</i>") return {InformationMarker::ItalicOff};
  if (!token.empty() && token.front() == '[') {
    const std::string upper = UpperAZ(token);
    for (const BracketToken& bracket : kBracketTokens) {
      if (upper == bracket.Text) return {InformationMarker::Picture, bracket.Picture};
    }
  }
  return {};
}

std::vector<std::string> TokeniseInformation(std::string_view raw) {
  const std::string text = Trim(raw);
  std::vector<std::string> tokens;
  const auto full = [&] { return tokens.size() >= static_cast<size_t>(kInformationTokenLimit); };
  std::string word;
  size_t i = 0;
  while (i < text.size() && !full()) {
    const char c = text[i];
    std::string_view tag;
    if (c == '<' || c == '>' || c == '@') {
      const std::string rest = LowerAZ(std::string_view(text).substr(i, 4));
      for (std::string_view candidate : kTags) {
        if (std::string_view(rest).substr(0, candidate.size()) == candidate) {
          tag = candidate;
          break;
        }
      }
    }
    if (!tag.empty()) {
      if (!word.empty()) tokens.push_back(std::exchange(word, {}));
      if (!full()) tokens.emplace_back(tag);
      i += tag.size();
    } else {
      word += c;
      ++i;
    }
    // Every blank ends the word, so two blanks in a row leave an empty word between them.
    while (i < text.size() && text[i] == ' ' && !full()) {
      tokens.push_back(std::exchange(word, {}));
      ++i;
    }
  }
  if (!word.empty() && !full()) tokens.push_back(std::move(word));
  return tokens;
}

bool IsHelpText(std::string_view text) { return text.starts_with("HH_"); }

std::string InformationBackground(bool help) {
  return help ? "gfx_r\\help.bmp" : "gfx_r\\tlumaczenia.bmp";
}

InformationLayout LayOutInformation(const std::vector<std::string>& tokens,
                                    const TextMeasurer& measurer,
                                    const InformationPictureWidths& pictureWidths, int width) {
  InformationLayout layout;
  int x = 1;
  int y = 1;
  bool bold = false;
  bool italic = false;
  for (const std::string& token : tokens) {
    const InformationToken meaning = ClassifyInformationToken(token);
    switch (meaning.Marker) {
      case InformationMarker::NewLine:
        x = 1;
        y += kInformationLineHeight;
        break;
      case InformationMarker::BoldOn:
      case InformationMarker::BoldOff:
        bold = meaning.Marker == InformationMarker::BoldOn;
        break;
      case InformationMarker::ItalicOn:
      case InformationMarker::ItalicOff:
        italic = meaning.Marker == InformationMarker::ItalicOn;
        break;
      case InformationMarker::Picture:
        layout.Pieces.push_back({x, y, {}, bold, italic, meaning.Picture});
        x += pictureWidths[static_cast<size_t>(meaning.Picture)] + 3;
        break;
      case InformationMarker::None: {
        std::string text = token + " ";
        const int textWidth = measurer.Width(text, bold, italic);
        if (x + textWidth > width) {
          x = 1;
          y += kInformationLineHeight;
        }
        layout.Pieces.push_back({x, y, std::move(text), bold, italic, std::nullopt});
        x += textWidth;
        break;
      }
    }
  }
  layout.Bottom = y + kInformationLineHeight;
  return layout;
}

void InformationPage::Open(std::string_view text) {
  help_ = IsHelpText(text);
  tokens_ = TokeniseInformation(help_ ? text.substr(3) : text);
  layout_ = {};
  scrollLine_ = 0;
  lastScrollLine_ = 0;
  upShown_ = false;
  downShown_ = false;
}

void InformationPage::LayOut(const TextMeasurer& measurer,
                             const InformationPictureWidths& pictureWidths, int width, int height) {
  layout_ = LayOutInformation(tokens_, measurer, pictureWidths, width);
  downShown_ = layout_.Bottom > height;
  lastScrollLine_ = downShown_ ? (layout_.Bottom - height) / kInformationLineHeight + 1 : 0;
}

void InformationPage::ScrollDown() {
  if (!downShown_) return;
  ++scrollLine_;
  if (scrollLine_ >= lastScrollLine_) downShown_ = false;
  upShown_ = true;
}

void InformationPage::ScrollUp() {
  if (!upShown_) return;
  --scrollLine_;
  if (scrollLine_ <= 0) upShown_ = false;
  downShown_ = true;
}

}  // namespace tess
