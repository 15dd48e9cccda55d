#include "dictionary/HintDelay.h"

#include <QApplication>
#include <QProxyStyle>

namespace tess::dictionary {

namespace {

class HintDelayStyle : public QProxyStyle {
 public:
  explicit HintDelayStyle(int milliseconds) : delay_(milliseconds) {}

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return delay_;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }

 private:
  int delay_;
};

}  // namespace

void ShowHintsAfter(QApplication& app, int milliseconds) {
  app.setStyle(new HintDelayStyle(milliseconds));
}

}  // namespace tess::dictionary
