#pragma once
// Per-user options and the settings file "ustaw_" + SettingsTag + ".txt" in the user's folder.
#include <string>

namespace tess {

struct UserOptions {
  bool CaseSensitive = false;
  bool KeepPunctuation = false;
  bool SentenceDragDrop = false;
  bool TypingTabLast = false;
  bool SentenceHintPending = false;
  bool UseDictionary = false;
  bool ExerciseHintPending = false;
  bool Animations = false;

  /// What a user without a settings file gets.
  static UserOptions Defaults();
  friend bool operator==(const UserOptions&, const UserOptions&) = default;
};

struct UserSettings {
  int InterfaceLanguage = 0;
  UserOptions Options;
  friend bool operator==(const UserSettings&, const UserSettings&) = default;
};

std::string SettingsFilePath(const std::string& userDir, const std::string& settingsTag);

enum class SettingsRead {
  Loaded,
  Missing,              ///< no file: the caller uses the defaults and writes them
  BadInterfaceLanguage  ///< line 1 is not a language number; options were still read
};

/// Reads line 1 into the interface language, then groups of eight "T"/"N" lines into the
/// options (a later group overwrites an earlier one; a missing line is false).
SettingsRead ReadUserSettings(const std::string& path, UserSettings& settings);

/// Rewrites the file whole from `settings`; false (with `error`) when it cannot be written.
bool WriteUserSettings(const std::string& path, const UserSettings& settings,
                       std::string* error = nullptr);

}  // namespace tess
