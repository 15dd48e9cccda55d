#include "classroom/ClassroomWindowParts.h"

#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "widgets/Palette.h"

namespace tess {

QLabel* MakeClassroomBackground(QWidget& window, QSize size) {
  window.setFixedSize(size);
  auto* background = new QLabel(&window);
  background->setGeometry(QRect(QPoint(0, 0), size));
  background->lower();
  return background;
}

void ShowClassroomBackground(QLabel& background, PictureLoader& pictures, const std::string& path) {
  background.setPixmap(QPixmap::fromImage(pictures.Load(path)));
}

QLabel* MakeFieldLabel(QWidget& window, const QString& text, int top) {
  auto* label = new QLabel(text, &window);
  QFont font = PointFont("Arial", 10);
  font.setBold(true);
  label->setFont(font);
  label->setStyleSheet(palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));
  label->setGeometry(classroom_look::kLabelLeft, top, classroom_look::kFieldLeft - 20,
                     classroom_look::kFieldHeight);
  return label;
}

QLineEdit* MakeField(QWidget& window, const char* name, int top, bool hidden) {
  auto* field = new QLineEdit(&window);
  field->setObjectName(name);
  field->setGeometry(classroom_look::kFieldLeft + 4, top + 2, classroom_look::kFieldWidth - 8,
                     classroom_look::kFieldHeight - 4);
  field->setFrame(false);
  field->setFont(PointFont("Arial", 10));
  field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: black; }"));
  if (hidden) {
    field->setEchoMode(QLineEdit::Password);
    // A star for every character, as the windows always showed.
    field->setStyleSheet(field->styleSheet() +
                         QStringLiteral(" QLineEdit { lineedit-password-character: 42; }"));
  }
  return field;
}

}  // namespace tess
