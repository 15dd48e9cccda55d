#include "choosers/ChooserParts.h"

#include <QLabel>

#include "widgets/RepeatButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

const QColor kHighlight(153, 204, 102);
const QColor kFocusFrame(253, 114, 112);

void SetArrowPicture(RepeatButton& button, const SkinStrips& skins, int skin, int frame) {
  button.setPixmap(skins.FramePixmap(skin, frame));
  button.resize(skins.FrameWidthOf(skin), skins.HeightOf(skin));
}

}  // namespace

QWidget* MakeRowHighlight(QWidget* window, const char* name) {
  auto* shape = new QWidget(window);
  shape->setObjectName(name);
  shape->setAutoFillBackground(true);
  QPalette fill = shape->palette();
  fill.setColor(QPalette::Window, kHighlight);
  shape->setPalette(fill);
  shape->hide();
  return shape;
}

QWidget* MakeFocusFrame(QWidget* window, const char* name) {
  auto* frame = new QLabel(window);
  frame->setObjectName(name);
  frame->setStyleSheet(QStringLiteral("border: 2px solid rgb(%1, %2, %3); background: transparent;")
                           .arg(kFocusFrame.red())
                           .arg(kFocusFrame.green())
                           .arg(kFocusFrame.blue()));
  frame->hide();
  return frame;
}

RepeatButton* MakeScrollArrow(QWidget* window, const char* name, SkinStrips& skins, int skin,
                              int left, int top) {
  auto* button = new RepeatButton(window);
  button->setObjectName(name);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  button->hide();
  QObject::connect(button, &RepeatButton::MouseEnter, button,
                   [button, &skins, skin] { SetArrowPicture(*button, skins, skin, 1); });
  QObject::connect(button, &RepeatButton::MouseLeave, button,
                   [button, &skins, skin] { SetArrowPicture(*button, skins, skin, 0); });
  QObject::connect(&skins, &SkinStrips::Changed, button,
                   [button, &skins, skin] { SetArrowPicture(*button, skins, skin, 0); });
  SetArrowPicture(*button, skins, skin, 0);
  return button;
}

}  // namespace tess
