#include "exercises/ExerciseLayout.h"

#include <algorithm>
#include <vector>

#include "shared/Text.h"

namespace tess {

std::optional<LayoutValues> ParseLayoutValues(std::string_view layoutLine) {
  LayoutValues values;
  const std::vector<std::string> fields = CutFields(layoutLine, '=', 10);
  for (size_t i = 0; i < fields.size() && i < values.L.size(); ++i) {
    const std::string field = Trim(fields[i]);
    if (field.empty()) continue;
    const std::optional<int> number = ParseInt(field);
    if (!number) return std::nullopt;
    values.L[i] = std::clamp(*number, -kLayoutValueLimit, kLayoutValueLimit);
  }
  return values;
}

int InstructionBoxWidth(int left, int width) {
  if (left + width > kInstructionRightEdge) width = kInstructionRightEdge - left;
  if (left + width < kInstructionRightEdge) width = kInstructionRightEdge;
  return width;
}

std::string TextRecordingPath(const std::string& mediaDir, std::string_view textNumber) {
  return mediaDir + "Teksty_wav\\" + std::string(textNumber) + ".wav";
}

std::string TextFilmPath(const std::string& programDir, std::string_view textNumber) {
  return programDir + "Teksty_mpg_r\\" + std::string(textNumber) + ".mpg";
}

}  // namespace tess
