#include "choosers/ChooserParts.h"

#include <QLabel>

#include "widgets/Palette.h"
#include "widgets/RepeatButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

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
  fill.setColor(QPalette::Window, palette::kRowHighlight);
  shape->setPalette(fill);
  shape->hide();
  return shape;
}

QWidget* MakeFocusFrame(QWidget* window, const char* name) {
  auto* frame = new QLabel(window);
  frame->setObjectName(name);
  frame->setStyleSheet(palette::Styled(u"border: 2px solid {focus}; background: transparent;"));
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
