// The media window's rules with a fake player: layouts, marks, seeking and its buttons.
#include "media/MediaWindowLogic.h"

#include <gtest/gtest.h>

#include "core/SpeechTempo.h"

#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "shared/Paths.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

TEST(MediaLayoutTest, RecordingBarIsWiderWithMarks) {
  const MediaLayout with = MediaLayoutFor(kMediaRecording, true);
  const MediaLayout without = MediaLayoutFor(kMediaRecording, false);
  EXPECT_EQ(with.Width, 290);
  EXPECT_EQ(without.Width, 200);
  for (const MediaLayout& bar : {with, without}) {
    EXPECT_EQ(bar.Height, 33);
    EXPECT_FALSE(bar.TitleShown);
    EXPECT_FALSE(bar.PanelShown);
    EXPECT_EQ(bar.Play.Left, 8);
    EXPECT_EQ(bar.Stop.Left, 32);
    EXPECT_EQ(bar.Pause.Left, 56);
    EXPECT_EQ(bar.Play.Top, 1);
    EXPECT_EQ(bar.Track, (MediaRect{86, 10, 100, bar.Track.Height}));
    EXPECT_EQ(bar.Knob.Left, 86);
    EXPECT_EQ(bar.Knob.Top, 6);
    EXPECT_EQ(bar.Title, (MediaRect{0, 0, bar.Width - 23, 18}));
    for (int k = 0; k < kJumpMarks; ++k) {
      EXPECT_EQ(bar.Marks[k].Left, 190 + 24 * k);
      EXPECT_EQ(bar.Marks[k].Top, 1);
      EXPECT_LE(bar.Marks[k].Left + bar.Marks[k].Width, with.Width);
    }
    EXPECT_LE(bar.Track.Left + bar.Track.Width, without.Width);
  }
}

TEST(MediaLayoutTest, FilmLayout) {
  const MediaLayout film = MediaLayoutFor(kMediaFilm, true);
  EXPECT_EQ(film.Width, 336);
  EXPECT_EQ(film.Height, 344);
  EXPECT_TRUE(film.TitleShown);
  EXPECT_TRUE(film.PanelShown);
  EXPECT_EQ(film.Panel.Left, 1);
  EXPECT_EQ(film.Panel.Top, 20);
  EXPECT_EQ(film.Play, (MediaRect{8, 308, film.Play.Width, film.Play.Height}));
  EXPECT_EQ(film.Stop.Left, 32);
  EXPECT_EQ(film.Pause.Left, 56);
  EXPECT_EQ(film.Track, (MediaRect{100, 315, 200, film.Track.Height}));
  EXPECT_EQ(film.Knob.Left, 100);
  EXPECT_EQ(film.Knob.Top, 311);
  EXPECT_EQ(film.Title, (MediaRect{0, 0, 313, 18}));
  // Everything lies inside the window, and the marks clear the picture and the buttons.
  for (const MediaRect& r : {film.Panel, film.Play, film.Track, film.Knob, film.Marks[3]}) {
    EXPECT_LE(r.Left + r.Width, film.Width);
    EXPECT_LE(r.Top + r.Height, film.Height);
  }
  EXPECT_GE(film.Marks[0].Top, film.Panel.Top + film.Panel.Height);
  EXPECT_LE(film.Marks[0].Top + film.Marks[0].Height, film.Play.Top);
}

