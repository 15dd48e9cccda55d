// Draws every picture of the demo installation into the folder given as the only argument.
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "Captions.h"
#include "Look.h"
#include "Pictures.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  // The films' frames are drawn on their own, once the sounds have fixed their timing.
  if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--film-frames")) {
    try {
      tess::demo::RequireFonts();
      tess::demo::PaintFilmFrames(arguments.at(2), arguments.at(3));
    } catch (const std::exception& error) {
      std::fprintf(stderr, "tess_demo_painter: %s\n", error.what());
      return 1;
    }
    return 0;
  }
  if (arguments.size() != 2) {
    std::fprintf(stderr,
                 "usage: tess_demo_painter INSTALLATION_FOLDER\n"
                 "       tess_demo_painter --film-frames WORK/film_<n>.txt FRAME_FOLDER\n");
    return 1;
  }
  try {
    tess::demo::RequireFonts();
    tess::demo::PictureFolder folder(arguments.at(1));
    tess::demo::PaintSkins(folder);
    tess::demo::PaintInformationIcons(folder);
    tess::demo::PaintChooserIcons(folder);
    tess::demo::PaintMainAnimation(folder);
    tess::demo::PaintExercisePictures(folder);
    tess::demo::PaintClassroomWindows(folder);
    tess::demo::PaintConversationPictures(folder);
    tess::demo::PaintSentencesWindow(folder);
    tess::demo::PaintComprehensionWindow(folder);
    for (int language = 0; language < tess::demo::kInterfaceLanguages; ++language) {
      tess::demo::PaintLanguageSkins(folder, language);
      tess::demo::PaintMainWindow(folder, language);
      tess::demo::PaintSectionBackgrounds(folder, language);
      tess::demo::PaintLessonChooser(folder, language);
      tess::demo::PaintMessageWindow(folder, language);
      tess::demo::PaintUserWindows(folder, language);
      tess::demo::PaintOptionsWindow(folder, language);
      tess::demo::PaintInformationWindow(folder, language);
      tess::demo::PaintAnswerWindow(folder, language);
      tess::demo::PaintResultScreen(folder, language);
    }
    tess::demo::PaintDictionary(folder);
    tess::demo::PaintAppIcons(folder);
    tess::demo::PaintHelp(folder, arguments.at(1));
    std::printf("tess_demo_painter: %d pictures\n", folder.saved());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tess_demo_painter: %s\n", error.what());
    return 1;
  }
  return 0;
}
