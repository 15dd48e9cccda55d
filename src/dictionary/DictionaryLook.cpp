#include "dictionary/DictionaryLook.h"
#include "widgets/Palette.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <utility>

namespace tess::dictionary {

namespace {

QFont SansFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void RoundedPanel(QPainter& p, const QRectF& rect) {
  // One soft step of shadow under the paper, then the paper with a sand outline.
  QPainterPath shadow;
  shadow.addRoundedRect(rect.translated(0, 2), 8, 8);
  p.fillPath(shadow, QColor(0, 0, 0, 28));
  QPainterPath paper;
  paper.addRoundedRect(rect, 8, 8);
  p.fillPath(paper, Qt::white);
  p.setPen(QPen(palette::kSandLine, 1));
  p.drawPath(paper);
}

}  // namespace

QImage WindowPicture(QSize size, const QString& title, const std::vector<QRect>& panels) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(palette::kSand);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(0, 0, size.width(), look::kTitleHeight), palette::kNavy);
  QPainterPath tick;
  tick.addRoundedRect(QRectF(12, 9, 4, 12), 2, 2);
  p.fillPath(tick, palette::kTeal);
  p.setFont(SansFont(15, true));
  p.setPen(Qt::white);
  p.drawText(QRect(24, 0, size.width() - 24 - 64, look::kTitleHeight),
             Qt::AlignLeft | Qt::AlignVCenter, title);
  for (const QRect& panel : panels) RoundedPanel(p, QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(palette::kNavy, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(1, 1, size.width() - 2, size.height() - 2));
  return image;
}

QPushButton* TextButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(SansFont(13, true));
  button->setCursor(Qt::PointingHandCursor);
  button->setFocusPolicy(Qt::NoFocus);
  button->setStyleSheet(palette::Styled(QStringLiteral(
      "QPushButton { background: {teal}; color: white; border: none; border-radius: 6px;"
      " padding: 0 10px; }"
      "QPushButton:hover { background: {tealHover}; border: 1px solid white; }"
      "QPushButton:pressed { background: {tealPressed}; }")));
  return button;
}

void StyleLabel(QLabel& label, int pixels, bool bold, const QColor& ink) {
  label.setFont(SansFont(pixels, bold));
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, ink);
  label.setPalette(palette);
}

namespace {

// The picture is drawn when the window is first shown: the dictionary makes its login, new
// user and search windows at start, and most runs never show them.
class BackgroundLabel : public QLabel {
 public:
  BackgroundLabel(QWidget& window, QString title, std::vector<QRect> panels)
      : QLabel(&window), title_(std::move(title)), panels_(std::move(panels)) {
    setGeometry(window.rect());
  }

 protected:
  void showEvent(QShowEvent* event) override {
    if (!pixmap().isNull() && pixmap().size() == size()) return QLabel::showEvent(event);
    setPixmap(QPixmap::fromImage(WindowPicture(size(), title_, panels_)));
    QLabel::showEvent(event);
  }

 private:
  QString title_;
  std::vector<QRect> panels_;
};

}  // namespace

QLabel* WindowBackground(QWidget& window, const QString& title, const std::vector<QRect>& panels) {
  return new BackgroundLabel(window, title, panels);
}

}  // namespace tess::dictionary