TEST(MediaLayoutTest, JumpTimesFromTheExerciseHeader) {
  struct Row {
    const char* header;
    std::array<int, kJumpMarks> times;
  };
  const Row rows[] = {
      {"x#7#tlo#Anw#Polecenie#Instr#y#30#75##", {0, 30000, 75000, -1}},
      {"x#7#tlo#Anw#Polecenie#Instr#y# 30 #75#120#", {0, 30000, 75000, 120000}},
      {"x#7#tlo#Anw#Polecenie#", {0, -1, -1, -1}},  // a fifth "#" but no times
      {"x#7#tlo#Anw#Polecenie", {-1, -1, -1, -1}},  // no fifth "#"
      {"", {-1, -1, -1, -1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.header);
    EXPECT_EQ(JumpTimesFromHeader(row.header), row.times);
  }
}

TEST(MediaLayoutTest, SeekAndKnobArithmetic) {
  // The middle of a 200-pixel track with a 7-pixel knob, on a 60000 ms film.
  EXPECT_EQ(TrackPressTime(100, 60000, 200, 7), 31000);
  EXPECT_EQ(TrackPressTime(0, 60000, 200, 7), 0);
  EXPECT_EQ(TrackPressTime(50, 999, 100, 7), 50 * 10);

  const MediaRect track{100, 315, 200, 5}, knob{100, 311, 7, 13};
  EXPECT_EQ(KnobLeftFor(0, 60000, track, knob), 100);
  EXPECT_EQ(KnobLeftFor(30000, 60000, track, knob), 100 + 97);  // 96.5 rounds up
  EXPECT_EQ(KnobLeftFor(60000, 60000, track, knob), 293);
  EXPECT_EQ(KnobLeftFor(5000, 0, track, knob), 100);

  EXPECT_EQ(MediaKindOfPath(kMediaRecording, "Teksty_mpg_r\\3.AVI"), kMediaFilm);
  EXPECT_EQ(MediaKindOfPath(kMediaFilm, "Hdd\\Teksty_wav\\3.wav"), kMediaRecording);
  EXPECT_EQ(MediaKindOfPath(kMediaFilm, "Teksty_mpg_r\\3.mpg"), kMediaFilm);
  EXPECT_EQ(MediaWindowOrigin(100, 50, -1, -1), (std::array<int, 2>{110, 60}));
  EXPECT_EQ(MediaWindowOrigin(100, 50, 600, 0), (std::array<int, 2>{700, 50}));
}

TEST(MediaLayoutTest, LoopButtonsStandClearOfTheOtherControls) {
  const auto overlap = [](const MediaRect& a, const MediaRect& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
  };
  struct Row {
    const char* name;
    int kind;
    bool marks;
  };
  for (const Row& row :
       {Row{"film", kMediaFilm, true}, Row{"bar with marks", kMediaRecording, true},
        Row{"bar", kMediaRecording, false}}) {
    SCOPED_TRACE(row.name);
    const MediaLayout layout = MediaLayoutFor(row.kind, row.marks);
    std::vector<MediaRect> others = {layout.Play,  layout.Stop, layout.Pause,
                                     layout.Track, layout.Knob, layout.Time};
    if (layout.TitleShown) others.insert(others.end(), {layout.Title, layout.Close});
    if (layout.PanelShown) others.push_back(layout.Panel);
    if (row.marks) others.insert(others.end(), layout.Marks.begin(), layout.Marks.end());
    const std::vector<MediaRect> loop = {layout.LoopA, layout.LoopB, layout.LoopClear,
                                         layout.Tempo};
    for (size_t i = 0; i < loop.size(); ++i) {
      const MediaRect& button = loop[i];
      EXPECT_GE(button.Left, 0);
      EXPECT_LE(button.Left + button.Width, layout.Width) << i;
      EXPECT_LE(button.Top + button.Height, layout.Height) << i;
      for (const MediaRect& other : others) {
        EXPECT_FALSE(overlap(button, other)) << i << " on " << other.Left << "," << other.Top;
      }
      for (size_t j = i + 1; j < loop.size(); ++j) EXPECT_FALSE(overlap(button, loop[j]));
    }
  }
}

class MediaWindowLogicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    film_ = folder_ / "3.mpg";
    recording_ = folder_ / "3.wav";
    testing::WriteBytes(film_, "film");
    testing::WriteBytes(recording_, "RIFF");
    player_.defaultLength = 60000;
    logic_.AttachDisplay = [this](bool attach) { attached_.push_back(attach); };
  }

  TempFolder folder_;
  std::string film_, recording_;
  FakeMediaPlayer player_;
  FakeMessageBox messages_;
  MediaWindowLogic logic_{player_, messages_};
  std::vector<bool> attached_;
};

TEST_F(MediaWindowLogicTest, MarksFromHeaderTimes30And75) {
  logic_.JumpTimes = JumpTimesFromHeader("x#7#tlo#Anw#Pol#Eng#y#30#75##");
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  EXPECT_TRUE(logic_.HasMarks);
  EXPECT_EQ(logic_.MarkShown, (std::array<bool, kJumpMarks>{true, true, true, false}));
  EXPECT_EQ(logic_.Layout.Width, 290);
  EXPECT_FALSE(logic_.TimerRunning) << "a recording waits for its play button";
  EXPECT_EQ(player_.State(), PlayerState::Open);

  logic_.JumpTimes = {-1, -1, -1, -1};
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  EXPECT_FALSE(logic_.HasMarks);
  EXPECT_EQ(logic_.MarkShown, (std::array<bool, kJumpMarks>{}));
  EXPECT_EQ(logic_.Layout.Width, 200);
  // Mark 2 decides: without it no mark is shown at all.
  logic_.JumpTimes = {0, -1, 75000, -1};
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  EXPECT_FALSE(logic_.HasMarks);
  EXPECT_EQ(logic_.MarkShown, (std::array<bool, kJumpMarks>{}));
}

