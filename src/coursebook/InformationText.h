#pragma once
// The information window's text: help texts ("HH_" + text) and translations, split into words
// and markers, laid out into 20-pixel lines with inline pictures, and scrolled by lines.
// Texts stay in their code page; only the measurer sees them as characters.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/TextMeasurer.h"

namespace tess {

constexpr int kInformationTokenLimit = 3100;
constexpr int kInformationLineHeight = 20;

/// The inline pictures: icons of the lesson chooser, then the window's own stat_1 to stat_5
/// (right, wrong, percent, number of items, arrow).
enum class InformationPicture {
  poz_1,
  poz_2,
  poz_3,
  poz_4,
  zda_dyk,
  zda_roz,
  zda_tek,
  img_rpg,
  img_dia,
  rob_yes,
  rob_no,
  stat_1,
  stat_2,
  stat_3,
  stat_4,
  stat_5,
  Count
};
constexpr int kInformationPictureCount = static_cast<int>(InformationPicture::Count);
using InformationPictureWidths = std::array<int, kInformationPictureCount>;

enum class InformationMarker { None, NewLine, BoldOn, BoldOff, ItalicOn, ItalicOff, Picture };

struct InformationToken {
  InformationMarker Marker = InformationMarker::None;  ///< None: a word
  InformationPicture Picture = InformationPicture::Count;
};

/// What a token does: tags are compared exactly (the tokeniser writes them in lower case),
/// bracket tokens after upper-casing A to Z.
InformationToken ClassifyInformationToken(std::string_view token);

/// Splits a text, trimmed first, into words and markers; at most kInformationTokenLimit
/// tokens, the rest of a longer text is left out. A "<", ">" or "@" that begins no marker is
/// an ordinary character of its word.
std::vector<std::string> TokeniseInformation(std::string_view text);

/// True for a help text, which begins with "HH_".
bool IsHelpText(std::string_view text);
/// The background of the window under LangDir: help or translation.
std::string InformationBackground(bool help);

/// A word (with the blank drawn after it) or a picture at its place on the unscrolled page.
struct InformationPiece {
  int X = 0;
  int Y = 0;
  std::string Text;
  bool Bold = false;
  bool Italic = false;
  std::optional<InformationPicture> Picture;
};

struct InformationLayout {
  std::vector<InformationPiece> Pieces;
  int Bottom = 0;  ///< bottom of the last line
};

/// Lays tokens out from x 1, y 1 into an area `width` wide: words break to a new line when
/// they would pass the right edge, pictures never do.
InformationLayout LayOutInformation(const std::vector<std::string>& tokens,
                                    const TextMeasurer& measurer,
                                    const InformationPictureWidths& pictureWidths, int width);

/// The window's state apart from its widgets: the text being shown, its layout and scrolling.
class InformationPage {
 public:
  /// Takes a new text: its kind, its tokens; ScrollLine 0 and both scroll buttons hidden
  /// until the text is laid out.
  void Open(std::string_view text);
  /// Lays the text out in the drawing area and sets up the scroll buttons for it.
  void LayOut(const TextMeasurer& measurer, const InformationPictureWidths& pictureWidths,
              int width, int height);

  bool Help() const { return help_; }
  const std::vector<std::string>& Tokens() const { return tokens_; }
  const InformationLayout& Layout() const { return layout_; }

  /// One line further down or back up; each only while its button is shown.
  void ScrollDown();
  void ScrollUp();

  int ScrollLine() const { return scrollLine_; }
  int LastScrollLine() const { return lastScrollLine_; }
  /// Drawing offset of the pieces for the lines scrolled.
  int ScrollOffset() const { return -kInformationLineHeight * scrollLine_; }
  bool UpShown() const { return upShown_; }
  bool DownShown() const { return downShown_; }

 private:
  bool help_ = false;
  std::vector<std::string> tokens_;
  InformationLayout layout_;
  int scrollLine_ = 0;
  int lastScrollLine_ = 0;
  bool upShown_ = false;
  bool downShown_ = false;
};

}  // namespace tess
