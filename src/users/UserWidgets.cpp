#include "users/UserWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "widgets/SkinButton.h"

namespace tess {

SkinButton* SkinnedButton(QWidget* window, const char* name, SkinStrips& skins, int skin, int left,
                          int top) {
  auto* button = new SkinButton(window);
  button->setObjectName(name);
  button->SetImageList(&skins);
  button->SetBitmapNormal(skin);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

void StyleUserList(QListWidget& list) {
  QFont font("MS Sans Serif");
  font.setPixelSize(13);
  list.setFont(font);
  list.setFrameShape(QFrame::NoFrame);
  list.setUniformItemSizes(true);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // 16 pixels and the 1-pixel frame above and below make rows 18 pixels apart.
  list.setStyleSheet(QStringLiteral(
      "QListWidget { background: transparent; color: #1F3A5F; padding: 4px 2px; outline: 0; }"
      "QListWidget::item { height: 16px; padding-left: 4px; border: 1px solid transparent; }"
      "QListWidget::item:selected { background: rgb(153, 204, 102); color: black; }"
      "QListWidget::item:selected:focus { border: 1px solid rgb(253, 114, 112); }"
      "QScrollBar:vertical { background: transparent; width: 8px; margin: 2px 0; }"
      "QScrollBar::handle:vertical { background: #2A9D8F; border-radius: 4px;"
      " min-height: 18px; }"
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
}

void StyleNameEdit(QLineEdit& edit) {
  QFont font("MS Sans Serif");
  font.setPixelSize(15);
  edit.setFont(font);
  edit.setFrame(false);
  edit.setStyleSheet(
      QStringLiteral("QLineEdit { background: transparent; color: #1F3A5F; padding: 0 8px;"
                     " selection-background-color: rgb(153, 204, 102); selection-color: black; }"));
}

void StyleLanguageBox(QComboBox& box) {
  QFont font("MS Sans Serif");
  font.setPixelSize(13);
  box.setFont(font);
  box.setStyleSheet(
      QStringLiteral("QComboBox { background: white; color: #1F3A5F; border: 1px solid #E4D4BA;"
                     " border-radius: 4px; padding: 1px 6px; }"
                     "QComboBox:disabled { color: #1F3A5F; }"
                     "QComboBox::drop-down { width: 0; border: none; }"));
}

}  // namespace tess
