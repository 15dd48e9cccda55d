#include <QApplication>
#include <QWidget>

#include "platform/Fonts.h"

// The dictionary window arrives with its own data; until then the program opens empty.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Słownik"));
  tess::InstallFontSubstitutions();
  QWidget window(nullptr, Qt::FramelessWindowHint);
  window.setFixedSize(400, 300);
  window.show();
  return QApplication::exec();
}
