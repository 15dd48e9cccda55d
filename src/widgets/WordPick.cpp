#include "widgets/WordPick.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>

namespace tess {

QString LabelWordAt(const QLabel& label, QPoint point) {
  const QString text = label.text();
  if (text.isEmpty()) return {};
  const QRect area = label.contentsRect();
  const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
  // The label draws its text as QPainter::drawText lays it out: word-wrapped lines of the
  // area's width, one leading apart.
  QTextLayout layout(text, label.font());
  QTextOption option(align);
  option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
  layout.setTextOption(option);
  const qreal leading = QFontMetricsF(label.font()).leading();
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(area.width());
    if (height > 0) height += leading;
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();

  qreal top = area.top();
  if (align & Qt::AlignVCenter) top += (area.height() - height) / 2;
  if (align & Qt::AlignBottom) top += area.height() - height;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const qreal y = point.y() - top - line.y();
    if (y < 0 || y >= line.height()) continue;
    qreal left = area.left();
    if (align & Qt::AlignHCenter) left += (area.width() - line.naturalTextWidth()) / 2;
    if (align & Qt::AlignRight) left += area.width() - line.naturalTextWidth();
    const qreal x = point.x() - left;
    if (x < 0 || x >= line.naturalTextWidth()) return {};
    int at = line.xToCursor(x, QTextLine::CursorOnCharacter);
    if (at >= text.size() || text.at(at).isSpace()) return {};
    int from = at;
    while (from > 0 && !text.at(from - 1).isSpace()) --from;
    int to = at;
    while (to < text.size() && !text.at(to).isSpace()) ++to;
    return text.mid(from, to - from);
  }
  return {};
}

}  // namespace tess
