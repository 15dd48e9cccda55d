#include <QApplication>
#include <QFileInfo>
#include <clocale>

#include "core/CourseState.h"
#include "coursebook/CourseProgram.h"
#include "coursebook/StartSequence.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/StartReadAhead.h"

int main(int argc, char* argv[]) {
  tess::FontConfigurationReader fonts;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaron 5.0 - Rozumienie ze słuchu"));
  QApplication::setQuitOnLastWindowClosed(false);
  // Dates and numbers are written the same whatever the regional settings say.
  std::setlocale(LC_NUMERIC, "C");
  fonts.Wait();
  tess::InstallFontSubstitutions();
  const tess::StartReadAhead readAhead;

  tess::QtMessageBox plainMessages;
  tess::QtScreen screen;
  tess::QtPictureLoader pictures;
  tess::QtModalShower modal;
  tess::QtClock clock;

  tess::CourseState state;
  tess::StartSequence start(state, plainMessages, screen);
  const std::string programFile =
      QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().toStdString();
  if (!start.SettleInstallation(programFile)) return 1;

  tess::CourseProgram program(state, {plainMessages, pictures, modal, clock});
  if (!start.LoadAndLogIn(program)) return 1;
  if (program.EndRequested()) return 0;
  program.ShowMainWindow();
  return QApplication::exec();
}