TEST_F(MediaWindowLogicTest, FilmStartsAtOnceInItsPanel) {
  ASSERT_TRUE(logic_.Open(kMediaFilm, film_));
  EXPECT_EQ(logic_.Kind, kMediaFilm);
  EXPECT_TRUE(logic_.MediaShown);
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_TRUE(logic_.TimerRunning);
  EXPECT_FALSE(logic_.MediaPlaying);
  EXPECT_EQ(attached_, std::vector<bool>{true});
  EXPECT_EQ(player_.FileName(), film_);

  player_.Advance(30000);
  logic_.TimerTick();
  EXPECT_EQ(logic_.KnobLeft, 100 + 97);

  // Recordings draw nothing.
  ASSERT_TRUE(logic_.Open(kMediaFilm, recording_));
  EXPECT_EQ(logic_.Kind, kMediaRecording);
  EXPECT_EQ(attached_.back(), false);
  EXPECT_EQ(logic_.KnobLeft, 86);
}

TEST_F(MediaWindowLogicTest, MissingOrUnplayableFileKeepsTheWindowClosed) {
  EXPECT_FALSE(logic_.Open(kMediaFilm, folder_ / "9.mpg"));
  EXPECT_FALSE(logic_.Open(kMediaRecording, folder_ / "9.wav"));
  player_.unopenable.insert(film_);
  player_.openError = "Could not determine type of stream.";
  EXPECT_FALSE(logic_.Open(kMediaFilm, film_));
  EXPECT_EQ(messages_.messages,
            (std::vector<std::string>{"Tutaj będzie film", "Tutaj będzie nagranie",
                                      "Could not determine type of stream."}));
  EXPECT_FALSE(logic_.MediaShown);
  EXPECT_NE(player_.State(), PlayerState::Playing);
  EXPECT_EQ(attached_, (std::vector<bool>{true, false}));
}

TEST_F(MediaWindowLogicTest, ButtonsTrackAndMarks) {
  logic_.JumpTimes = {0, 30000, 75000, -1};
  player_.defaultLength = 90000;
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));

  logic_.PlayClicked();
  EXPECT_TRUE(logic_.MediaPlaying);
  EXPECT_TRUE(logic_.TimerRunning);
  logic_.PauseClicked();
  EXPECT_EQ(player_.State(), PlayerState::Paused);
  EXPECT_FALSE(logic_.TimerRunning);
  logic_.PauseClicked();
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_TRUE(logic_.TimerRunning);

  player_.calls.clear();
  logic_.TrackPressed(50);  // 50 x (90000 div 93)
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Seek 48350", "Play"}));
  logic_.TrackPressed(99);  // beyond the end of the sound: its end
  EXPECT_EQ(player_.playedFrom.back(), 0) << "a seek to the end plays from the start again";

  // The arrow keys move from where it is, never past either end.
  logic_.TrackPressed(50);
  player_.calls.clear();
  logic_.SeekBy(5000);
  logic_.SeekBy(-60000);
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Seek 53350", "Play", "Seek 0", "Play"}));

  player_.calls.clear();
  logic_.MarkClicked(3);  // playing: paused first, as the pause button does
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Pause", "Seek 75000", "Play"}));
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_TRUE(logic_.TimerRunning);
  player_.calls.clear();
  logic_.MarkClicked(4);  // hidden mark
  EXPECT_TRUE(player_.calls.empty());

  logic_.StopClicked();
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  EXPECT_EQ(player_.PositionMs(), 0);
  EXPECT_FALSE(logic_.TimerRunning);
  EXPECT_FALSE(logic_.MediaPlaying);
  EXPECT_EQ(logic_.KnobLeft, 86);
}

TEST_F(MediaWindowLogicTest, HidingStopsOrClosesAndTheCloseLabelClosesTheWindow) {
  ASSERT_TRUE(logic_.Open(kMediaFilm, film_));
  logic_.Hidden();  // the help window hides it
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  EXPECT_TRUE(logic_.MediaShown);
  EXPECT_EQ(attached_.back(), false);
  logic_.Reshown();
  EXPECT_EQ(attached_.back(), true);

  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  logic_.CloseClicked();  // never played: the file is let go
  EXPECT_EQ(player_.State(), PlayerState::NotReady);
  EXPECT_FALSE(logic_.MediaShown);
  logic_.Reshown();
  EXPECT_EQ(player_.State(), PlayerState::Open) << "shown again, the recording can be played";
}

