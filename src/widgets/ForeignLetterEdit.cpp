#include "widgets/ForeignLetterEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "shared/ForeignLetters.h"

namespace tess {

ForeignLetterEdit::ForeignLetterEdit(QLineEdit& edit, int language, CodePage codePage)
    : QObject(&edit), edit_(edit), language_(language), codePage_(codePage) {
  edit.installEventFilter(this);
}

bool ForeignLetterEdit::eventFilter(QObject* watched, QEvent* event) {
  // The letter must win over the field's own Ctrl shortcuts (Ctrl+A selects all, ...).
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
      const Qt::KeyboardModifiers held = key->modifiers();
      const KeyModifiers modifiers{(held & Qt::ShiftModifier) != 0,
                                   (held & Qt::ControlModifier) != 0,
                                   (held & Qt::AltModifier) != 0};
      const char letter = static_cast<char>('A' + (key->key() - Qt::Key_A));
      if (const std::optional<unsigned char> chosen =
              ForeignLetterFor(language_, letter, modifiers)) {
        if (event->type() == QEvent::KeyPress) {
          const char byte = static_cast<char>(*chosen);
          edit_.insert(Decode(std::string_view(&byte, 1), codePage_));
          if (LetterChosen) LetterChosen();
        }
        event->accept();
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tess
