#pragma once
// Puts a learner's stored choice of loudspeakers and microphone in force for every player and
// recorder of the program; both programs do so for the user who logs in.
#include <string>

namespace tess {

void ApplyStoredSoundDevices(const std::string& userDir, const std::string& settingsTag);

}  // namespace tess
