#pragma once
// Kind codes of the records of the results store: which drill a record grades.

namespace tess::KindCode {

inline constexpr int MultipleChoice = 40;  // "MC"
inline constexpr int TrueFalse = 41;       // "TF"
inline constexpr int Columns = 42;         // "DD"
inline constexpr int Pairs = 43;           // "HH"
inline constexpr int Typing = 44;          // "WP"
inline constexpr int Definitions = 45;     // "DF"
inline constexpr int Ordering = 46;        // "DV"
inline constexpr int SentencePuzzle = 50;
inline constexpr int SentenceDictation = 51;
inline constexpr int SentenceLast = 52;
inline constexpr int Comprehension = 54;
inline constexpr int ConversationFirst = 70;  ///< mode 1; mode m is 69 + m
inline constexpr int ConversationLast = 74;

/// One of the seven exercise kinds of a recorded text.
constexpr bool IsExercise(int kind) { return kind >= MultipleChoice && kind <= Ordering; }
constexpr bool IsSentenceDrill(int kind) { return kind >= SentencePuzzle && kind <= SentenceLast; }
constexpr bool IsConversation(int kind) {
  return kind >= ConversationFirst && kind <= ConversationLast;
}

}  // namespace tess::KindCode
