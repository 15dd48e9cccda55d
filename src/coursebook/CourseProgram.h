#pragma once
// The course program's windows, created once in start order, and the start host that
// drives them.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "choosers/LessonChoice.h"
#include "core/CourseState.h"
#include "coursebook/StartSequence.h"
#include "results/CourseMaterial.h"
#include "results/ResultsStore.h"
#include "users/Users.h"

namespace tess {

class Browser;
class EventWaiter;
class FilmPlayer;
class MediaPlayer;
class SoundService;
class MediaWindow;
class VoiceRecorder;
class Clock;
class MessageBox;
class ModalShower;
class PictureLoader;
class RandomSource;
class CourseSkins;
class LoginWindow;
class NewUserWindow;
class MessageWindow;
class ExitConfirmationWindow;
class HelpWindow;
class InformationWindow;
class HomeWindow;
class Backdrop;
class SectionChooserWindow;
class LessonChooserWindow;
class ClassroomFlow;
class ComprehensionWindow;
class ConversationWindow;
class ResultScreen;
class SentencesWindow;
struct ResultFigures;
class OptionsWindow;
class LanguageMaterial;
class MessageWindowBox;
class ExerciseLauncher;
namespace lookup {
class WordLookupHost;
}

/// The outside facilities the windows use.
struct CoursePorts {
  MessageBox& PlainMessages;
  PictureLoader& Pictures;
  ModalShower& Modal;
  Clock& Time;
  /// The program-wide random source and the desktop's browser; the program makes its own
  /// real ones when none is given.
  RandomSource* Random = nullptr;
  Browser* Web = nullptr;
  /// Sound devices: the shared wave player, the two voice recorders, the film player and
  /// the waiter of WaitWithEvents; real ones are made for those not given.
  MediaPlayer* SharedPlayer = nullptr;
  VoiceRecorder* SentenceRecorder = nullptr;
  VoiceRecorder* PhraseRecorder = nullptr;
  FilmPlayer* Film = nullptr;
  EventWaiter* Waiter = nullptr;
};

class CourseProgram : public StartHost {
 public:
  CourseProgram(CourseState& state, CoursePorts ports);
  ~CourseProgram() override;

  bool ReloadLanguageMaterial() override;
  bool LoadCourseMaterial() override;
  void ShowBackdrop() override;
  bool ShowClassroomLogin() override;
  /// Shows the local login modally; when it ends without a user, or the chosen user's
  /// material cannot be loaded, the program is to end (`EndRequested`).
  void ShowLocalLogin() override;

  /// True when the login ended the program: the main window must not be shown.
  bool EndRequested() const { return endRequested_; }

  /// Shows the main window once the login is done.
  void ShowMainWindow();

  // Windows that many others open.
  /// The help window on a page: its full path, e.g. ProgramDir + "Htm_r\h_comp.html#filmy".
  void ShowHelpPage(const std::string& page);
  /// The information window with `text`: "HH_" + a help text, or a translation.
  void ShowInformation(const std::string& text);
  /// The information window with help text "HH_" + interface text `textNumber`.
  void ShowHelpText(int textNumber);
  /// The options window.
  void ShowOptions();
  /// Opens the record at a store position as the choosers open an item: a conversation, a
  /// comprehension exercise, a sentence package or the exercise tabs of a text.
  void OpenItem(int position);

  HomeWindow& Home() { return *home_; }
  SectionChooserWindow& SectionChooser() { return *sectionChooser_; }
  /// The lesson and exercise chooser, made when first asked for; an item's window that closes
  /// calls its Reactivated().
  LessonChooserWindow& LessonChooser();
  /// The lessons the classroom server gave the user; empty in local mode.
  ClassroomLessons& Classroom() { return classroomLessons_; }
  MessageWindow& MessageDialog() { return *messageWindow_; }
  Backdrop& BackdropWindow() { return *backdrop_; }
  /// Messages of the running program, shown in the message window.
  MessageBox& Messages();
  /// The exercise windows of a text's lesson.
  ExerciseLauncher& Exercises() { return *launcher_; }
  /// The one sound service and the media window of the program.
  SoundService& Sound() { return *sound_; }
  MediaWindow& Media() { return *media_; }

