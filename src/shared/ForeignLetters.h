#pragma once
// Ctrl+letter input of the German and French letters in edit boxes. The key-down picks the
// letter, the key-press that follows types it in place of the typed character.
#include <optional>

namespace tess {

struct KeyModifiers {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

/// The letter (a byte of the course's code page) that Ctrl + `key` gives in the course of
/// `courseLanguage` (2 German, 3 French); nothing for any other key, course or modifiers.
/// `key` is the key's letter "A" to "Z". Ctrl+Alt is AltGr typing and is left alone.
std::optional<unsigned char> ForeignLetterFor(int courseLanguage, char key, KeyModifiers modifiers);

class ForeignLetterKeys {
 public:
  explicit ForeignLetterKeys(int courseLanguage) : courseLanguage_(courseLanguage) {}

  /// True when a letter was chosen (the sentences window then clears its key-pressed mark).
  bool ForeignLetterKeyDown(char key, KeyModifiers modifiers);
  /// The character to type for `ch`: the chosen letter when there is one.
  char ForeignLetterKeyPress(char ch) const;

  char PendingLetter() const { return pending_; }

 private:
  int courseLanguage_;
  char pending_ = ' ';
};

}  // namespace tess
