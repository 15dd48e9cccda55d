#include "classroom/ClassroomWindowParts.h"

#include <QProxyStyle>

#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "widgets/Palette.h"

namespace tess {
namespace {

// A star for every character of a password, whatever the platform's style shows.
class StarPasswords : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

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
    auto* stars = new StarPasswords;
    stars->setParent(field);
    field->setStyle(stars);
  }
  return field;
}

void NameByLabel(QWidget& control, QLabel& label) {
  QString caption = label.text().trimmed();
  if (caption.endsWith(':')) caption.chop(1);
  control.setAccessibleName(caption);
  label.setBuddy(&control);
}

}  // namespace tess
