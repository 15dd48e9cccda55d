// The sound service with a fake player and recorders: which commands reach the player, what
// the end of a sound sets off, and the recorders' command sequences and messages.
#include "media/SoundService.h"

#include <gtest/gtest.h>

#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/WavFile.h"
#include "shared/Paths.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

class CountingTimer : public ExerciseTimer {
 public:
  void Enable() override { calls.push_back("Enable"); }
  void Disable() override { calls.push_back("Disable"); }
  std::vector<std::string> calls;
};

class SoundServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    programDir_ = folder_.path() + "\\";
    service_.SetProgramDir(programDir_);
    MakeDirectory(programDir_ + "Hdd\\Dialogi");
    service_.SetConversationHooks({[this] { hooks_.push_back("repaint"); },
                                   [this] { hooks_.push_back("phrase ended"); },
                                   [this] { hooks_.push_back("continue"); }});
  }
  /// A file the service can find (the fake player never reads it).
  std::string Sound(const std::string& relative) {
    const std::string path = programDir_ + relative;
    MakeDirectory(path.substr(0, path.find_last_of('\\')));
    testing::WriteBytes(ResolvePath(path), "RIFF");
    return path;
  }
  std::vector<std::string> TakeCalls() {
    std::vector<std::string> calls;
    calls.swap(player_.calls);
    return calls;
  }

  TempFolder folder_;
  std::string programDir_;
  FakeMediaPlayer player_;
  FakeVoiceRecorder sentenceRecorder_, phraseRecorder_;
  FakeMessageBox messages_;
  FakeEventWaiter waiter_;
  SoundService service_{player_, sentenceRecorder_, phraseRecorder_, messages_, waiter_};
  std::vector<std::string> hooks_;
};

TEST_F(SoundServiceTest, SameFileGoesOnAfterPauseAndFromStartBeginsAgain) {
  const std::string text = Sound("Hdd\\Teksty_wav\\3.wav");
  CountingTimer timer;
  service_.SetExerciseTimer(&timer);

  service_.PlaySoundFile(text, false);
  EXPECT_EQ(TakeCalls(),
            (std::vector<std::string>{"Close", "SetFileName " + text, "Open", "Play"}));
  player_.Advance(1200);
  service_.PausePlayback();
  EXPECT_EQ(player_.State(), PlayerState::Paused);
  service_.PlaySoundFile(text, false);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"Pause", "Play"})) << "the open file is kept";
  EXPECT_EQ(player_.playedFrom, (std::vector<std::int64_t>{0, 1200}));
  EXPECT_EQ(timer.calls, (std::vector<std::string>{"Enable", "Disable", "Enable"}));

  player_.Advance(300);
  service_.PlayFileFromStart(text, true);
  EXPECT_EQ(TakeCalls(),
            (std::vector<std::string>{"Close", "SetFileName " + text, "Open", "Play wait"}));
  EXPECT_EQ(player_.playedFrom.back(), 0);
  EXPECT_EQ(timer.calls.size(), 3u) << "starting from the start leaves the timer alone";
}

TEST_F(SoundServiceTest, PlayedThroughFileStartsAgainAndAnotherFileIsOpened) {
  const std::string a = Sound("wav_r\\r_open.wav");
  const std::string b = Sound("Wav_r\\ok.wav");
  service_.PlaySoundFile(a, true);  // the fake plays a waited sound to its end
  EXPECT_EQ(player_.PositionMs(), player_.LengthMs());
  service_.PlaySoundFile(a, false);
  EXPECT_EQ(player_.playedFrom, (std::vector<std::int64_t>{0, 0}));
  TakeCalls();
  service_.PlaySoundFile(b, false);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"Close", "SetFileName " + b, "Open", "Play"}));
}

