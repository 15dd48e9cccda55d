#include <QApplication>
#include <QFileInfo>

#include "core/Installation.h"
#include "core/StoredSoundDevices.h"
#include "dictionary/DictionaryProgram.h"
#include "dictionary/DictionaryState.h"
#include "dictionary/DictionaryWindow.h"
#include "dictionary/HintDelay.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/StartReadAhead.h"
#include "platform/SoundModule.h"
#include "shared/DataRoot.h"
#include "platform/SingleInstanceLock.h"

int main(int argc, char* argv[]) {
  // Only one copy runs; a second one ends without a word.
  const tess::SingleInstanceLock instance(tess::dictionary::kInstanceLockName);
  if (instance.AnotherRuns()) return 0;

  // The entries are read while the window system starts.
  const std::string programFile =
      QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().toStdString();
  const std::string programDir = tess::dictionary::DictionaryProgram::ProgramDirOf(programFile);
  auto loading = tess::dictionary::LoadDictionaryInBackground(programDir);

  tess::FontConfigurationReader fonts;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaron - Słownik"));
  fonts.Wait();
  tess::InstallFontSubstitutions();
  const tess::StartReadAhead readAhead;
  tess::dictionary::ShowHintsAfter(app, 200);

  tess::QtMessageBox messages;
  tess::QtPictureLoader pictures;
  tess::QtModalShower modal;
  const auto player = tess::WavePlayerOnFirstUse();

  tess::dictionary::DictionaryProgram::SettleProgramDir(programDir, messages);
  tess::dictionary::DictionaryProgram program({messages, pictures, modal, *player});
  if (!program.Start(loading.get())) return 1;
  program.MainWindow().OnClosed = [] { QApplication::quit(); };
  // The learner's loudspeakers, as chosen in the course of this installation.
  program.MainWindow().OnUserLoggedIn = [&program](const std::string& userDir) {
    const auto& state = program.State();
    tess::ApplyStoredSoundDevices(
        userDir, tess::SettingsTagOf(tess::InstalledCourseLanguage(state.ProgramDir,
                                                                   state.Language())));
  };
  program.MainWindow().show();
  return QApplication::exec();
}
