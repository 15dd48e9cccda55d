#include "exercises/MistakeLine.h"

namespace tess {

QString MistakeLine(const Mistake& mistake, CodePage courseCodePage) {
  QString line;
  for (const ExplanationPiece& piece : MistakeExplanation(mistake)) {
    line += Decode(piece.Text, piece.CourseText ? courseCodePage : CodePage::Cp1250);
  }
  return line;
}

}  // namespace tess
