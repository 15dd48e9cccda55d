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
  if (arguments.size() != 2) {
    std::fprintf(stderr, "usage: tess_demo_painter INSTALLATION_FOLDER\n");
    return 1;
  }
  try {
    tess::demo::RequireFonts();
    tess::demo::PictureFolder folder(arguments.at(1));
    tess::demo::PaintSkins(folder);
    for (int language = 0; language < tess::demo::kInterfaceLanguages; ++language) {
      tess::demo::PaintLanguageSkins(folder, language);
      tess::demo::PaintMainWindow(folder, language);
      tess::demo::PaintMessageWindow(folder, language);
      tess::demo::PaintUserWindows(folder, language);
    }
    std::printf("tess_demo_painter: %d pictures\n", folder.saved());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tess_demo_painter: %s\n", error.what());
    return 1;
  }
  return 0;
}
