#include "exercises/MultipleChoice.h"

#include <algorithm>

#include "exercises/Markup.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

constexpr int kStemX = 15;
constexpr int kBoxX = 15;
constexpr int kAnswerX = 40;
constexpr int kFirstLineY = 24;
constexpr int kBreakStep = 18;  // "<BR>" moves less than a wrapped line
constexpr int kBoxRaise = 2;    // stamps sit two pixels above the text line
constexpr int kBoxDepth = 25;   // an answer's hit box reaches this far below its last line
constexpr int kMeasureStep = 25;

// Messages are cp1250, like every text the window shows.
std::string QuestionPrefix(int q) { return "Pytanie " + std::to_string(q) + ": "; }

std::string NoFinalHashMessage() {
  return "Tre\x9C\xE6 \xE6wiczenia wielokrotnego wyboru nie ko\xF1"
         "czy si\xEA znakiem #.";
}

std::string TooManyQuestionsMessage() {
  return "\xC6wiczenie wielokrotnego wyboru ma wi\xEA"
         "cej ni\xBF 10 pyta\xF1.";
}

std::string TooManyAnswersMessage(int q) {
  return QuestionPrefix(q) +
         "wi\xEA"
         "cej ni\xBF 4 odpowiedzi.";
}

std::string TooFewAnswersMessage(int q) { return QuestionPrefix(q) + "mniej ni\xBF 2 odpowiedzi."; }

std::string NoRightAnswerMessage(int q) {
  return QuestionPrefix(q) +
         "\xBF"
         "adna odpowied\x9F nie jest oznaczona jako prawid\xB3owa (T_).";
}

std::string TwoRightAnswersMessage(int q) {
  return QuestionPrefix(q) +
         "wi\xEA"
         "cej ni\xBF jedna odpowied\x9F oznaczona jako prawid\xB3owa (T_).";
}

std::string MarkedStemMessage(int q) {
  return QuestionPrefix(q) +
         "znacznik T_ stoi przy tre\x9C"
         "ci pytania, a nie przy odpowiedzi.";
}

}  // namespace

ChoiceContent ParseChoiceContent(std::string_view content) {
  ChoiceContent result;
  if (content.empty() || content.back() != '#') {
    result.Error = NoFinalHashMessage();
    return result;
  }
  // The content ends with "#", so every question ends at a "#". Each question is cut where it
  // lies, without copying the rest of the content, so a long content costs linear time.
  std::string_view text = content;
  while (!text.empty()) {
    const int q = static_cast<int>(result.Questions.size()) + 1;
    if (q > MultipleChoice::kMaxQuestions) {
      result.Error = TooManyQuestionsMessage();
      result.Questions.clear();
      return result;
    }
    ChoiceQuestion question;
    int marks = 0;
    bool markedStem = false;
    bool tooManyParts = false;
    auto store = [&](std::string part) {
      if (question.PartCount == ChoiceQuestion::kMaxParts) {
        tooManyParts = true;
        return;
      }
      ++question.PartCount;
      if (part.starts_with("T_")) {
        part.erase(0, 2);
        question.RightPart = question.PartCount;
        ++marks;
        if (question.PartCount == 1) markedStem = true;
      }
      question.Parts[question.PartCount] = std::move(part);
    };
    const size_t hash = text.find('#');
    const std::string_view parts = text.substr(0, hash);
    size_t start = 0;
    for (size_t equals = parts.find('='); equals != std::string_view::npos;
         equals = parts.find('=', start)) {
      store(std::string(parts.substr(start, equals - start)));
      start = equals + 1;
    }
    const std::string last = Trim(parts.substr(start));
    if (!last.empty()) store(last);
    text.remove_prefix(hash + 1);

    std::string error;
    if (tooManyParts) {
      error = TooManyAnswersMessage(q);
    } else if (markedStem) {
      error = MarkedStemMessage(q);
    } else if (question.PartCount - 1 < 2) {
      error = TooFewAnswersMessage(q);
    } else if (marks == 0) {
      error = NoRightAnswerMessage(q);
    } else if (marks > 1) {
      error = TwoRightAnswersMessage(q);
    }
    if (!error.empty()) {
      result.Error = std::move(error);
      result.Questions.clear();
      return result;
    }
    result.Questions.push_back(std::move(question));
  }
  return result;
}

void ShuffleChoiceAnswers(ChoiceQuestion& question, RandomSource& random) {
  if (question.PartCount < 3) return;  // one answer cannot be swapped with another
  int swaps = 0;
  while (swaps < 4) {
    const int a = random.Between(2, question.PartCount);
    const int b = random.Between(2, question.PartCount);
    if (a == b) continue;
    std::swap(question.Parts[a], question.Parts[b]);
    if (question.RightPart == a) {
      question.RightPart = b;
    } else if (question.RightPart == b) {
      question.RightPart = a;
    }
    ++swaps;
  }
}

bool MultipleChoice::Load(std::string_view content, RandomSource& random) {
  ChoiceContent parsed = ParseChoiceContent(content);
  loadError_ = std::move(parsed.Error);
  questions_ = std::move(parsed.Questions);
  for (ChoiceQuestion& question : questions_) ShuffleChoiceAnswers(question, random);
  touched_ = false;
  checked_ = false;
  okVisible_ = true;
  scroll_ = 0;
  scrollMax_ = 0;
  good_ = 0;
  bad_ = 0;
  needsMeasure_ = true;
  upVisible_ = false;
  downVisible_ = false;
  return loadError_.empty();
}

