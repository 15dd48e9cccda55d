#pragma once
// The installed interface languages: folders "Lang_r\0" to "Lang_r\3".
#include <string>
#include <vector>

namespace tess {

constexpr int kInterfaceLanguageCount = 4;

/// "polski", "english", "deutsch", "russki"; empty for other numbers.
std::string InterfaceLanguageName(int language);

/// "Lang_r\" + n + "\".
std::string LangDirOf(int language);

/// The numbers whose folder exists under `programDir`, in increasing order.
std::vector<int> ListLanguageChoices(const std::string& programDir);

/// The entry a fresh language list selects: the second when there are at least two.
int InitialChoicePosition(const std::vector<int>& choices);

/// Position of `language` in `choices`, or -1.
int ChoicePositionOf(const std::vector<int>& choices, int language);

}  // namespace tess
