#pragma once
// Opens the exercises of a lesson in the windows of their kinds and switches between the
// lesson's tabs. The windows are made once and reused; one is open at a time.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "exercises/ExerciseServices.h"
#include "exercises/LessonTabs.h"
#include "media/MediaWindowLogic.h"

namespace tess {

class ExerciseWindow;

/// The program's services without the lesson and the launcher, which the launcher adds.
struct ExerciseProgramServices {
  CourseState& State;
  const ExerciseList& Exercises;
  ResultsStore& Results;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  SoundService& Sound;
  MediaWindow& Media;
  Clock& Time;
  RandomSource& Random;
  MessageBox& Messages;
};

class ExerciseLauncher : public ExerciseHost {
 public:
  explicit ExerciseLauncher(const ExerciseProgramServices& services);
  ~ExerciseLauncher() override;

  /// The chooser opened a text: its exercises become the tabs and the first one opens.
  /// The current result name is the store's.
  void BeginLesson(const std::vector<int>& exercises, const std::vector<std::uint8_t>& slots,
                   int textMediaMode, const std::array<int, kJumpMarks>& jumpTimes);

  /// The classroom session that hears of every recorded result; none in local mode.
  void SetReporter(ResultReporter* reporter) { services_.Reporter = reporter; }

  void OpenExerciseTab(int tab) override;
  void ShowHelpPage(const std::string& page) override;
  void ShowInformation(const std::string& text) override;
  void ExerciseClosed() override;

  /// Loads exercise k into the window of its kind and shows it; kinds without a window open
  /// nothing.
  void LaunchExercise(int exercise);

  std::function<void(const std::string& page)> OnShowHelpPage;
  std::function<void(const std::string& text)> OnShowInformation;
  std::function<void()> OnExerciseClosed;

  LessonState& Lesson() { return lesson_; }
  /// The window open now, or nullptr.
  ExerciseWindow* CurrentExerciseWindow() const { return current_; }
  /// The window of a kind code (made at its first use), or nullptr when the kind has none.
  ExerciseWindow* WindowOfKind(const std::string& kindCode);

 private:
  void ShowInterfaceText(int n);

  LessonState lesson_;
  ExerciseServices services_;
  std::map<std::string, std::unique_ptr<ExerciseWindow>> windows_;
  ExerciseWindow* current_ = nullptr;
};

}  // namespace tess
