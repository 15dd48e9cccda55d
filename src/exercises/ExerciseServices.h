#pragma once
// What every exercise window reaches besides its own controls: the program-wide state and
// the services of the program, and the launcher that switches between the lesson's tabs.
#include <string>

namespace tess {

struct CourseState;
struct LessonState;
class Clock;
class ExerciseList;
class MessageBox;
class PictureLoader;
class RandomSource;
class ResultReporter;
class ResultsStore;
class SoundService;
class MediaWindow;
class SkinStrips;

/// The part of the launcher the windows call back.
class ExerciseHost {
 public:
  virtual ~ExerciseHost() = default;
  /// A tab icon was clicked.
  virtual void OpenExerciseTab(int tab) = 0;
  /// F1: the help window on a page (full path, with its anchor).
  virtual void ShowHelpPage(const std::string& page) = 0;
  /// A text (cp1250) in the information window, modal: the typing exercise's glossary.
  virtual void ShowInformation(const std::string& text) = 0;
  /// The learner closed the exercise window: the window that opened the lesson takes over.
  virtual void ExerciseClosed() = 0;
};

struct ExerciseServices {
  CourseState& State;
  LessonState& Lesson;
  const ExerciseList& Exercises;
  ResultsStore& Results;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  SoundService& Sound;
  MediaWindow& Media;
  Clock& Time;
  RandomSource& Random;
  /// The message window (modal), for the texts the exercises show.
  MessageBox& Messages;
  ExerciseHost& Host;
  /// Told about recorded results in classroom mode; none in local mode.
  ResultReporter* Reporter = nullptr;
};

}  // namespace tess
