#pragma once
// The one sound service of the course program: the shared wave player, the dispatch that runs
// when a sound has ended (it chains the learner's recording and the lecturer's phrase and
// drives conversation playback), and the two voice recorders.
#include <cstdint>
#include <functional>
#include <string>

#include "media/ExerciseTimer.h"
#include "platform/MediaPlayer.h"

namespace tess {

class EventWaiter;
class MessageBox;
class VoiceRecorder;

/// What the end of the current sound triggers (the values of `PlaybackMode`).
namespace playback_mode {
inline constexpr const char* kLecturerAfter = "PotemLektor:";  // + the lecturer's sound name
inline constexpr const char* kSinglePhrase = "dialog";
inline constexpr const char* kWholeConversation = "dialogi_All";
inline constexpr const char* kRoleA = "dialogi_A";
inline constexpr const char* kRoleB = "dialogi_B";
inline constexpr const char* kRoleC = "dialogi_C";
inline constexpr const char* kRoleD = "dialogi_D";
inline constexpr const char* kNothing = "NIC";
}  // namespace playback_mode

/// The conversations window's part of the dispatch; empty hooks do nothing.
struct ConversationHooks {
  std::function<void()> RepaintText;        ///< before the lecturer follows the learner
  std::function<void()> SinglePhraseEnded;  ///< mode "dialog"
  std::function<void()> ContinuePlayback;   ///< modes "dialogi_All", "dialogi_A".."dialogi_D"
};

class SoundService {
 public:
  /// The shortest recordings the windows accept, in milliseconds (longer than 199 and 299).
  static constexpr std::int64_t kSentenceRecordingMinMs = 200;
  static constexpr std::int64_t kPhraseRecordingMinMs = 300;

  /// Takes the shared player over: its end-of-sound reports come to OnPlaybackDone.
  SoundService(MediaPlayer& player, VoiceRecorder& sentenceRecorder, VoiceRecorder& phraseRecorder,
               MessageBox& messages, EventWaiter& waiter);
  ~SoundService();
  SoundService(const SoundService&) = delete;
  SoundService& operator=(const SoundService&) = delete;

  /// ProgramDir (ending in "\"); MediaDir is ProgramDir + "Hdd\". The learner's recordings
  /// go to `dataDir`, ProgramDir when it is empty.
  void SetProgramDir(const std::string& programDir, const std::string& dataDir = {});
  const std::string& ProgramDir() const { return programDir_; }
  const std::string& DataDir() const { return dataDir_; }
  const std::string& MediaDir() const { return mediaDir_; }

  /// The shared player, for the windows that open, play, stop and close files on it directly.
  MediaPlayer& Player() { return player_; }

  void PlaySoundFile(const std::string& path, bool wait);
  void PlayFileFromStart(const std::string& path, bool wait);
  void PlayConversationSound(const std::string& name);
  void PausePlayback();
  void StopPlayback();
  /// The shared player's report of the end of a play command.
  void OnPlaybackDone(PlayResult result);

  void StartSentenceRecording();
  /// Saves to DataDir + "tmp1.Wav".
  void StopSentenceRecording();
  void StartPhraseRecording();
  /// Saves to base + ".Wav"; a bare name lands in DataDir.
  void StopPhraseRecording(const std::string& base);
  bool SentenceRecording() const { return sentenceRecording_; }
  bool PhraseRecording() const { return phraseRecording_; }

  /// Points the shared player at a saved recording, opens it and gives its length in
  /// milliseconds (0 when it cannot be opened), for the windows' length check.
  std::int64_t RecordingLengthMs(const std::string& path);
  static bool SentenceRecordingAccepted(std::int64_t ms) { return ms >= kSentenceRecordingMinMs; }
  static bool PhraseRecordingAccepted(std::int64_t ms) { return ms >= kPhraseRecordingMinMs; }

  void WaitWithEvents(std::uint32_t ms);

  /// The open exercise window's timer, or nullptr; set and cleared by the windows that own one.
  void SetExerciseTimer(ExerciseTimer* timer) { exerciseTimer_ = timer; }
  ExerciseTimer* CurrentExerciseTimer() const { return exerciseTimer_; }

  void SetConversationHooks(ConversationHooks hooks) { hooks_ = std::move(hooks); }

  /// What the end of the current sound triggers; empty = nothing.
  std::string PlaybackMode;

 private:
  /// Closes the player, names the file and opens it; a device failure is shown.
  bool OpenFresh(const std::string& path);
  void CheckDevice(VoiceRecorder& recorder, int code, const char* operation);
  std::string InDataDir(const std::string& name) const;

  MediaPlayer& player_;
  VoiceRecorder& sentenceRecorder_;
  VoiceRecorder& phraseRecorder_;
  MessageBox& messages_;
  EventWaiter& waiter_;
  std::string programDir_;
  std::string dataDir_;
  std::string mediaDir_ = "Hdd\\";
  ExerciseTimer* exerciseTimer_ = nullptr;
  ConversationHooks hooks_;
  bool sentenceRecording_ = false;
  bool phraseRecording_ = false;
};

}  // namespace tess
