// The yardsticks of the start-up benchmark: a Qt program that only shows a frameless 300 x 200
// window, and with --text the same window showing a label and a line edit.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::FramelessWindowHint);
  if (text) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Wpisz swoje imię")));
    layout->addWidget(new QLineEdit);
  }
  window.resize(300, 200);
  window.show();
  return app.exec();
}
