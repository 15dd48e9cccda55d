#pragma once
// The random draws of phrases: the phrase to translate and the hidden questions. The last
// phrase is never drawn. Each draw picks among the phrases that are allowed, so it ends for
// any conversation.
#include <string>
#include <vector>

#include "platform/RandomSource.h"

namespace tess {

/// A phrase from 1 .. count - 1 other than `lastDrawn`. A conversation with one phrase to
/// offer gives that one again; one of a single phrase gives phrase 1; none gives 0.
int DrawTranslationPhrase(int phraseCount, int lastDrawn, RandomSource& random);

/// Questions of a conversation: a third of its phrases, but 2 for 3 to 5 phrases.
int QuestionCount(int phraseCount);

/// Up to QuestionCount phrases, in drawn order, never the last and never two with the same
/// translation; fewer when the conversation has no more phrases that qualify.
std::vector<int> DrawQuestions(const std::vector<std::string>& translations, RandomSource& random);

}  // namespace tess
