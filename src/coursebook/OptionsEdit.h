#pragma once
// What the options window edits between its showing and OK: the check boxes, the chosen
// language entry and whether anything was touched.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/SoundDeviceChoice.h"
#include "core/UserSettings.h"

namespace tess {

/// The window's check boxes.
enum class OptionBox {
  CaseSensitive,
  KeepPunctuation,
  SentenceDragDrop,
  TypingTabLast,
  Animations,
  UseDictionary,
};
constexpr int kOptionBoxCount = 6;

/// What OK does to the program-wide values.
struct OptionsOutcome {
  UserOptions Options;        ///< the new options; the one-time hint flags stay as they were
  int LanguagePosition = -1;  ///< entry to switch the interface language to; -1: no switch
  /// The loudspeakers and microphone to store; nothing when the learner did not pick them.
  std::optional<SoundDeviceChoice> SoundDevices;
};

class OptionsEdit {
 public:
  /// The window is shown: the boxes take the current options, the entry of the current
  /// language is chosen (none when it is not installed), and nothing counts as changed.
  void Show(const UserOptions& options, int interfaceLanguage, const std::vector<int>& choices);

  bool Checked(OptionBox box) const { return boxes_[Index(box)]; }
  /// A click on a box: it now shows `checked`.
  void SetChecked(OptionBox box, bool checked);
  /// A click on a box's label flips the box.
  void Toggle(OptionBox box) { SetChecked(box, !Checked(box)); }
  /// The learner picked entry `position` of the language list.
  void ChooseLanguage(int position);
  /// The devices stored for the learner when the window was shown, and a pick of another.
  void ShowSoundDevices(const SoundDeviceChoice& choice);
  void ChooseSoundDevices(const SoundDeviceChoice& choice);
  const SoundDeviceChoice& SoundDevices() const { return devices_; }

  int LanguageAtShow() const { return languageAtShow_; }
  int LanguagePosition() const { return languagePosition_; }
  /// Any click counts, even one undone by the next: OK is offered from then on.
  bool Changed() const { return changed_; }

  /// The outcome of OK applied to `current`, the options as they are now.
  OptionsOutcome Confirm(const UserOptions& current) const;

 private:
  static size_t Index(OptionBox box) { return static_cast<size_t>(box); }

  std::array<bool, kOptionBoxCount> boxes_{};
  std::vector<int> choices_;
  int languageAtShow_ = 0;
  int languagePosition_ = -1;
  bool changed_ = false;
  SoundDeviceChoice devices_;
  bool devicesChanged_ = false;
};

/// The dictionary program beside the course program, whose presence lets the dictionary
/// option be changed: ProgramDir + "wordbook".
bool DictionaryProgramPresent(const std::string& programDir);

}  // namespace tess
