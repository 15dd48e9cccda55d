#include "coursebook/OptionsEdit.h"

#include "core/InterfaceLanguages.h"
#include "shared/Paths.h"

namespace tess {

void OptionsEdit::Show(const UserOptions& options, int interfaceLanguage,
                       const std::vector<int>& choices) {
  boxes_[Index(OptionBox::CaseSensitive)] = options.CaseSensitive;
  boxes_[Index(OptionBox::KeepPunctuation)] = options.KeepPunctuation;
  boxes_[Index(OptionBox::SentenceDragDrop)] = options.SentenceDragDrop;
  boxes_[Index(OptionBox::TypingTabLast)] = options.TypingTabLast;
  boxes_[Index(OptionBox::Animations)] = options.Animations;
  boxes_[Index(OptionBox::UseDictionary)] = options.UseDictionary;
  choices_ = choices;
  languageAtShow_ = interfaceLanguage;
  languagePosition_ = ChoicePositionOf(choices_, interfaceLanguage);
  changed_ = false;
}

void OptionsEdit::SetChecked(OptionBox box, bool checked) {
  boxes_[Index(box)] = checked;
  changed_ = true;
}

void OptionsEdit::ChooseLanguage(int position) {
  if (position < 0 || position >= static_cast<int>(choices_.size())) return;
  languagePosition_ = position;
  changed_ = true;
}

void OptionsEdit::ShowSoundDevices(const SoundDeviceChoice& choice) {
  devices_ = choice;
  devicesChanged_ = false;
}

void OptionsEdit::ChooseSoundDevices(const SoundDeviceChoice& choice) {
  if (choice == devices_) return;
  devices_ = choice;
  devicesChanged_ = true;
  changed_ = true;
}

OptionsOutcome OptionsEdit::Confirm(const UserOptions& current) const {
  OptionsOutcome outcome;
  outcome.Options = current;
  outcome.Options.CaseSensitive = Checked(OptionBox::CaseSensitive);
  outcome.Options.KeepPunctuation = Checked(OptionBox::KeepPunctuation);
  outcome.Options.SentenceDragDrop = Checked(OptionBox::SentenceDragDrop);
  outcome.Options.TypingTabLast = Checked(OptionBox::TypingTabLast);
  outcome.Options.UseDictionary = Checked(OptionBox::UseDictionary);
  outcome.Options.Animations = Checked(OptionBox::Animations);
  // Reloading the language material is slow and resets the main window's pictures, so it
  // happens only for a language other than the one the window opened with.
  if (languagePosition_ >= 0 &&
      choices_[static_cast<size_t>(languagePosition_)] != languageAtShow_) {
    outcome.LanguagePosition = languagePosition_;
  }
  if (devicesChanged_) outcome.SoundDevices = devices_;
  return outcome;
}

bool DictionaryProgramPresent(const std::string& programDir) {
  return FileExists(programDir + "wordbook");
}

}  // namespace tess
