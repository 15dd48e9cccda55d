#include "shared/ForeignLetters.h"

namespace tess {
namespace {

constexpr int kGerman = 2;
constexpr int kFrench = 3;

struct LetterKey {
  char Key;
  unsigned char Plain;
  unsigned char Shifted;
};

// cp1250 codes; the French ones are cp1252, which agrees on these.
constexpr LetterKey kGermanLetters[] = {
    {'A', 228, 196}, {'E', 235, 203}, {'O', 246, 214}, {'U', 252, 220}, {'S', 223, 223},
};

constexpr LetterKey kFrenchLetters[] = {
    {'E', 231, 231}, {'I', 238, 238}, {'L', 251, 251}, {'O', 244, 244},
    {'P', 249, 249}, {'Q', 226, 226}, {'R', 233, 233}, {'T', 232, 232},
    {'U', 239, 239}, {'W', 224, 224}, {'Y', 234, 234},
};

template <size_t N>
std::optional<unsigned char> Find(const LetterKey (&table)[N], char key, bool shift) {
  for (const LetterKey& letter : table) {
    if (letter.Key == key) return shift ? letter.Shifted : letter.Plain;
  }
  return std::nullopt;
}

}  // namespace

std::optional<unsigned char> ForeignLetterFor(int courseLanguage, char key,
                                              KeyModifiers modifiers) {
  if (!modifiers.Ctrl || modifiers.Alt) return std::nullopt;
  if (courseLanguage == kGerman) return Find(kGermanLetters, key, modifiers.Shift);
  if (courseLanguage == kFrench) return Find(kFrenchLetters, key, modifiers.Shift);
  return std::nullopt;
}

bool ForeignLetterKeys::ForeignLetterKeyDown(char key, KeyModifiers modifiers) {
  pending_ = ' ';
  const std::optional<unsigned char> letter = ForeignLetterFor(courseLanguage_, key, modifiers);
  if (!letter) return false;
  pending_ = static_cast<char>(*letter);
  return true;
}

char ForeignLetterKeys::ForeignLetterKeyPress(char ch) const {
  return pending_ != ' ' ? pending_ : ch;
}

}  // namespace tess