TEST_F(SoundServiceTest, MissingAndUnopenableFiles) {
  const std::string kept = Sound("wav_r\\r_open.wav");
  service_.PlaySoundFile(kept, false);
  TakeCalls();
  const std::string missing = programDir_ + "Hdd\\Teksty_wav\\9.wav";

  service_.PlaySoundFile(missing, false);
  service_.PlayFileFromStart(missing, false);
  service_.PlayConversationSound("d1_01");
  service_.PlaySoundFile("", false);
  service_.PlayFileFromStart("", false);
  EXPECT_EQ(messages_.messages, (std::vector<std::string>{"Brak pliku: " + missing + ".",
                                                          "Nie odnaleziono pliku: " + programDir_ +
                                                              "Hdd\\Dialogi\\d1_01.wav"}));
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_EQ(player_.FileName(), kept) << "the player keeps its previous file";

  const std::string broken = Sound("Hdd\\Teksty_wav\\4.wav");
  player_.unopenable.insert(broken);
  player_.openError = "Nie można otworzyć pliku dźwiękowego";
  service_.PlaySoundFile(broken, false);
  EXPECT_EQ(messages_.messages.back(), "Nie można otworzyć pliku dźwiękowego");
  EXPECT_EQ(player_.calls.back(), "Open") << "nothing is played";
}

TEST_F(SoundServiceTest, SavePrefixPicksTheFolder) {
  struct Row {
    const char* name;
    std::string path;
  };
  Sound("save_3.wav");
  Sound("SAVE_4.wav.wav");
  Sound("Hdd\\Dialogi\\SAVE_4.wav.wav");
  Sound("Hdd\\Dialogi\\d2_07.wav");
  const Row rows[] = {
      {"save_3.wav", programDir_ + "save_3.wav"},
      {"SAVE_4.wav", programDir_ + "Hdd\\Dialogi\\SAVE_4.wav.wav"},  // prefix in another case
      {"d2_07", programDir_ + "Hdd\\Dialogi\\d2_07.wav"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    service_.PlayConversationSound(row.name);
    EXPECT_EQ(player_.FileName(), row.path);
    EXPECT_EQ(player_.calls.back(), "Play");
  }
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SoundServiceTest, StopRewindsAndLeavesTheTimerAloneWhenNothingPlays) {
  const std::string text = Sound("Hdd\\Teksty_wav\\3.wav");
  CountingTimer timer;
  service_.SetExerciseTimer(&timer);

  service_.StopPlayback();  // nothing open
  service_.PlaySoundFile(text, true);
  timer.calls.clear();
  TakeCalls();
  service_.StopPlayback();  // played through: stopped
  EXPECT_TRUE(timer.calls.empty());
  EXPECT_TRUE(TakeCalls().empty());

  for (bool pause : {false, true}) {
    SCOPED_TRACE(pause ? "paused" : "playing");
    service_.PlaySoundFile(text, false);
    player_.Advance(700);
    if (pause) service_.PausePlayback();
    timer.calls.clear();
    TakeCalls();
    service_.StopPlayback();
    EXPECT_EQ(timer.calls, std::vector<std::string>{"Disable"});
    EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"Stop", "Seek 0"}));
    EXPECT_EQ(player_.PositionMs(), 0);
  }
}

TEST_F(SoundServiceTest, OnlySuccessfulEndsActOnTheMode) {
  struct Row {
    std::string mode;
    PlayResult result;
    std::vector<std::string> hooks;
    std::string modeAfter;
  };
  const auto ok = PlayResult::Successful;
  const Row rows[] = {
      {"dialog", ok, {"phrase ended"}, "dialog"},
      {"dialogi_All", ok, {"continue"}, "dialogi_All"},
      {"dialogi_A", ok, {"continue"}, "dialogi_A"},
      {"dialogi_B", ok, {"continue"}, "dialogi_B"},
      {"dialogi_C", ok, {"continue"}, "dialogi_C"},
      {"dialogi_D", ok, {"continue"}, "dialogi_D"},
      {"PotemLektor:d1_02", ok, {"repaint"}, "dialog"},
      {"", ok, {}, ""},
      {"NIC", ok, {}, "NIC"},
      {"Dialog", ok, {}, "Dialog"},
      {"dialogi_E", ok, {}, "dialogi_E"},
      {"dialog", PlayResult::Aborted, {}, "dialog"},
      {"dialogi_All", PlayResult::Superseded, {}, "dialogi_All"},
      {"PotemLektor:d1_02", PlayResult::Aborted, {}, "PotemLektor:d1_02"},
      {"PotemLektor:d1_02", PlayResult::Failed, {}, "PotemLektor:d1_02"},
  };
  Sound("Hdd\\Dialogi\\d1_02.wav");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mode + " result " + std::to_string(static_cast<int>(row.result)));
    hooks_.clear();
    TakeCalls();
    service_.PlaybackMode = row.mode;
    service_.OnPlaybackDone(row.result);
    EXPECT_EQ(hooks_, row.hooks);
    EXPECT_EQ(service_.PlaybackMode, row.modeAfter);
  }
}

