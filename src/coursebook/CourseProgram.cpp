#include "coursebook/CourseProgram.h"

#include <QApplication>

#include "choosers/LessonChooserWindow.h"
#include "choosers/SectionChooserWindow.h"
#include "classroom/ClassroomLoginWindow.h"
#include "core/CourseSkins.h"
#include "core/Settings.h"
#include "core/SpeechTempo.h"
#include "core/StoredSoundDevices.h"
#include "coursebook/Backdrop.h"
#include "coursebook/ClassroomFlow.h"
#include "coursebook/ExitConfirmationWindow.h"
#include "coursebook/HomeWindow.h"
#include "coursebook/InformationWindow.h"
#include "coursebook/LanguageMaterial.h"
#include "coursebook/MessageWindow.h"
#include "coursebook/OptionsWindow.h"
#include "drills/AnswerWindow.h"
#include "drills/ComprehensionWindow.h"
#include "drills/ConversationWindow.h"
#include "drills/ResultScreen.h"
#include "drills/SentencesWindow.h"
#include "exercises/ExerciseLauncher.h"
#include "exercises/ExerciseLayout.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/TextLesson.h"
#include "lookup/WordPopup.h"
#include "media/HelpWindow.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/QtPlatform.h"
#include "platform/SoundModule.h"
#include "platform/RandomSource.h"
#include "shared/Paths.h"
#include "users/LoginWindow.h"
#include "users/NewUserWindow.h"
#include "widgets/Centre.h"
#include "results/UserResults.h"

