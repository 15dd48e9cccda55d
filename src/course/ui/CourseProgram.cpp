#include "course/ui/CourseProgram.h"

#include <QApplication>

#include "course/Settings.h"
#include "course/ui/Centre.h"
#include "course/ui/Form20.h"
#include "course/ui/Form5.h"
#include "course/ui/Frm_Wybor_selektywny.h"
#include "course/ui/Frm_WyborZdan.h"
#include "course/ui/Frm_Informacja.h"
#include "course/ui/LanguageMaterial.h"
#include "course/ui/Main.h"
#include "course/ui/Podklad.h"
#include "course/ui/frm_Opcje.h"
#include "exercises/ExerciseLayout.h"
#include "exercises/ui/ExerciseForm.h"
#include "exercises/ui/ExerciseLauncher.h"
#include "modules/ui/Frm_Help.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "modules/SoundService.h"
#include "modules/ui/frm_multimedia.h"
#include "platform/QtFilmPlayer.h"
#include "platform/QtPlatform.h"
#include "platform/QtVoiceRecorder.h"
#include "platform/QtWavePlayer.h"
#include "platform/RandomSource.h"
#include "results/ui/Form10.h"
#include "results/ui/Form24.h"
#include "results/TextLesson.h"
#include "results/ui/Form9.h"
#include "shared/Paths.h"

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
  form5_ = std::make_unique<TForm5>(ports_.Pictures);
  mainForm_ = std::make_unique<TMainForm>(state_, *form5_, ports_.Pictures,
                                          MainWindowPorts{ports_.Random, ports_.Web});
  form20_ = std::make_unique<TForm20>(state_, *form5_, ports_.Pictures, ports_.Modal);
  podklad_ = std::make_unique<TPodkladForm>();
  // Until the skins are loaded the message window cannot draw, so start-up failures use
  // the plain message box.
  material_ = std::make_unique<LanguageMaterial>(state_, *mainForm_, *form5_, ports_.PlainMessages);
  messages_ = std::make_unique<Form20MessageBox>(*form20_, ports_.PlainMessages);
  // The login reads usr.t as it is created, and reports through the message window.
  form10_ =
      std::make_unique<TForm10>(state_, users_, form5_->MyImageList1, ports_.Pictures, *messages_);
  form10_->ReloadLanguageMaterial = [this] { return material_->Reload(); };
  form9_ = std::make_unique<TForm9>(state_, users_, form5_->MyImageList1, ports_.Pictures,
                                    ports_.Modal, *form10_, *messages_);
  form24_ = std::make_unique<TForm24>(state_, form5_->MyImageList1, ports_.Pictures);
  informacja_ = std::make_unique<TInformacjaForm>(state_, *form5_, ports_.Pictures, ports_.Modal);
  mainForm_->SetCloseConfirmation([this] { return ConfirmClose(); });
  for (auto* help : {&form9_->ShowHelpText, &form10_->ShowHelpText}) {
    *help = [this](int n) { ShowInformation("HH_" + state_.InterfaceText(n)); };
  }
  form9_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  form10_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  help_ = std::make_unique<THelpForm>(state_, form5_->MyImageList1, ports_.Pictures);
  help_->OpenWebPage = [this](const std::string& url) { ports_.Web->OpenUrl(url); };
  opcje_ = std::make_unique<TOpcjeForm>(state_, *material_, *form5_, ports_.Pictures, *messages_);
  opcje_->ShowInformation = [this](const std::string& text) { ShowInformation(text); };
  opcje_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  WireMainWindow();
  WireSound();
  WireExercises();
}

void CourseProgram::WireExercises() {
  launcher_ = std::make_unique<ExerciseLauncher>(ExerciseProgramServices{
      state_, courseMaterial_.Exercises, results_, form5_->MyImageList1, ports_.Pictures, *sound_,
      *multimedia_, ports_.Time, *ports_.Random, Messages()});
  launcher_->OnShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  launcher_->OnExerciseClosed = [this] {
    if (!itemOpener_) return;
    itemOpener_->raise();
    itemOpener_->activateWindow();
    // Activation is not reported on every platform; the chooser's refresh may run twice.
    if (itemOpener_ == wyborZdan_.get()) wyborZdan_->Reactivated();
  };
}

void CourseProgram::MakeMissingSoundDevices() {
  if (!ports_.SharedPlayer) {
    ownPlayer_ = std::make_unique<QtWavePlayer>();
    ports_.SharedPlayer = ownPlayer_.get();
  }
  for (auto [port, own] : {std::pair{&ports_.SentenceRecorder, &ownSentenceRecorder_},
                           std::pair{&ports_.PhraseRecorder, &ownPhraseRecorder_}}) {
    if (*port) continue;
    *own = std::make_unique<QtVoiceRecorder>();
    *port = own->get();
  }
  if (!ports_.Film) {
    ownFilm_ = std::make_unique<QtFilmPlayer>();
    ports_.Film = ownFilm_.get();
  }
  if (!ports_.Waiter) {
    ownWaiter_ = std::make_unique<QtEventWaiter>();
    ports_.Waiter = ownWaiter_.get();
  }
}

