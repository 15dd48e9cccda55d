// The yardstick of the start-up benchmark: a Qt program that only shows a frameless 300 x 200
// window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::FramelessWindowHint);
  window.resize(300, 200);
  window.show();
  return app.exec();
}
