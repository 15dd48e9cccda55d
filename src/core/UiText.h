#pragma once
// Interface texts and file text as Qt strings, through the one codec.
#include <QString>
#include <string>

#include "core/CourseState.h"
#include "shared/CodePage.h"

namespace tess {

/// Interface text n of the current interface language, decoded in that language's code page.
inline QString UiText(const CourseState& state, int n) {
  return Decode(state.InterfaceText(n), InterfaceCodePage(state.InterfaceLanguage));
}

/// Text of the course's Polish files (cp1250), e.g. the course title.
inline QString CourseText(const std::string& bytes) { return Decode(bytes, CodePage::Cp1250); }

/// Code page of text in the course language (the French course's is cp1252).
inline CodePage ForeignCodePage(const CourseState& state) {
  return CourseCodePage(state.Install.CourseLanguage);
}

/// Text in the course language, e.g. a sentence, a phrase or an answer.
inline QString ForeignText(const CourseState& state, const std::string& bytes) {
  return Decode(bytes, ForeignCodePage(state));
}

}  // namespace tess