  LoginWindow& LoginDialog();
  /// The classroom side; null until the first classroom login.
  ClassroomFlow* ClassroomSide() { return classroom_.get(); }
  NewUserWindow& NewUserDialog();
  ExitConfirmationWindow& ExitDialog();
  InformationWindow& InformationDialog();
  OptionsWindow& OptionsDialog();
  const UserList& Users() const { return users_; }
  const CourseMaterial& Material() const { return courseMaterial_; }
  ResultsStore& Results() { return results_; }

 private:
  /// What follows the choice of a local user (UserName and UserDir are set): the user's
  /// results, then the user's settings and interface language. False when the language
  /// material could not be reloaded (the reason was shown).
  bool OnLocalUserChosen();
  /// The main window's and the section chooser's hooks.
  void WireMainWindow();
  /// Real sound devices for those the ports do not give.
  void MakeMissingSoundDevices();
  /// The sound service and the media window, and the hooks that reach them.
  void WireSound();
  /// The user's results store: LoadResults, and for an empty store BuildResults and
  /// SaveResults. Failures are shown; the program goes on with what could be had.
  void LoadUserResults();
  /// The exercise windows, after the sound and the media window.
  void WireExercises();
  /// Asked when the main window closes: in local mode the exit confirmation decides, in
  /// classroom mode the end-of-session window (close, log out, or back to the program).
  bool ConfirmClose();

  CourseState& state_;
  CoursePorts ports_;
  std::unique_ptr<RandomSource> ownRandom_;
  std::unique_ptr<Browser> ownBrowser_;
  std::unique_ptr<MediaPlayer> ownPlayer_;
  std::unique_ptr<VoiceRecorder> ownSentenceRecorder_;
  std::unique_ptr<VoiceRecorder> ownPhraseRecorder_;
  std::unique_ptr<FilmPlayer> ownFilm_;
  std::unique_ptr<EventWaiter> ownWaiter_;
  std::unique_ptr<SoundService> sound_;
  std::unique_ptr<MediaWindow> media_;
  std::unique_ptr<HomeWindow> home_;
  std::unique_ptr<SectionChooserWindow> sectionChooser_;
  std::unique_ptr<CourseSkins> skins_;
  UserList users_{kCourseUserLimit};
  CourseMaterial courseMaterial_;
  ResultsStore results_;
  std::unique_ptr<NewUserWindow> newUser_;
  std::unique_ptr<LoginWindow> login_;
  std::unique_ptr<MessageWindow> messageWindow_;
  std::unique_ptr<ExitConfirmationWindow> exitConfirmation_;
  std::unique_ptr<Backdrop> backdrop_;
  std::unique_ptr<LanguageMaterial> material_;
  std::unique_ptr<MessageWindowBox> messages_;
  std::unique_ptr<InformationWindow> information_;
  std::unique_ptr<OptionsWindow> options_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<ExerciseLauncher> launcher_;
  /// The window an item was opened from; it takes over when the item's window closes.
  QPointer<QWidget> itemOpener_;
  ClassroomLessons classroomLessons_;
  /// The connection and windows of classroom mode; made at the first classroom login.
  std::unique_ptr<ClassroomFlow> classroom_;
  /// Made when the first conversation is opened.
  std::unique_ptr<ConversationWindow> conversation_;
  void OpenConversation(int number);
  /// Made when the first sentence package or comprehension exercise is opened.
  std::unique_ptr<SentencesWindow> sentences_;
  std::unique_ptr<ComprehensionWindow> comprehension_;
  std::unique_ptr<ResultScreen> resultScreen_;
  void OpenSentencePackage(int number);
  void OpenComprehension(int number);
  /// A word double-clicked in a course text, shown in the dictionary's popup.
  void LookUpWord(const std::string& word, QPoint globalPoint);
  /// Made at the first double-clicked word.
  std::unique_ptr<lookup::WordLookupHost> lookup_;
  int ShowResultScreen(const ResultFigures& figures, bool offerReturn);
  /// The classroom session hears of results in classroom mode.
  ResultReporter* Reporter();
  /// The window an item was opened from comes back.
  void ItemClosed();
  void HideMediaWindow();
  // Made last and so destroyed first: it reads the store, the material and the lessons.
  std::unique_ptr<LessonChooserWindow> lessonChooser_;
  bool endRequested_ = false;
};

}  // namespace tess
