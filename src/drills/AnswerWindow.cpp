#include "drills/AnswerWindow.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "shared/CodePage.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"
#include "widgets/WindowDragHandle.h"
#include "widgets/WindowKeys.h"

namespace tess {
namespace {

constexpr int kWidth = 540;
constexpr int kHeight = 160;
constexpr int kStripHeight = 26;
constexpr const char* kHelpPage = "Htm_r\\h_pomoc.html";

QPixmap DrawnBackground() {
  QPixmap picture(kWidth, kHeight);
  picture.fill(palette::kSand);
  QPainter painter(&picture);
  painter.fillRect(0, 0, kWidth, kStripHeight, palette::kNavy);
  painter.setPen(palette::kNavy);
  painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
  painter.setPen(palette::kWhite);
  painter.setFont(PointFont("Arial", 10, true));
  painter.drawText(QRect(10, 0, kWidth - 20, kStripHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   CourseText("Twoja odpowied\x9F"));
  return picture;
}

}  // namespace

AnswerWindow::AnswerWindow(AnswerWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool), services_(std::move(services)) {
  setObjectName("TForm6");
  setWindowTitle(CourseText("Twoja odpowied\x9F"));
  setFixedSize(kWidth, kHeight);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(0, 0, kWidth, kStripHeight);
  WindowDragHandle::Install(Label1);
  L_Odp = new QLabel(this);
  L_Odp->setObjectName("L_Odp");
  // Inside the white paper the background draws at (20, 40, 500 x 80).
  L_Odp->setGeometry(32, 48, kWidth - 64, 64);
  L_Odp->setWordWrap(true);
  L_Odp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  L_Odp->setFont(PointFont("Arial", 12, true));
  L_Odp->setStyleSheet(palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));
  L_Odp->installEventFilter(this);  // a double-clicked word is looked up
  btn_ok = SkinnedButton(this, "btn_ok", services_.Skins, SkinIndex(CourseSkin::OkSmall), 0, 0);
  btn_ok->move(kWidth - 16 - btn_ok->width(), kHeight - 10 - btn_ok->height());
  btn_ok->setCursor(Qt::PointingHandCursor);
  connect(btn_ok, &SkinButton::Click, this, &QWidget::close);
  new WindowKeys(*this, [this](int key) { return KeyPressed(key); });
}

void AnswerWindow::ShowAnswer(const std::string& answer) {
  L_Odp->setText(ForeignText(services_.State, answer));
  if (QWidget* owner = parentWidget()) {
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    move(centre - QPoint(kWidth / 2, kHeight / 2));
  }
  show();
  raise();
  activateWindow();
  setFocus();
}

void AnswerWindow::showEvent(QShowEvent* event) {
  const QImage picture =
      services_.Pictures.Load(services_.State.LangPath("gfx_r\\twoja_odp_2.bmp"));
  Image1->setPixmap(picture.isNull() ? DrawnBackground() : QPixmap::fromImage(picture));
  QWidget::showEvent(event);
}

void AnswerWindow::hideEvent(QHideEvent* event) {
  WindowDragHandle::Release(Label1);
  Image1->clear();
  QWidget::hideEvent(event);
}

void AnswerWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
  QWidget::changeEvent(event);
}

bool AnswerWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == L_Odp && event->type() == QEvent::MouseButtonDblClick && LookUpWord) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QString word = LabelWordAt(*L_Odp, mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && !word.isEmpty()) {
      LookUpWord(Encode(word, ForeignCodePage(services_.State)), mouse->globalPosition().toPoint());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool AnswerWindow::KeyPressed(int key) {
  return DialogKey(
      key, *btn_ok, [this] { close(); }, [this] { close(); }, false,
      [this] {
        if (services_.ShowHelpPage) {
          services_.ShowHelpPage(services_.State.ProgramPath(kHelpPage));
        }
      });
}

}  // namespace tess
