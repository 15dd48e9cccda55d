#include "widgets/ControlNames.h"

#include <QWidget>

namespace tess {

QString NameIn(const ControlName& name, int language) {
  const bool known = language >= 0 && language < static_cast<int>(name.size());
  return QString::fromUtf8(name[known ? static_cast<size_t>(language) : 0]);
}

void NameControl(QWidget& control, const ControlName& name, int language) {
  const QString said = NameIn(name, language);
  if (control.accessibleName() != said) control.setAccessibleName(said);
}

}  // namespace tess
