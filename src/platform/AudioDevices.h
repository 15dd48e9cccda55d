#pragma once
// Which loudspeakers and microphone the sound goes through. A device is looked up by name at
// every sound and every recording, so a device plugged in or the system's default changed
// while the program runs is used from the next sound on; a chosen device that is gone falls
// back to the system's default.
#include <QAudioDevice>
#include <string>
#include <vector>

namespace tess {

/// The learner's choice, by the names AudioOutputNames/AudioInputNames give (UTF-8); an empty
/// name follows the system's default.
void SetPreferredAudioDevices(const std::string& output, const std::string& input);

QAudioDevice PreferredAudioOutput();
QAudioDevice PreferredAudioInput();

std::vector<std::string> AudioOutputNames();
std::vector<std::string> AudioInputNames();

}  // namespace tess
