#include "platform/QtSoundDevices.h"

#include "platform/AudioDevices.h"
#include "platform/QtFilmPlayer.h"
#include "platform/QtVoiceRecorder.h"
#include "platform/QtWavePlayer.h"

namespace tess {

std::unique_ptr<MediaPlayer> QtSoundDevices::MakeWavePlayer() {
  return std::make_unique<QtWavePlayer>();
}

std::unique_ptr<FilmPlayer> QtSoundDevices::MakeFilmPlayer() {
  return std::make_unique<QtFilmPlayer>();
}

std::unique_ptr<VoiceRecorder> QtSoundDevices::MakeVoiceRecorder() {
  return std::make_unique<QtVoiceRecorder>();
}

void QtSoundDevices::SetPreferredAudioDevices(const std::string& output,
                                              const std::string& input) {
  tess::SetPreferredAudioDevices(output, input);
}

std::vector<std::string> QtSoundDevices::AudioOutputNames() { return tess::AudioOutputNames(); }

std::vector<std::string> QtSoundDevices::AudioInputNames() { return tess::AudioInputNames(); }

}  // namespace tess