TEST_F(MediaWindowLogicTest, AStretchLoopsUntilStopOrASeekOutsideIt) {
  player_.defaultLength = 90000;
  EXPECT_EQ(logic_.LoopAClicked(), PhraseLoop::Mark::Refused) << "no file open yet";
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  logic_.PlayClicked();
  player_.Advance(10000);
  EXPECT_EQ(logic_.LoopAClicked(), PhraseLoop::Mark::Set);
  player_.Advance(5000);
  player_.calls.clear();
  EXPECT_EQ(logic_.LoopBClicked(), PhraseLoop::Mark::Set);
  // Marked while playing at B: back to A at once.
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Seek 10000", "Play"}));
  EXPECT_EQ(player_.State(), PlayerState::Playing);

  player_.calls.clear();
  player_.Advance(4900);
  logic_.TimerTick();
  EXPECT_TRUE(player_.calls.empty()) << "inside the stretch";
  player_.Advance(150);  // the tick comes a little after B
  logic_.TimerTick();
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Seek 10000", "Play"}));
  EXPECT_EQ(logic_.KnobLeft, KnobLeftFor(10000, 90000, logic_.Layout.Track, logic_.Layout.Knob));

  // Paused, the loop waits; it goes on after the pause.
  logic_.PauseClicked();
  player_.position = 15500;
  player_.calls.clear();
  logic_.TimerTick();
  EXPECT_TRUE(player_.calls.empty());
  logic_.PauseClicked();
  logic_.TimerTick();
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Resume", "Seek 10000", "Play"}));

  // A press on the track inside the stretch keeps it; outside it the loop is over.
  logic_.TrackPressed(12);  // 12 x 967
  EXPECT_TRUE(logic_.Loop.Active());
  logic_.TrackPressed(60);
  EXPECT_FALSE(logic_.Loop.HasA());
  player_.calls.clear();
  player_.Advance(20000);
  logic_.TimerTick();
  EXPECT_TRUE(player_.calls.empty());

  // Stop ends the loop too.
  logic_.LoopAClicked();
  player_.Advance(2000);
  logic_.LoopBClicked();
  ASSERT_TRUE(logic_.Loop.Active());
  logic_.StopClicked();
  EXPECT_FALSE(logic_.Loop.HasA());
}

TEST_F(MediaWindowLogicTest, AStretchToTheEndStartsAgainAtA) {
  ASSERT_TRUE(logic_.Open(kMediaFilm, film_));  // 60 s, playing
  player_.Advance(58000);
  logic_.LoopAClicked();
  player_.Advance(1990);
  logic_.LoopBClicked();
  player_.calls.clear();
  player_.Finish();  // the end came before the next tick saw B
  EXPECT_EQ(player_.calls, (std::vector<std::string>{"Seek 58000", "Play"}));
  EXPECT_EQ(player_.playedFrom.back(), 58000);

  // A stopped or replaced sound is no end of the media; without a stretch the end is the end.
  player_.calls.clear();
  player_.Finish(PlayResult::Aborted);
  EXPECT_TRUE(player_.calls.empty());
  logic_.LoopClearClicked();
  player_.Play();
  player_.calls.clear();
  player_.Finish();
  EXPECT_TRUE(player_.calls.empty());
  EXPECT_EQ(player_.State(), PlayerState::Stopped);

  // Hiding the window, or another file, forgets the marks.
  logic_.LoopAClicked();
  logic_.Hidden();
  EXPECT_FALSE(logic_.Loop.HasA());
  logic_.Reshown();
  logic_.LoopAClicked();
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  EXPECT_FALSE(logic_.Loop.HasA());
}

TEST_F(MediaWindowLogicTest, PaceCyclesAtOnceAndIsKeptForTheUser) {
  const std::string tempoFile = folder_ / "tempo_tsa2_2003.txt";
  logic_.TempoFile = [&tempoFile] { return tempoFile; };
  ASSERT_TRUE(logic_.Open(kMediaFilm, film_));
  EXPECT_EQ(logic_.TempoPercent, 100) << "no file yet";
  EXPECT_EQ(player_.Speed(), 1.0);
  player_.Advance(5000);
  const std::vector<std::string> before = player_.calls;
  for (int percent : {85, 70, 55, 100, 85}) {
    SCOPED_TRACE(percent);
    logic_.TempoClicked();
    EXPECT_EQ(logic_.TempoPercent, percent);
    EXPECT_DOUBLE_EQ(player_.Speed(), percent / 100.0);
    EXPECT_EQ(ReadTempoPercent(tempoFile), percent);
  }
  // The film goes on where it was: a pace is no play command.
  EXPECT_EQ(player_.calls, before);
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_EQ(player_.PositionMs(), 5000);

  // Each opening reads the file again (another window may have changed it); damage means 100.
  ASSERT_TRUE(WriteTempoPercent(tempoFile, 55));
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  EXPECT_EQ(logic_.TempoPercent, 55);
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.55);
  testing::WriteBytes(tempoFile, "fast");
  ASSERT_TRUE(logic_.Open(kMediaRecording, recording_));
  EXPECT_EQ(logic_.TempoPercent, 100);
  EXPECT_EQ(player_.Speed(), 1.0);

  // Nobody logged in: the pace still changes, and nothing is written.
  logic_.TempoFile = [] { return std::string(); };
  logic_.TempoClicked();
  EXPECT_DOUBLE_EQ(player_.Speed(), 0.85);
  EXPECT_EQ(testing::ReadBytes(tempoFile), "fast");
}

}  // namespace
}  // namespace tess
