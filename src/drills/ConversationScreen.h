#pragma once
// Where the conversations window puts its fixed parts: the text area of each screen layout,
// the tabs of the offered modes, the translation box by the length of the translation, the
// pictures it loads, and the interface texts it shows.
#include <array>
#include <string>
#include <string_view>

namespace tess {

/// Interface text numbers of the conversations window.
namespace conversation_text {
inline constexpr int kInstructionBase = 12;      ///< + mode: the instruction line (13..17)
inline constexpr int kRecordingTooShort = 82;
inline constexpr int kHintPlayAll = 92;
inline constexpr int kHintNext = 93;
inline constexpr int kHintReplay = 94;
inline constexpr int kHintPlayA = 95;
inline constexpr int kHintPlayB = 96;
inline constexpr int kHintPlayC = 97;
inline constexpr int kHintRecord = 98;
inline constexpr int kHintSwitch = 99;
inline constexpr int kInformationBase = 99;      ///< + mode: the help button's text (100..104)
inline constexpr int kTabHintBase = 108;         ///< + mode: the tab's hint (109..113)
inline constexpr int kRolesBAndCNotice = 114;    ///< once a run, at the first B or C press
}  // namespace conversation_text

struct TextArea {
  static constexpr int kTop = 56;
  static constexpr int kHeight = 461;
  int Left = 0;
  int Width = 0;
};

/// 1 wide (left 16, 656 wide), 0 narrow (left 110, 544 wide); any other value keeps the
/// window's own placement, the narrow one, which leaves room for the record buttons.
TextArea TextAreaFor(int textLayout);

/// Left edges of the per-phrase record button and own-recording switch.
inline constexpr int kRecordButtonLeft = 26;
inline constexpr int kOwnSwitchLeft = 62;

struct TabPlace {
  bool Shown = false;
  int Position = 0;  ///< 1.. among the shown tabs
  int Top = 0;
};

/// Tab k (index k - 1) is shown when character k of the flags is "T", numbered in order
/// among the shown ones and placed at 25 x position + 41.
std::array<TabPlace, 5> TabPlaces(std::string_view modeFlags);
/// "but_r\zakl\dial_" + position + ".bmp", or "a.bmp" for the tab that is selected; from
/// ProgramDir.
std::string TabPicture(int position, bool selected);

enum class TranslationBackground { Small, Medium, Big };

struct TranslationBoxPlace {
  TranslationBackground Background = TranslationBackground::Small;
  int BoxTop = 0;
  int BoxHeight = 0;
  int LabelTop = 0;
  int LabelHeight = 0;
};

/// Up to 300 characters the small box, up to 550 the medium, above that the big one.
TranslationBoxPlace TranslationBoxFor(size_t translationLength);

/// The background of a conversation: MediaDir + "dialogi_tlo\dial_tlo_" + the name without
/// its first two characters + ".bmp".
std::string BackgroundPicture(std::string_view mediaDir, std::string_view backgroundName);
/// Shown when that picture does not exist.
std::string FallbackBackground(std::string_view mediaDir);

/// The help page of the window (F1), from ProgramDir.
inline constexpr const char* kConversationHelpPage = "Htm_r\\h_comp.html#kon";

}  // namespace tess