namespace tess {

CourseProgram::CourseProgram(CourseState& state, CoursePorts ports) : state_(state), ports_(ports) {
  if (!ports_.Random) {
    ownRandom_ = std::make_unique<ClockSeededRandom>();
    ports_.Random = ownRandom_.get();
  }
  if (!ports_.Web) {
    ownBrowser_ = std::make_unique<QtBrowser>();
    ports_.Web = ownBrowser_.get();
  }
  MakeMissingSoundDevices();
  skins_ = std::make_unique<CourseSkins>(ports_.Pictures);
  home_ = std::make_unique<HomeWindow>(state_, *skins_, ports_.Pictures,
                                       MainWindowPorts{ports_.Random, ports_.Web});
  messageWindow_ = std::make_unique<MessageWindow>(state_, *skins_, ports_.Pictures, ports_.Modal);
  backdrop_ = std::make_unique<Backdrop>();
  // Until the skins are loaded the message window cannot draw, so start-up failures use
  // the plain message box.
  material_ = std::make_unique<LanguageMaterial>(state_, *home_, *skins_, ports_.PlainMessages);
  messages_ = std::make_unique<MessageWindowBox>(*messageWindow_, ports_.PlainMessages);
  home_->SetCloseConfirmation([this] { return ConfirmClose(); });
  WireMainWindow();
  WireSound();
  WireExercises();
}

LoginWindow& CourseProgram::LoginDialog() {
  // Made when the login is due, after the material is read: its text is the first the start
  // lays out. It reads usr.t as it is created, and reports through the message window.
  if (login_) return *login_;
  login_ = std::make_unique<LoginWindow>(state_, users_, skins_->MyImageList1, ports_.Pictures,
                                         ports_.Modal,
                                         [this]() -> QWidget& { return NewUserDialog(); },
                                         *messages_);
  login_->ShowHelpText = [this](int n) { ShowHelpText(n); };
  login_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  return *login_;
}

NewUserWindow& CourseProgram::NewUserDialog() {
  // Made at first use: most starts log in a learner who is on the list already.
  if (newUser_) return *newUser_;
  newUser_ = std::make_unique<NewUserWindow>(state_, users_, skins_->MyImageList1, ports_.Pictures,
                                             *messages_);
  newUser_->ReloadLanguageMaterial = [this] { return material_->Reload(); };
  newUser_->ShowHelpText = [this](int n) { ShowHelpText(n); };
  newUser_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  return *newUser_;
}

void CourseProgram::ShowHelpText(int textNumber) {
  ShowInformation("HH_" + state_.InterfaceText(textNumber));
}

void CourseProgram::WireExercises() {
  launcher_ = std::make_unique<ExerciseLauncher>(ExerciseProgramServices{
      state_, courseMaterial_.Exercises, results_, skins_->MyImageList1, ports_.Pictures, *sound_,
      *media_, ports_.Time, *ports_.Random, Messages()});
  launcher_->OnShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  launcher_->OnShowInformation = [this](const std::string& text) { ShowInformation(text); };
  launcher_->OnExerciseClosed = [this] { ItemClosed(); };
}

void CourseProgram::MakeMissingSoundDevices() {
  if (!ports_.SharedPlayer) {
    ownPlayer_ = WavePlayerOnFirstUse();
    ports_.SharedPlayer = ownPlayer_.get();
  }
  for (auto [port, own] : {std::pair{&ports_.SentenceRecorder, &ownSentenceRecorder_},
                           std::pair{&ports_.PhraseRecorder, &ownPhraseRecorder_}}) {
    if (*port) continue;
    *own = VoiceRecorderOnFirstUse();
    *port = own->get();
  }
  if (!ports_.Film) {
    ownFilm_ = FilmPlayerOnFirstUse();
    ports_.Film = ownFilm_.get();
  }
  if (!ports_.Waiter) {
    ownWaiter_ = std::make_unique<QtEventWaiter>();
    ports_.Waiter = ownWaiter_.get();
  }
}

void CourseProgram::WireSound() {
  sound_ =
      std::make_unique<SoundService>(*ports_.SharedPlayer, *ports_.SentenceRecorder,
                                     *ports_.PhraseRecorder, ports_.PlainMessages, *ports_.Waiter);
  media_ = std::make_unique<MediaWindow>(*ports_.Film, ports_.PlainMessages);
  media_->SetMainWindow(home_.get());
  media_->Logic().TempoFile = [this] {
    return TempoFilePath(state_.UserDir, state_.Install.SettingsTag);
  };
  // The installation is read before the windows are made.
  sound_->SetProgramDir(state_.Install.ProgramDir, state_.Install.DataFolder());
  home_->PlayOpeningSound = [this](const std::string& path) { sound_->PlaySoundFile(path, false); };
  home_->HideMediaWindow = [this] { HideMediaWindow(); };
  sectionChooser_->HideMediaWindow = [this] { HideMediaWindow(); };
}

void CourseProgram::WireMainWindow() {
  sectionChooser_ = std::make_unique<SectionChooserWindow>(
      state_, results_, courseMaterial_.Exercises, skins_->MyImageList1, ports_.Pictures);
  sectionChooser_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  sectionChooser_->ShowInformation = [this](const std::string& text) { ShowInformation(text); };
  sectionChooser_->OpenItem = [this](int position) { OpenItem(position); };
  HomeWindow& main = *home_;
  main.ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  main.ShowOptions = [this] { ShowOptions(); };
  main.OpenSection = [this](int sectionCode, bool video, const std::string& picture) {
    sectionChooser_->SetSection(sectionCode, video, picture);
    CentreOnScreen(*sectionChooser_);
    sectionChooser_->show();
    sectionChooser_->raise();
    sectionChooser_->activateWindow();
  };
  main.OpenChooser = [this](int mode) { LessonChooser().OpenChooser(mode); };
}

LessonChooserWindow& CourseProgram::LessonChooser() {
  // Made at first use: its lists and pictures cost the start time and no start needs them.
  if (lessonChooser_) return *lessonChooser_;
  lessonChooser_ = std::make_unique<LessonChooserWindow>(
      state_, LessonChooserSources{results_, courseMaterial_.Catalogue.Groups, classroomLessons_},
      LessonChooserPorts{skins_->MyImageList1, ports_.Pictures, Messages(), ports_.Time});
  lessonChooser_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  lessonChooser_->ShowInformation = [this](const std::string& text) { ShowInformation(text); };
  lessonChooser_->OpenItem = [this](int position) { OpenItem(position); };
  lessonChooser_->HideMediaWindow = [this] { HideMediaWindow(); };
  return *lessonChooser_;
}

void CourseProgram::HideMediaWindow() {
  media_->hide();
  media_->Logic().MediaShown = false;
}

void CourseProgram::ItemClosed() {
  if (!itemOpener_) return;
  itemOpener_->raise();
  itemOpener_->activateWindow();
  // Activation is not reported on every platform; the chooser's refresh may run twice.
  if (itemOpener_ == lessonChooser_.get()) lessonChooser_->Reactivated();
}

void CourseProgram::OpenConversation(int number) {
  const Conversation* conversation = courseMaterial_.Conversations.At(number);
  if (!conversation) return;
  if (!conversation_) {
    conversation_ = std::make_unique<ConversationWindow>(ConversationServices{
        state_, results_, skins_->MyImageList1, ports_.Pictures, *sound_, ports_.Time,
        *ports_.Random, Messages(), nullptr,
        [this](const std::string& page) { ShowHelpPage(page); },
        [this](const std::string& text) { ShowInformation(text); }, [this] { ItemClosed(); }});
    conversation_->LookUpWord = [this](const std::string& word, QPoint at) {
      LookUpWord(word, at);
    };
  }
  conversation_->SetReporter(Reporter());
  CentreOnScreen(*conversation_);
  conversation_->ShowConversation(*conversation);
}

ResultReporter* CourseProgram::Reporter() {
  const bool classroom = state_.RunMode == kRunModeClassroom && classroom_;
  return classroom ? classroom_.get() : nullptr;
}

int CourseProgram::ShowResultScreen(const ResultFigures& figures, bool offerReturn) {
  if (!resultScreen_) {
    resultScreen_ = std::make_unique<ResultScreen>(ResultScreenServices{
        state_, skins_->MyImageList1, ports_.Pictures, ports_.Modal,
        [this](const std::string& page) { ShowHelpPage(page); },
        [this](const std::string& text) { ShowInformation(text); }});
  }
  CentreOnScreen(*resultScreen_);
  return resultScreen_->ShowFigures(figures, offerReturn);
}

void CourseProgram::OpenSentencePackage(int number) {
  if (!courseMaterial_.Catalogue.Sentences.Packages().At(number)) return;
  if (!sentences_) {
    sentences_ = std::make_unique<SentencesWindow>(SentencesServices{
        state_, results_, skins_->MyImageList1, ports_.Pictures, *sound_, ports_.Time,
        *ports_.Random, Messages(), courseMaterial_.Catalogue.Sentences,
        courseMaterial_.Equivalences, nullptr,
        [this](const ResultFigures& figures, bool offerReturn) {
          return ShowResultScreen(figures, offerReturn);
        },
        [this](const std::string& page) { ShowHelpPage(page); }, [this] { ItemClosed(); }});
    auto lookUp = [this](const std::string& word, QPoint at) { LookUpWord(word, at); };
    sentences_->Answer->LookUpWord = lookUp;
    sentences_->LookUpWord = lookUp;
  }
  sentences_->SetReporter(Reporter());
  CentreOnScreen(*sentences_);
  sentences_->ShowPackage(number);
}

void CourseProgram::OpenComprehension(int number) {
  if (!comprehension_) {
    comprehension_ = std::make_unique<ComprehensionWindow>(ComprehensionServices{
        state_, courseMaterial_.Catalogue, results_, skins_->MyImageList1, ports_.Pictures,
        *sound_, ports_.Time, *ports_.Random, Messages(), nullptr,
        [this](const ResultFigures& figures, bool offerReturn) {
          return ShowResultScreen(figures, offerReturn);
        },
        [this](const std::string& page) { ShowHelpPage(page); }, [this] { ItemClosed(); }});
  }
  comprehension_->SetReporter(Reporter());
  CentreOnScreen(*comprehension_);
  comprehension_->ShowComprehension(number);
}

void CourseProgram::LookUpWord(const std::string& word, QPoint globalPoint) {
  if (!lookup_) {
    lookup_ = std::make_unique<lookup::WordLookupHost>(
        lookup::LookupPlace{state_.Install.ProgramDir, state_.Install.CourseLanguage},
        lookup::WordPopupPorts{
            [this](const std::string& path) { sound_->PlayFileFromStart(path, false); },
            [this] {
              return lookup::LearningListFolder(state_.Install.DataFolder(), state_.UserDir,
                                                state_.UserName,
                                                state_.RunMode == kRunModeClassroom);
            }});
  }
  lookup_->LookUp(word, globalPoint);
}

void CourseProgram::OpenItem(int position) {
  if (position < 1 || position > results_.Count()) return;
  itemOpener_ = QApplication::activeWindow();
  const std::string& name = results_.At(position).Name;
  const int number = ResultKeyNumber(name);
  if (number < 0) return;
  if (name.rfind("dia_", 0) == 0) {
    OpenConversation(number);
    return;
  }
  if (name.rfind("zda_", 0) == 0) {
    OpenSentencePackage(number);
    return;
  }
  if (name.rfind("rpg_", 0) == 0) {
    OpenComprehension(number);
    return;
  }
  if (name.rfind("tek_", 0) != 0) return;
  const bool film = FileExists(TextFilmPath(state_.Install.ProgramDir, std::to_string(number)));
  const TextLessonPlan plan = PlanTextLesson(number, courseMaterial_.Exercises, results_, film);
  launcher_->BeginLesson(plan.Exercises, plan.ResultSlots, plan.TextMediaMode, plan.JumpTimes);
}

CourseProgram::~CourseProgram() = default;

MessageBox& CourseProgram::Messages() { return *messages_; }

bool CourseProgram::ReloadLanguageMaterial() { return material_->Reload(); }

bool CourseProgram::LoadCourseMaterial() {
  std::vector<std::string> messages;
  const bool loaded = tess::LoadCourseMaterial(state_.Install, courseMaterial_, messages);
  for (const std::string& message : messages) Messages().ShowMessage(message);
  return loaded;
}

void CourseProgram::ShowBackdrop() { backdrop_->ShowCovering(); }

bool CourseProgram::ShowClassroomLogin() {
  if (!classroom_) {
    classroom_ = std::make_unique<ClassroomFlow>(
        state_, courseMaterial_, results_, skins_->MyImageList1, ports_.Pictures, ports_.Modal,
        ports_.Time, Messages(), ports_.PlainMessages);
  }
  switch (classroom_->ShowLogin()) {
    case ClassroomLoginWindow::kLoggedIn:
      classroomLessons_ = classroom_->Lessons();
      launcher_->SetReporter(classroom_.get());
      return true;
    case ClassroomLoginWindow::kLocalWork:
      break;
    default:
      endRequested_ = true;
      return true;
  }
  classroomLessons_ = {};
  launcher_->SetReporter(nullptr);
  return false;
}

void CourseProgram::ShowLocalLogin() {
  LoginWindow& login = LoginDialog();
  if (!login.LoadError().empty()) Messages().ShowMessage(login.LoadError());
  CentreOnScreen(login);
  if (ports_.Modal.ShowModal(login) != mrOk || !OnLocalUserChosen()) endRequested_ = true;
}

bool CourseProgram::OnLocalUserChosen() {
  LoadUserResults();
  return LoadUserSettings(state_, Messages(), [this] { return material_->Reload(); });
}

void CourseProgram::LoadUserResults() {
  const std::string path = UserResultsPath(state_);
  std::string error;
  if (!LoadResults(path, results_, &error)) {
    Messages().ShowMessage("Nie można odczytać wyników z pliku " + path + ": " + error);
    return;  // a damaged file is kept as it is, never overwritten by a fresh build
  }
  if (results_.Count() > 0) return;
  BuildResults(courseMaterial_, ports_.Time.Now(), results_);
  SaveResultsOrTell(path, results_, Messages());
}

bool CourseProgram::ConfirmClose() {
  if (state_.RunMode == kRunModeLocal) {
    ExitConfirmationWindow& dialog = ExitDialog();
    CentreOnScreen(dialog);
    if (ports_.Modal.ShowModal(dialog) != mrYes) return false;
  } else if (classroom_) {
    switch (classroom_->AskSessionEnd()) {
      case SessionEnd::BackToProgram:
        return false;
      case SessionEnd::CloseProgram:
        break;
      case SessionEnd::LogOut:
        // Nothing goes to the server at log-out; the login comes again, or local work.
        if (!ShowClassroomLogin()) {
          state_.RunMode = kRunModeLocal;
          ShowLocalLogin();
        }
        if (!endRequested_) return false;
        break;
    }
  }
  QApplication::quit();
  return true;
}

void CourseProgram::ShowHelpPage(const std::string& page) {
  if (!help_) {
    // Made at first use: its page view costs the start time.
    help_ = std::make_unique<HelpWindow>(state_, skins_->MyImageList1, ports_.Pictures);
    help_->OpenWebPage = [this](const std::string& url) { ports_.Web->OpenUrl(url); };
    help_->AttachMediaWindow(*media_);
  }
  if (!help_->isVisible()) CentreOnScreen(*help_);
  help_->ShowWindow();
  help_->ShowHelpPage(page);
}

void CourseProgram::ShowInformation(const std::string& text) {
  InformationDialog().ShowInformation(text);
}

void CourseProgram::ShowOptions() {
  OptionsWindow& options = OptionsDialog();
  CentreOnScreen(options);
  ports_.Modal.ShowModal(options);
}

// The dialogs below are made when first opened: the start should not wait for them.
ExitConfirmationWindow& CourseProgram::ExitDialog() {
  if (!exitConfirmation_) {
    exitConfirmation_ =
        std::make_unique<ExitConfirmationWindow>(state_, skins_->MyImageList1, ports_.Pictures);
  }
  return *exitConfirmation_;
}

InformationWindow& CourseProgram::InformationDialog() {
  if (!information_) {
    information_ =
        std::make_unique<InformationWindow>(state_, *skins_, ports_.Pictures, ports_.Modal);
  }
  return *information_;
}

OptionsWindow& CourseProgram::OptionsDialog() {
  if (options_) return *options_;
  options_ =
      std::make_unique<OptionsWindow>(state_, *material_, *skins_, ports_.Pictures, *messages_);
  options_->ShowInformation = [this](const std::string& text) { ShowInformation(text); };
  options_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  options_->StartAnimation = [this] { home_->StartAnimation(); };
  options_->StopAnimation = [this] { home_->StopAnimation(); };
  return *options_;
}

void CourseProgram::ShowMainWindow() {
  // Whoever logged in, locally or in the classroom, their loudspeakers and microphone.
  ApplyStoredSoundDevices(state_.UserDir, state_.Install.SettingsTag);
  CentreOnScreen(*home_);
  home_->show();
  home_->raise();
  home_->activateWindow();
}

}  // namespace tess
