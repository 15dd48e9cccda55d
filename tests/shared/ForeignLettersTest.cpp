#include "shared/ForeignLetters.h"

#include <gtest/gtest.h>

#include <optional>

namespace tess {
namespace {

constexpr int kEnglish = 1;
constexpr int kGerman = 2;
constexpr int kFrench = 3;
constexpr KeyModifiers kCtrl{false, true, false};
constexpr KeyModifiers kCtrlShift{true, true, false};
constexpr KeyModifiers kCtrlAlt{false, true, true};
constexpr KeyModifiers kShift{true, false, false};

TEST(ForeignLettersTest, Table) {
  struct Row {
    const char* name;
    int course;
    char key;
    KeyModifiers modifiers;
    int letter;  // -1: nothing chosen
  };
  const Row rows[] = {
      {"de Ctrl+A", kGerman, 'A', kCtrl, 228},
      {"de Ctrl+Shift+A", kGerman, 'A', kCtrlShift, 196},
      {"de Ctrl+E", kGerman, 'E', kCtrl, 235},
      {"de Ctrl+Shift+E", kGerman, 'E', kCtrlShift, 203},
      {"de Ctrl+O", kGerman, 'O', kCtrl, 246},
      {"de Ctrl+Shift+O", kGerman, 'O', kCtrlShift, 214},
      {"de Ctrl+U", kGerman, 'U', kCtrl, 252},
      {"de Ctrl+Shift+U", kGerman, 'U', kCtrlShift, 220},
      {"de Ctrl+S", kGerman, 'S', kCtrl, 223},
      {"de Ctrl+Shift+S same", kGerman, 'S', kCtrlShift, 223},
      {"de Ctrl+R not a letter key", kGerman, 'R', kCtrl, -1},
      {"de Ctrl+Alt+A untouched", kGerman, 'A', kCtrlAlt, -1},
      {"de A without Ctrl", kGerman, 'A', kShift, -1},
      {"fr Ctrl+E", kFrench, 'E', kCtrl, 231},
      {"fr Ctrl+Shift+E same", kFrench, 'E', kCtrlShift, 231},
      {"fr Ctrl+I", kFrench, 'I', kCtrl, 238},
      {"fr Ctrl+L", kFrench, 'L', kCtrl, 251},
      {"fr Ctrl+O", kFrench, 'O', kCtrl, 244},
      {"fr Ctrl+P", kFrench, 'P', kCtrl, 249},
      {"fr Ctrl+Q", kFrench, 'Q', kCtrl, 226},
      {"fr Ctrl+R", kFrench, 'R', kCtrl, 233},
      {"fr Ctrl+T", kFrench, 'T', kCtrl, 232},
      {"fr Ctrl+U", kFrench, 'U', kCtrl, 239},
      {"fr Ctrl+W", kFrench, 'W', kCtrl, 224},
      {"fr Ctrl+Y", kFrench, 'Y', kCtrl, 234},
      {"fr Ctrl+A has no letter", kFrench, 'A', kCtrl, -1},
      {"fr Ctrl+S has no letter", kFrench, 'S', kCtrl, -1},
      {"fr Ctrl+Alt+E untouched", kFrench, 'E', kCtrlAlt, -1},
      {"en Ctrl+A nothing", kEnglish, 'A', kCtrl, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<unsigned char> letter =
        ForeignLetterFor(row.course, row.key, row.modifiers);
    if (row.letter < 0) {
      EXPECT_FALSE(letter.has_value());
    } else {
      ASSERT_TRUE(letter.has_value());
      EXPECT_EQ(*letter, row.letter);
    }
  }
}

TEST(ForeignLettersTest, KeyPressTypesThePendingLetterUntilTheNextKeyDown) {
  ForeignLetterKeys keys(kGerman);
  EXPECT_TRUE(keys.ForeignLetterKeyDown('O', kCtrl));
  EXPECT_EQ(static_cast<unsigned char>(keys.ForeignLetterKeyPress('\x0f')), 246);

  // Any key-down clears the letter first, so the next plain key types itself.
  EXPECT_FALSE(keys.ForeignLetterKeyDown('X', {}));
  EXPECT_EQ(keys.PendingLetter(), ' ');
  EXPECT_EQ(keys.ForeignLetterKeyPress('x'), 'x');

  EXPECT_TRUE(keys.ForeignLetterKeyDown('A', kCtrl));
  EXPECT_FALSE(keys.ForeignLetterKeyDown('A', kCtrlAlt));
  EXPECT_EQ(keys.ForeignLetterKeyPress('a'), 'a');
}

}  // namespace
}  // namespace tess
