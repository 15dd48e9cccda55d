#include "exercises/ExerciseLauncher.h"

#include "core/CourseState.h"
#include "core/Settings.h"
#include "exercises/ColumnsWindow.h"
#include "exercises/DefinitionsWindow.h"
#include "exercises/MatchingPairsWindow.h"
#include "exercises/MultipleChoiceWindow.h"
#include "exercises/OrderingWindow.h"
#include "exercises/TrueFalseWindow.h"
#include "exercises/TypingWindow.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/MessageBox.h"
#include "results/ResultsStore.h"
#include "shared/CodePage.h"
#include "widgets/Centre.h"

namespace tess {
ExerciseLauncher::ExerciseLauncher(const ExerciseProgramServices& s)
    : services_{s.State, lesson_, s.Exercises, s.Results, s.Skins,    s.Pictures,
                s.Sound, s.Media, s.Time,      s.Random,  s.Messages, *this} {}

ExerciseLauncher::~ExerciseLauncher() = default;

namespace {

std::unique_ptr<ExerciseWindow> MakeWindowOfKind(const std::string& kindCode,
                                                 ExerciseServices& services) {
  if (kindCode == "MC") return std::make_unique<MultipleChoiceWindow>(services);
  if (kindCode == "TF") return std::make_unique<TrueFalseWindow>(services);
  if (kindCode == "HH") return std::make_unique<MatchingPairsWindow>(services);
  if (kindCode == "DV") return std::make_unique<OrderingWindow>(services);
  if (kindCode == "DD") return std::make_unique<ColumnsWindow>(services);
  if (kindCode == "DF") return std::make_unique<DefinitionsWindow>(services);
  if (kindCode == "WP") return std::make_unique<TypingWindow>(services);
  return nullptr;
}

}  // namespace

ExerciseWindow* ExerciseLauncher::WindowOfKind(const std::string& kindCode) {
  const auto found = windows_.find(kindCode);
  if (found != windows_.end()) return found->second.get();
  // Windows are made when a lesson first needs them, so the program's start does not wait
  // for their pictures.
  std::unique_ptr<ExerciseWindow> made = MakeWindowOfKind(kindCode, services_);
  if (!made) return nullptr;
  return windows_.emplace(kindCode, std::move(made)).first->second.get();
}

void ExerciseLauncher::BeginLesson(const std::vector<int>& exercises,
                                   const std::vector<std::uint8_t>& slots, int textMediaMode,
                                   const std::array<int, kJumpMarks>& jumpTimes) {
  services_.Media.SetJumpTimes(jumpTimes);
  lesson_.BeginLesson(exercises, slots, services_.Results.CurrentResultName, textMediaMode);
  current_ = nullptr;
  OpenExerciseTab(1);
}

void ExerciseLauncher::OpenExerciseTab(int tab) {
  const LessonState before = lesson_;
  const TabSwitch step = tess::OpenExerciseTab(lesson_, services_.Exercises, tab,
                                               services_.State.Options.TypingTabLast);
  if (step.What == TabSwitch::Action::ShowMessage) {
    ShowInterfaceText(step.Message);
    return;
  }
  if (step.What != TabSwitch::Action::Launch) return;
  const ExerciseEntry* entry = services_.Exercises.At(step.Exercise);
  if (entry && !WindowOfKind(entry->KindCode())) {
    // The learner stays in the exercise at hand rather than losing it to a tab that cannot
    // open.
    lesson_ = before;
    services_.Messages.ShowMessage("Ćwiczenia tego rodzaju (\"" + entry->KindCode() +
                                   "\") nie można otworzyć w tej wersji programu.");
    return;
  }
  services_.Sound.StopPlayback();
  ExerciseWindow* leaving = current_;
  if (leaving) leaving->FinishAttempt();
  LaunchExercise(step.Exercise);
  // The next window is up before the last one goes, so the chooser behind never takes over
  // in between.
  if (leaving && leaving != current_) {
    leaving->HideForNextTab();
    if (!current_ && OnExerciseClosed) OnExerciseClosed();
  }
}

void ExerciseLauncher::LaunchExercise(int exercise) {
  bool hintPending = services_.State.Options.ExerciseHintPending;
  const LaunchPlan plan = tess::LaunchExercise(lesson_, services_.Exercises, exercise, hintPending);
  current_ = nullptr;
  if (plan.LayoutError) {
    services_.Messages.ShowMessage("Wiersz układu ćwiczenia " + std::to_string(exercise) +
                                   " zawiera wartość, która nie jest liczbą.");
    return;
  }
  ExerciseWindow* window = plan.Opens ? WindowOfKind(plan.KindCode) : nullptr;
  if (!window) return;
  if (!window->isVisible()) CentreOnScreen(*window);
  window->Load(*services_.Exercises.At(exercise), plan.Layout);
  current_ = window;
  if (plan.HintMessage != 0) {
    // The hint is shown once per user: the cleared mark is kept in the settings file.
    services_.State.Options.ExerciseHintPending = hintPending;
    SaveUserSettings(services_.State, services_.Messages);
    ShowInterfaceText(plan.HintMessage);
  }
}

void ExerciseLauncher::ShowInterfaceText(int n) {
  const CourseState& state = services_.State;
  services_.Messages.ShowMessage(
      Decode(state.InterfaceText(n), InterfaceCodePage(state.InterfaceLanguage)).toStdString());
}

void ExerciseLauncher::ShowHelpPage(const std::string& page) {
  if (OnShowHelpPage) OnShowHelpPage(page);
}

void ExerciseLauncher::ShowInformation(const std::string& text) {
  if (OnShowInformation) OnShowInformation(text);
}

void ExerciseLauncher::ExerciseClosed() {
  current_ = nullptr;
  if (OnExerciseClosed) OnExerciseClosed();
}

}  // namespace tess
