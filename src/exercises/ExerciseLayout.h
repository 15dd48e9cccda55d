#pragma once
// The layout line of an exercise entry and the media files of the recorded text it belongs to.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

/// L1 to L10 of a LayoutLine; -1 means "the window's default".
struct LayoutValues {
  static constexpr int kDefault = -1;
  std::array<int, 10> L{kDefault, kDefault, kDefault, kDefault, kDefault,
                        kDefault, kDefault, kDefault, kDefault, kDefault};

  /// Value i (1-based).
  int At(int i) const { return L[static_cast<size_t>(i - 1)]; }
  /// Value i, or `fallback` when it asks for the default.
  int Or(int i, int fallback) const { return At(i) == kDefault ? fallback : At(i); }
};

/// Values beyond any screen are cut to this, so the windows' sums of positions and sizes stay
/// within an int whatever a file says.
inline constexpr int kLayoutValueLimit = 1000000;

/// Value i is the text before the i-th "=": empty after trimming (or cut off by a missing "=")
/// gives -1; one beyond +-kLayoutValueLimit is cut to it. Nothing when a value is not a
/// decimal integer (the caller reports the conversion error).
std::optional<LayoutValues> ParseLayoutValues(std::string_view layoutLine);

/// Defaults of the boxes every window places from the layout line.
inline constexpr int kMediaButtonLeft = 10;
inline constexpr int kMediaButtonTop = 10;
inline constexpr int kInstructionLeft = 16;
inline constexpr int kInstructionTop = 106;
/// The right edge the instruction box is fitted to.
inline constexpr int kInstructionRightEdge = 657;

/// Width of `pb_polecenie` after it is moved to `left`. Kept exactly as the windows always
/// did it: first cut back to the edge, then any box that falls short gets the full 657.
int InstructionBoxWidth(int left, int width);

/// MediaDir + "Teksty_wav\" + n + ".wav".
std::string TextRecordingPath(const std::string& mediaDir, std::string_view textNumber);
/// ProgramDir + "Teksty_mpg_r\" + n + ".mpg".
std::string TextFilmPath(const std::string& programDir, std::string_view textNumber);

inline constexpr int kTextMediaFilm = 1;
inline constexpr int kTextMediaSound = 2;
/// `TextMediaMode` of a lesson: the film when its file exists, else the recording.
inline int TextMediaModeFor(bool filmExists) {
  return filmExists ? kTextMediaFilm : kTextMediaSound;
}

}  // namespace tess
