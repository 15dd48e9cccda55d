#pragma once
// Text widths of the program: the font a window draws with, the text decoded from its code page.
#include <QFont>
#include <QFontMetrics>
#include <utility>

#include "shared/CodePage.h"
#include "shared/TextMeasurer.h"

namespace tess {

class QtTextMeasurer : public TextMeasurer {
 public:
  QtTextMeasurer(QFont font, CodePage codePage) : font_(std::move(font)), codePage_(codePage) {}

  int Width(std::string_view text, bool bold, bool italic) const override {
    return QFontMetrics(Styled(font_, bold, italic)).horizontalAdvance(Decode(text, codePage_));
  }

  /// A window made before the course language was known learns its code page when it opens.
  void SetCodePage(CodePage codePage) { codePage_ = codePage; }

  static QFont Styled(QFont font, bool bold, bool italic) {
    font.setBold(bold);
    font.setItalic(italic);
    return font;
  }

 private:
  QFont font_;
  CodePage codePage_;
};

}  // namespace tess