TEST_F(SoundServiceTest, LecturerFollowsTheLearnersRecording) {
  const std::string own = Sound("save_5.Wav");
  Sound("Hdd\\Dialogi\\d1_05.wav");
  service_.PlaybackMode = std::string("PotemLektor:") + "d1_05";
  service_.PlayConversationSound("save_5.wav");
  EXPECT_EQ(player_.FileName(), programDir_ + "save_5.wav");

  player_.Finish(PlayResult::Successful);  // the learner's recording has ended
  EXPECT_EQ(service_.PlaybackMode, "dialog");
  EXPECT_EQ(player_.FileName(), programDir_ + "Hdd\\Dialogi\\d1_05.wav");
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_EQ(hooks_, std::vector<std::string>{"repaint"});

  player_.Finish(PlayResult::Successful);  // and then the lecturer's phrase
  EXPECT_EQ(hooks_, (std::vector<std::string>{"repaint", "phrase ended"}));
}

TEST_F(SoundServiceTest, StoppedOrReplacedSoundNeverGoesOn) {
  struct Row {
    const char* name;
    std::function<void(SoundService&, FakeMediaPlayer&)> interrupt;
  };
  const std::string other = Sound("Wav_r\\no.wav");
  const Row rows[] = {
      {"stop", [](SoundService& s, FakeMediaPlayer&) { s.StopPlayback(); }},
      {"pause", [](SoundService& s, FakeMediaPlayer&) { s.PausePlayback(); }},
      {"another sound", [&](SoundService& s, FakeMediaPlayer&) { s.PlaySoundFile(other, false); }},
      {"closed", [](SoundService&, FakeMediaPlayer& p) { p.Close(); }},
  };
  Sound("save_2.wav");
  Sound("Hdd\\Dialogi\\d1_02.wav");
  for (const char* mode : {"PotemLektor:d1_02", "dialogi_All", "dialog"}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(mode) + " / " + row.name);
      hooks_.clear();
      service_.PlaybackMode = mode;
      service_.PlayConversationSound("save_2.wav");
      const std::size_t before = player_.playedFrom.size();
      row.interrupt(service_, player_);
      EXPECT_TRUE(hooks_.empty());
      EXPECT_EQ(service_.PlaybackMode, mode);
      EXPECT_LE(player_.playedFrom.size(), before + 1) << "no lecturer's phrase followed";
      EXPECT_NE(player_.FileName(), programDir_ + "Hdd\\Dialogi\\d1_02.wav");
    }
  }
}

