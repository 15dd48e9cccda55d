#include "media/SoundService.h"

#include <algorithm>
#include <cstdint>

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/VoiceRecorder.h"
#include "shared/Paths.h"

namespace tess {

namespace {

constexpr std::size_t kMaxDeviceErrorChars = 200;
constexpr std::size_t kLecturerAfterLength = 12;  // "PotemLektor:"

/// The first `count` characters of UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80 && characters++ == count) return text.substr(0, i);
  }
  return text;
}

}  // namespace

SoundService::SoundService(MediaPlayer& player, VoiceRecorder& sentenceRecorder,
                           VoiceRecorder& phraseRecorder, MessageBox& messages, EventWaiter& waiter)
    : player_(player),
      sentenceRecorder_(sentenceRecorder),
      phraseRecorder_(phraseRecorder),
      messages_(messages),
      waiter_(waiter) {
  player_.SetDoneHandler([this](PlayResult result) { OnPlaybackDone(result); });
}

SoundService::~SoundService() { player_.SetDoneHandler(nullptr); }

void SoundService::SetProgramDir(const std::string& programDir, const std::string& dataDir) {
  programDir_ = programDir;
  dataDir_ = dataDir.empty() ? programDir : dataDir;
  mediaDir_ = programDir + "Hdd\\";
}

bool SoundService::OpenFresh(const std::string& path) {
  player_.Close();
  player_.SetFileName(path);
  std::string error;
  if (player_.Open(&error)) return true;
  messages_.ShowMessage(error);
  return false;
}

void SoundService::PlaySoundFile(const std::string& path, bool wait) {
  if (path.empty()) return;
  if (!FileExists(path)) {
    messages_.ShowMessage("Brak pliku: " + path + ".");
    return;
  }
  // The same file stays open, so a paused sound goes on from where it stopped.
  if (player_.FileName() != path || player_.State() == PlayerState::NotReady) {
    if (!OpenFresh(path)) return;
  }
  player_.SetWait(wait);
  player_.Play();
  if (exerciseTimer_ != nullptr) exerciseTimer_->Enable();
}

void SoundService::PlayFileFromStart(const std::string& path, bool wait) {
  if (path.empty() || !FileExists(path)) return;
  if (!OpenFresh(path)) return;
  player_.SetWait(wait);
  player_.Play();
}

void SoundService::PlayConversationSound(const std::string& name) {
  // Only the exact prefix marks the learner's own recording.
  const std::string path = name.compare(0, 5, "save_") == 0
                               ? dataDir_ + name
                               : mediaDir_ + "Dialogi\\" + name + ".wav";
  if (!FileExists(path)) {
    messages_.ShowMessage("Nie odnaleziono pliku: " + path);
    return;
  }
  if (!OpenFresh(path)) return;
  player_.SetWait(false);
  player_.Play();
}

void SoundService::PausePlayback() {
  if (player_.State() == PlayerState::Playing) player_.Pause();
  if (exerciseTimer_ != nullptr) exerciseTimer_->Disable();
}

void SoundService::StopPlayback() {
  const PlayerState state = player_.State();
  if (state != PlayerState::Playing && state != PlayerState::Paused) return;
  if (exerciseTimer_ != nullptr) exerciseTimer_->Disable();
  player_.Stop();
  player_.Seek(0);
}

void SoundService::OnPlaybackDone(PlayResult result) {
  // A sound that was stopped, closed or replaced ends its chain here.
  if (result != PlayResult::Successful) return;
  if (PlaybackMode.find(playback_mode::kLecturerAfter) != std::string::npos) {
    const std::string lecturer = PlaybackMode.size() > kLecturerAfterLength
                                     ? PlaybackMode.substr(kLecturerAfterLength)
                                     : std::string();
    PlaybackMode = playback_mode::kSinglePhrase;
    if (hooks_.RepaintText) hooks_.RepaintText();
    PlayConversationSound(lecturer);
  } else if (PlaybackMode == playback_mode::kSinglePhrase) {
    if (hooks_.SinglePhraseEnded) hooks_.SinglePhraseEnded();
  } else if (PlaybackMode == playback_mode::kWholeConversation ||
             PlaybackMode == playback_mode::kRoleA || PlaybackMode == playback_mode::kRoleB ||
             PlaybackMode == playback_mode::kRoleC || PlaybackMode == playback_mode::kRoleD) {
    if (hooks_.ContinuePlayback) hooks_.ContinuePlayback();
  }
}

void SoundService::CheckDevice(VoiceRecorder& recorder, int code, const char* operation) {
  if (code == 0) return;
  messages_.ShowMessage(FirstCharacters(recorder.ErrorText(code), kMaxDeviceErrorChars) + " " +
                        operation);
}

void SoundService::StartSentenceRecording() {
  if (sentenceRecording_) return;
  sentenceRecording_ = true;
  CheckDevice(sentenceRecorder_, sentenceRecorder_.Open(), "Open");
  CheckDevice(sentenceRecorder_, sentenceRecorder_.Record(), "Record");
}

void SoundService::StopSentenceRecording() {
  if (sentenceRecording_) {
    // The player may hold the previous recording of the same name.
    player_.Close();
    CheckDevice(sentenceRecorder_, sentenceRecorder_.Save(dataDir_ + "tmp1.Wav"), "Save");
    CheckDevice(sentenceRecorder_, sentenceRecorder_.Close(), "Close");
  }
  sentenceRecording_ = false;
}

void SoundService::StartPhraseRecording() {
  // Unlike the sentence recorder, a new recording is opened even while one runs.
  phraseRecording_ = true;
  phraseRecorder_.Open();
  phraseRecorder_.Record();
}

void SoundService::StopPhraseRecording(const std::string& base) {
  if (phraseRecording_) {
    player_.Close();
    // Device errors are not reported here: the window's length check refuses the result.
    phraseRecorder_.Save(InDataDir(base) + ".Wav");
    phraseRecorder_.Close();
  }
  phraseRecording_ = false;
}

std::string SoundService::InDataDir(const std::string& name) const {
  const bool bare = name.find_first_of("\\/") == std::string::npos;
  return bare ? dataDir_ + name : name;
}

std::int64_t SoundService::RecordingLengthMs(const std::string& path) {
  player_.Close();
  player_.SetFileName(path);
  std::string error;
  if (!player_.Open(&error)) return 0;
  return player_.LengthMs();
}

void SoundService::WaitWithEvents(std::uint32_t ms) {
  waiter_.WaitWithEvents(static_cast<int>(std::min<std::uint32_t>(ms, INT32_MAX)));
}

}  // namespace tess
