#pragma once
// The learner's choice of loudspeakers and microphone, kept in a file of its own beside the
// settings file ("dzwiek_" + SettingsTag + ".txt"), so the settings file stays as it is.
// Device names come from the sound system in any script and are kept in UTF-8.
#include <string>
#include <vector>

namespace tess {

struct SoundDeviceChoice {
  std::string Output;  ///< empty: the system's default output at each sound
  std::string Input;   ///< empty: the system's default input at each recording
  friend bool operator==(const SoundDeviceChoice&, const SoundDeviceChoice&) = default;
};

std::string SoundDeviceFilePath(const std::string& userDir, const std::string& settingsTag);

/// The choice stored at `path`; a missing or damaged file gives the system defaults.
SoundDeviceChoice ReadSoundDeviceChoice(const std::string& path);

/// Stores the choice; lines of the file this program does not know are kept. False (with
/// `error`) when it cannot be written; the old file is then untouched.
bool WriteSoundDeviceChoice(const std::string& path, const SoundDeviceChoice& choice,
                            std::string* error = nullptr);

}  // namespace tess

namespace tess {

/// What a device drop-down lists: the system's default first, then the devices there are;
/// a chosen device that is not there now is kept as an entry of its own, so showing the
/// window and pressing OK never drops the choice.
struct SoundDeviceEntries {
  std::vector<std::string> Names;  ///< "" for the default, as the choice stores it
  int Chosen = 0;
};
SoundDeviceEntries ListSoundDevices(const std::vector<std::string>& present,
                                    const std::string& chosen);

}  // namespace tess
