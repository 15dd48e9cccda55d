#include "core/UserSettings.h"

#include <array>
#include <vector>

#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {
namespace {

std::array<bool*, 8> OptionsInFileOrder(UserOptions& o) {
  return {&o.CaseSensitive,       &o.KeepPunctuation, &o.SentenceDragDrop,    &o.TypingTabLast,
          &o.SentenceHintPending, &o.UseDictionary,   &o.ExerciseHintPending, &o.Animations};
}

}  // namespace

UserOptions UserOptions::Defaults() {
  UserOptions o;
  o.CaseSensitive = true;
  o.KeepPunctuation = true;
  o.SentenceDragDrop = true;
  o.TypingTabLast = false;
  o.SentenceHintPending = true;
  o.UseDictionary = true;
  o.ExerciseHintPending = true;
  o.Animations = true;
  return o;
}

std::string SettingsFilePath(const std::string& userDir, const std::string& settingsTag) {
  return userDir + "ustaw_" + settingsTag + ".txt";
}

SettingsRead ReadUserSettings(const std::string& path, UserSettings& settings) {
  TextFileReader reader;
  if (!reader.Open(path)) return SettingsRead::Missing;
  SettingsRead result = SettingsRead::Loaded;
  // A line missing at the end of the file counts as false, whatever was set before.
  settings.Options = UserOptions{};
  std::string line;
  if (reader.ReadLine(line)) {
    const auto language = ParseInt(Trim(line));
    if (language && *language >= 0 && *language <= 3) {
      settings.InterfaceLanguage = *language;
    } else {
      result = SettingsRead::BadInterfaceLanguage;
    }
  }
  while (!reader.AtEnd()) {
    for (bool* option : OptionsInFileOrder(settings.Options)) {
      *option = reader.ReadLine(line) && Trim(line) == "T";
    }
  }
  return result;
}

bool WriteUserSettings(const std::string& path, const UserSettings& settings, std::string* error) {
  std::vector<std::string> lines{std::to_string(settings.InterfaceLanguage)};
  UserOptions options = settings.Options;
  for (bool* option : OptionsInFileOrder(options)) lines.push_back(*option ? "T" : "N");
  return WriteFileAtomically(path, JoinCrLf(lines), error);
}

}  // namespace tess
