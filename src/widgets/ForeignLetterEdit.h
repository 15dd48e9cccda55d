#pragma once
// Ctrl+letter typing of the German and French letters in an edit field: the key picks the
// letter and the field gets it in place of what the key would have typed.
#include <QObject>

#include "shared/CodePage.h"

class QLineEdit;

namespace tess::dictionary {

class ForeignLetterEdit : public QObject {
  Q_OBJECT
 public:
  /// Watches `edit`; `language` 2 (German) or 3 (French) gives letters, others nothing. The
  /// letters are bytes of `codePage`.
  ForeignLetterEdit(QLineEdit& edit, int language, CodePage codePage);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& edit_;
  int language_;
  CodePage codePage_;
};

}  // namespace tess::dictionary
