#pragma once
// Ctrl+letter typing of the German and French letters in an edit field: the key picks the
// letter and the field gets it where the caret is, in place of what the key would have typed.
// Every field that takes foreign text (typing, dictation, the dictionary) uses this one binding.
#include <QObject>
#include <functional>

#include "shared/CodePage.h"

class QLineEdit;

namespace tess {

class ForeignLetterEdit : public QObject {
  Q_OBJECT
 public:
  /// Watches `edit`; `language` 2 (German) or 3 (French) gives letters, others nothing. The
  /// letters are bytes of `codePage`.
  ForeignLetterEdit(QLineEdit& edit, int language, CodePage codePage);

  /// A field whose character set is switched shows the letters' bytes in the new one.
  void SetCodePage(CodePage codePage) { codePage_ = codePage; }

  /// Told after a letter was put in (the sentences window clears its key mark then).
  std::function<void()> LetterChosen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& edit_;
  int language_;
  CodePage codePage_;
};

}  // namespace tess
