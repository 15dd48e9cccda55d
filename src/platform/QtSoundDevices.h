#pragma once
// The sound module's devices: Qt Multimedia's players and recorder and GStreamer's films.
#include "platform/SoundModule.h"

namespace tess {

class QtSoundDevices : public SoundDevices {
 public:
  std::unique_ptr<MediaPlayer> MakeWavePlayer() override;
  std::unique_ptr<FilmPlayer> MakeFilmPlayer() override;
  std::unique_ptr<VoiceRecorder> MakeVoiceRecorder() override;
  void SetPreferredAudioDevices(const std::string& output, const std::string& input) override;
  std::vector<std::string> AudioOutputNames() override;
  std::vector<std::string> AudioInputNames() override;
};

}  // namespace tess
