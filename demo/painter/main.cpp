// Draws every picture of the demo installation of one course into the folder given.
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "Captions.h"
#include "Course.h"
#include "Look.h"
#include "Pictures.h"

namespace {

constexpr char kUsage[] =
    "usage: tess_demo_painter [--course en|de|fr] [--course-dir DIR] INSTALLATION_FOLDER\n"
    "       tess_demo_painter [--course en|de|fr] --film-frames WORK/film_<n>.txt FRAME_FOLDER\n";

struct Options {
  tess::demo::CourseLanguage course = tess::demo::CourseLanguage::English;
  QString courseDir;  // the course's sources, where its titles are read
  bool filmFrames = false;
  QStringList folders;
};

Options Parse(QStringList arguments) {
  Options options;
  arguments.removeFirst();
  while (!arguments.isEmpty()) {
    const QString argument = arguments.takeFirst();
    const auto value = [&]() {
      if (arguments.isEmpty()) throw std::runtime_error(argument.toStdString() + " needs a value");
      return arguments.takeFirst();
    };
    if (argument == QLatin1String("--course")) {
      options.course = tess::demo::Course::LanguageOf(value());
    } else if (argument == QLatin1String("--course-dir")) {
      options.courseDir = value();
    } else if (argument == QLatin1String("--film-frames")) {
      options.filmFrames = true;
    } else if (argument.startsWith(QLatin1String("--"))) {
      throw std::runtime_error("unknown option " + argument.toStdString());
    } else {
      options.folders << argument;
    }
  }
  if (options.folders.size() != (options.filmFrames ? 2 : 1)) {
    throw std::runtime_error("wrong number of arguments");
  }
  return options;
}

// One set of every picture; `scale` 2 draws the set for dense screens beside the first.
void PaintInstallation(const QString& root, const tess::demo::Course& course, int scale) {
  using namespace tess::demo;
  SetPictureScale(scale);
  PictureFolder folder(root, scale);
  PaintSkins(folder, course);
  PaintInformationIcons(folder);
  PaintChooserIcons(folder);
  PaintMainAnimation(folder, course);
  PaintExercisePictures(folder, course);
  PaintClassroomWindows(folder);
  PaintConversationPictures(folder, course);
  PaintSentencesWindow(folder);
  PaintComprehensionWindow(folder);
  for (int language = 0; language < kInterfaceLanguages; ++language) {
    PaintLanguageSkins(folder, language);
    PaintMainWindow(folder, language, course);
    PaintSectionBackgrounds(folder, language);
    PaintLessonChooser(folder, language, course);
    PaintMessageWindow(folder, language);
    PaintUserWindows(folder, language);
    PaintOptionsWindow(folder, language);
    PaintInformationWindow(folder, language);
    PaintAnswerWindow(folder, language);
    PaintResultScreen(folder, language);
  }
  PaintDictionary(folder, course);
  PaintAppIcons(folder);
  PaintHelp(folder, root, course);
  std::printf("tess_demo_painter: %d pictures at %dx\n", folder.saved(), scale);
  SetPictureScale(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Options options;
  try {
    options = Parse(QGuiApplication::arguments());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tess_demo_painter: %s\n%s", error.what(), kUsage);
    return 1;
  }
  try {
    tess::demo::RequireFonts();
    tess::demo::Course course(options.course);
    if (!options.courseDir.isEmpty()) course.ReadTitles(options.courseDir);
    // The films' frames are drawn on their own, once the sounds have fixed their timing.
    if (options.filmFrames) {
      tess::demo::PaintFilmFrames(options.folders.at(0), options.folders.at(1), course);
    } else {
      for (int scale : {1, 2}) PaintInstallation(options.folders.at(0), course, scale);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tess_demo_painter: %s\n", error.what());
    return 1;
  }
  return 0;
}