void CourseProgram::WireSound() {
  sound_ = std::make_unique<SoundService>(*ports_.SharedPlayer, *ports_.SentenceRecorder,
                                          *ports_.PhraseRecorder, ports_.PlainMessages,
                                          *ports_.Waiter);
  multimedia_ = std::make_unique<TMultimediaForm>(*ports_.Film, ports_.PlainMessages);
  multimedia_->SetMainWindow(mainForm_.get());
  help_->AttachMediaWindow(*multimedia_);
  // The installation is read before the windows are made.
  sound_->SetProgramDir(state_.Install.ProgramDir);
  mainForm_->PlayOpeningSound = [this](const std::string& path) {
    sound_->PlaySoundFile(path, false);
  };
  auto hideMedia = [this] {
    multimedia_->hide();
    multimedia_->Logic().MediaShown = false;
  };
  mainForm_->HideMediaWindow = hideMedia;
  wybor_->HideMediaWindow = hideMedia;
  wyborZdan_->HideMediaWindow = hideMedia;
}

void CourseProgram::WireMainWindow() {
  wybor_ = std::make_unique<TWybor_selektywny>(state_, results_, courseMaterial_.Exercises,
                                               form5_->MyImageList1, ports_.Pictures);
  wybor_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  wybor_->ShowInformation = [this](const std::string& text) { ShowInformation(text); };
  wybor_->OpenItem = [this](int position) { OpenItem(position); };
  TMainForm& main = *mainForm_;
  main.ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  main.ShowOptions = [this] { ShowOptions(); };
  opcje_->StartAnimation = [this] { mainForm_->StartAnimation(); };
  opcje_->StopAnimation = [this] { mainForm_->StopAnimation(); };
  main.OpenSection = [this](int sectionCode, bool video, const std::string& picture) {
    wybor_->SetSection(sectionCode, video, picture);
    CentreOnScreen(*wybor_);
    wybor_->show();
    wybor_->raise();
    wybor_->activateWindow();
  };
  wyborZdan_ = std::make_unique<TWyborZdanForm>(
      state_,
      LessonChooserSources{results_, courseMaterial_.Catalogue.Groups, classroomLessons_},
      LessonChooserPorts{form5_->MyImageList1, ports_.Pictures, Messages(), ports_.Time});
  wyborZdan_->ShowHelpPage = [this](const std::string& page) { ShowHelpPage(page); };
  wyborZdan_->ShowInformation = [this](const std::string& text) { ShowInformation(text); };
  wyborZdan_->OpenItem = [this](int position) { OpenItem(position); };
  main.OpenChooser = [this](int mode) { wyborZdan_->OpenChooser(mode); };
}

void CourseProgram::OpenItem(int position) {
  if (position < 1 || position > results_.Count()) return;
  itemOpener_ = QApplication::activeWindow();
  const std::string& name = results_.At(position).Name;
  const int number = ResultKeyNumber(name);
  // Conversations, comprehension exercises and sentence packages open in windows of their
  // own; until those exist such items open nothing.
  if (name.rfind("tek_", 0) != 0 || number < 0) return;
  const bool film = FileExists(TextFilmPath(state_.Install.ProgramDir, std::to_string(number)));
  const TextLessonPlan plan =
      PlanTextLesson(number, courseMaterial_.Exercises, results_, film);
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

void CourseProgram::ShowBackdrop() { podklad_->ShowCovering(); }

bool CourseProgram::ShowClassroomLogin() { return false; }

void CourseProgram::ShowLocalLogin() {
  if (!form9_->LoadError().empty()) Messages().ShowMessage(form9_->LoadError());
  CentreOnScreen(*form9_);
  if (ports_.Modal.ShowModal(*form9_) != mrOk || !OnLocalUserChosen()) endRequested_ = true;
}

bool CourseProgram::OnLocalUserChosen() {
  LoadUserResults();
  return LoadUserSettings(state_, Messages(), [this] { return material_->Reload(); });
}

void CourseProgram::LoadUserResults() {
  const std::string path = ResultsFilePath(state_.UserDir, state_.Install.SettingsTag);
  std::string error;
  if (!LoadResults(path, results_, &error)) {
    Messages().ShowMessage("Nie można odczytać wyników z pliku " + path + ": " + error);
    return;  // a damaged file is kept as it is, never overwritten by a fresh build
  }
  if (results_.Count() > 0) return;
  BuildResults(courseMaterial_, ports_.Time.Now(), results_);
  if (!SaveResults(path, results_, &error)) {
    Messages().ShowMessage("Nie można zapisać wyników w pliku " + path + ": " + error);
  }
}

bool CourseProgram::ConfirmClose() {
  if (state_.RunMode == kRunModeLocal) {
    CentreOnScreen(*form24_);
    if (ports_.Modal.ShowModal(*form24_) != mrYes) return false;
  }
  QApplication::quit();
  return true;
}

void CourseProgram::ShowHelpPage(const std::string& page) {
  if (!help_->isVisible()) CentreOnScreen(*help_);
  help_->ShowWindow();
  help_->ShowHelpPage(page);
}

void CourseProgram::ShowInformation(const std::string& text) { informacja_->ShowInformation(text); }

void CourseProgram::ShowOptions() {
  CentreOnScreen(*opcje_);
  ports_.Modal.ShowModal(*opcje_);
}

void CourseProgram::ShowMainWindow() {
  CentreOnScreen(*mainForm_);
  mainForm_->show();
  mainForm_->raise();
  mainForm_->activateWindow();
}

}  // namespace tess