std::vector<ChoiceDrawItem> MultipleChoice::Paint(const TextMeasurer& measurer, int boxWidth,
                                                  int boxHeight) {
  std::vector<ChoiceDrawItem> items;
  bool bold = false;
  bool italic = false;
  int y = kFirstLineY - kLineStep * scroll_;
  for (ChoiceQuestion& question : questions_) {
    for (int p = 1; p <= question.PartCount; ++p) {
      int x = kStemX;
      ChoiceAnswer* answer = p >= 2 ? &question.Answer[p - 1] : nullptr;
      if (answer) {
        if (checked_ && answer->Flagged) {
          items.push_back({ChoiceDrawItem::Kind::Exclamation, 0, y - kBoxRaise, {}, false, false});
        }
        const ChoiceDrawItem::Kind box = answer->Wrong    ? ChoiceDrawItem::Kind::RedBox
                                         : answer->Ticked ? ChoiceDrawItem::Kind::TickedBox
                                                          : ChoiceDrawItem::Kind::EmptyBox;
        items.push_back({box, kBoxX, y - kBoxRaise, {}, false, false});
        answer->Left = kBoxX;
        answer->Top = y;
        x = kAnswerX;
      }
      int maxX = 0;
      // Words are taken off a view, not a copy, so a long answer lays out in linear time.
      std::string_view text = question.Parts[p];
      while (!text.empty()) {
        const std::string word = NextWord(text);
        text.remove_prefix(std::min(word.size() + 1, text.size()));
        const std::string folded = LowerAZ(Trim(word));
        if (folded == "<b>") {
          bold = true;
          continue;
        }
        if (folded == "</b>") {
          bold = false;
          continue;
        }
        maxX = std::max(maxX, x);
        if (IsMarkupTag(word)) {
          if (word == "<BR>") {
            y += kBreakStep;
            x = kAnswerX;
          } else {
            TextStyle style{bold, italic};  // exact upper-case tags, as the instruction box
            ApplyStyleTag(style, word);
            bold = style.Bold;
            italic = style.Italic;
          }
          continue;
        }
        const std::string drawn = word + " ";
        const int width = measurer.Width(drawn, bold, italic);
        if (x + width > boxWidth) {
          y += kLineStep;
          x = kAnswerX;
        }
        if (y >= 0) items.push_back({ChoiceDrawItem::Kind::Word, x, y, drawn, bold, italic});
        x += width;
      }
      if (answer) {
        answer->Right = std::max(maxX, x);
        answer->Bottom = y + kBoxDepth;
      }
      y += kLineStep;
    }
    y += kLineStep;  // a blank line between questions
  }
  if (needsMeasure_) {
    if (boxHeight < y - kBoxDepth) {
      scrollMax_ = (y - boxHeight) / kMeasureStep + 1;
      downVisible_ = true;
    } else {
      downVisible_ = false;
    }
    needsMeasure_ = false;
  }
  return items;
}

std::optional<std::pair<int, int>> MultipleChoice::AnswerAt(int x, int y) const {
  if (needsMeasure_) return std::nullopt;  // boxes are known only after the first paint
  for (int q = 1; q <= QuestionCount(); ++q) {
    const ChoiceQuestion& question = questions_[q - 1];
    for (int p = 2; p <= question.PartCount; ++p) {
      const ChoiceAnswer& answer = question.Answer[p - 1];
      if (answer.Left <= x && x <= answer.Right && answer.Top <= y && y <= answer.Bottom) {
        return std::make_pair(q, p);
      }
    }
  }
  return std::nullopt;
}

bool MultipleChoice::PointerOverAnswer(int x, int y) const {
  return !checked_ && AnswerAt(x, y).has_value();
}

bool MultipleChoice::Click(int x, int y) {
  if (checked_) return false;
  const auto hit = AnswerAt(x, y);
  if (!hit) return false;
  touched_ = true;
  ChoiceQuestion& question = questions_[hit->first - 1];
  for (ChoiceAnswer& answer : question.Answer) answer.Ticked = false;
  question.Answer[hit->second - 1].Ticked = true;
  return true;
}

void MultipleChoice::Check() {
  if (checked_) return;
  touched_ = true;
  checked_ = true;
  okVisible_ = false;
  good_ = 0;
  for (ChoiceQuestion& question : questions_) {
    ChoiceAnswer& right = question.Answer[question.RightPart - 1];
    bool anyTicked = false;
    for (int p = 2; p <= question.PartCount; ++p) {
      ChoiceAnswer& answer = question.Answer[p - 1];
      if (!answer.Ticked) continue;
      anyTicked = true;
      if (p != question.RightPart) {
        answer.Wrong = true;
        answer.Flagged = true;
      }
    }
    if (!anyTicked) right.Flagged = true;
    if (right.Ticked) ++good_;
    right.Ticked = true;  // the right answer always shows ticked after the check
  }
  bad_ = QuestionCount() - good_;
}

int MultipleChoice::Percent() const { return PercentOf(good_, bad_); }

int MultipleChoice::VerdictText() const { return good_ == QuestionCount() ? 64 : 65; }

void MultipleChoice::ScrollUp() {
  if (scroll_ > 0) --scroll_;
  upVisible_ = scroll_ > 0;
  downVisible_ = true;
}

void MultipleChoice::ScrollDown() {
  if (scroll_ < scrollMax_) ++scroll_;
  if (scroll_ >= scrollMax_) downVisible_ = false;
  upVisible_ = true;
}

}  // namespace tess
