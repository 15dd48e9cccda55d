#include "users/UserWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "widgets/Palette.h"
#include "widgets/SkinButton.h"

namespace tess {

void StyleUserList(QListWidget& list) {
  QFont font("MS Sans Serif");
  font.setPixelSize(13);
  list.setFont(font);
  list.setFrameShape(QFrame::NoFrame);
  list.setUniformItemSizes(true);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // 16 pixels and the 1-pixel frame above and below make rows 18 pixels apart.
  list.setStyleSheet(palette::Styled(QStringLiteral(
      "QListWidget { background: transparent; color: {navy}; padding: 4px 2px; outline: 0; }"
      "QListWidget::item { height: 16px; padding-left: 4px; border: 1px solid transparent; }"
      "QListWidget::item:selected { background: {highlight}; color: black; }"
      "QListWidget::item:selected:focus { border: 1px solid {focus}; }"
      "QScrollBar:vertical { background: transparent; width: 8px; margin: 2px 0; }"
      "QScrollBar::handle:vertical { background: {teal}; border-radius: 4px;"
      " min-height: 18px; }"
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")));
}

void StyleNameEdit(QLineEdit& edit) {
  QFont font("MS Sans Serif");
  font.setPixelSize(15);
  edit.setFont(font);
  edit.setFrame(false);
  edit.setStyleSheet(palette::Styled(
      QStringLiteral("QLineEdit { background: transparent; color: {navy}; padding: 0 8px;"
                     " selection-background-color: {highlight}; selection-color: black; }")));
}

void StyleLanguageBox(QComboBox& box) {
  QFont font("MS Sans Serif");
  font.setPixelSize(13);
  box.setFont(font);
  box.setStyleSheet(palette::Styled(
      QStringLiteral("QComboBox { background: white; color: {navy}; border: 1px solid {sandLine};"
                     " border-radius: 4px; padding: 1px 6px; }"
                     "QComboBox:disabled { color: {navy}; }"
                     "QComboBox::drop-down { width: 0; border: none; }")));
}

}  // namespace tess