TEST_F(SoundServiceTest, SentenceRecorderCommandsAndTheirErrors) {
  Sound("tmp1.Wav");
  player_.SetFileName(programDir_ + "tmp1.wav");
  std::string error;
  player_.Open(&error);
  sentenceRecorder_.errors = {{"Record", 263}, {"Save", 7}};

  service_.StopSentenceRecording();  // nothing started
  EXPECT_TRUE(sentenceRecorder_.calls.empty());
  EXPECT_FALSE(service_.SentenceRecording());
  EXPECT_EQ(player_.State(), PlayerState::Open);

  service_.StartSentenceRecording();
  service_.StartSentenceRecording();  // already recording: nothing
  EXPECT_TRUE(service_.SentenceRecording());
  service_.StopSentenceRecording();
  EXPECT_FALSE(service_.SentenceRecording());
  EXPECT_EQ(
      sentenceRecorder_.calls,
      (std::vector<std::string>{"Open", "Record", "Save " + programDir_ + "tmp1.Wav", "Close"}));
  EXPECT_EQ(player_.State(), PlayerState::NotReady) << "the player lets the old recording go";
  EXPECT_EQ(messages_.messages, (std::vector<std::string>{"error 263 Record", "error 7 Save"}));
}

TEST_F(SoundServiceTest, DeviceErrorTextIsCutAt200Characters) {
  class WordyRecorder : public FakeVoiceRecorder {
   public:
    std::string ErrorText(int) const override { return text; }
    std::string text;
  };
  const auto repeat = [](const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  struct Row {
    const char* name;
    std::string text;
    std::string shown;
  };
  const Row rows[] = {
      {"ascii", repeat("x", 300), repeat("x", 200)},
      {"polish letters count once", repeat("ą", 150), repeat("ą", 150)},
      {"cut between letters", repeat("ż", 210), repeat("ż", 200)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WordyRecorder recorder;
    recorder.text = row.text;
    recorder.errors = {{"Open", 1}};
    FakeMessageBox box;
    SoundService service(player_, recorder, phraseRecorder_, box, waiter_);
    service.StartSentenceRecording();
    EXPECT_EQ(box.messages, std::vector<std::string>{row.shown + " Open"});
  }
}

TEST_F(SoundServiceTest, PhraseRecorderSavesBesideTheProgramAndStaysQuiet) {
  phraseRecorder_.errors = {{"Open", 1}, {"Record", 2}, {"Save", 3}, {"Close", 4}};
  service_.StopPhraseRecording("save_1");  // nothing started
  EXPECT_TRUE(phraseRecorder_.calls.empty());

  service_.StartPhraseRecording();
  service_.StartPhraseRecording();  // a new recording is opened all the same
  service_.StopPhraseRecording("save_1");
  EXPECT_EQ(phraseRecorder_.calls,
            (std::vector<std::string>{"Open", "Record", "Open", "Record",
                                      "Save " + programDir_ + "save_1.Wav", "Close"}));
  EXPECT_FALSE(service_.PhraseRecording());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SoundServiceTest, ShortRecordingsAreRefusedByTheWindowsRule) {
  struct Row {
    std::int64_t ms;
    bool sentence;
    bool phrase;
  };
  const Row rows[] = {{0, false, false},  {199, false, false}, {200, true, false},
                      {299, true, false}, {300, true, true},   {4000, true, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.ms);
    EXPECT_EQ(SoundService::SentenceRecordingAccepted(row.ms), row.sentence);
    EXPECT_EQ(SoundService::PhraseRecordingAccepted(row.ms), row.phrase);
  }

  // The windows measure the saved file on the shared player.
  phraseRecorder_.savedLengthMs = 250;
  service_.StartPhraseRecording();
  service_.StopPhraseRecording("save_2");
  const std::string saved = programDir_ + "save_2.Wav";
  EXPECT_EQ(WavLengthMs(saved), 250);
  player_.lengths[saved] = WavLengthMs(saved);
  EXPECT_EQ(service_.RecordingLengthMs(saved), 250);
  EXPECT_EQ(player_.FileName(), saved);
  EXPECT_FALSE(SoundService::PhraseRecordingAccepted(service_.RecordingLengthMs(saved)));
}

TEST_F(SoundServiceTest, WaitWithEventsUsesTheWaiter) {
  service_.WaitWithEvents(300);
  service_.WaitWithEvents(70);
  EXPECT_EQ(waiter_.waits, (std::vector<int>{300, 70}));
}

}  // namespace
}  // namespace tess
