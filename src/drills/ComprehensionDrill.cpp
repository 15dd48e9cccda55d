#include "drills/ComprehensionDrill.h"

#include <utility>

#include "platform/RandomSource.h"
#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {
namespace {

namespace layout = comprehension_layout;

std::string NoExerciseMessage(int n) {
  return "Brak \xE6wiczenia nr " + std::to_string(n) + " w pliku " + kComprehensionCatalogueFile +
         ".";
}

std::string TooManyItemsMessage() {
  return "Za duzo przyk\xB3"
         "ad\xF3w w cwiczeniu!!!";
}

std::string NoItemsMessage() {
  return "\xC6wiczenie nie zawiera \xBF"
         "adnego przyk\xB3"
         "adu.";
}

std::string UnknownItemsMessage(const std::vector<std::string>& unknown) {
  std::string names;
  for (const std::string& name : unknown) {
    if (!names.empty()) names += ", ";
    names += EchoOf(name);
  }
  const std::string what = unknown.size() == 1 ? "przyk\xB3"
                                                 "adu "
                                               : "przyk\xB3"
                                                 "ad\xF3w: ";
  return std::string("W pliku ") + kComprehensionItemsFile + " nie ma " + what + names + ".";
}

}  // namespace

std::vector<std::string> ComprehensionDrill::SplitIdentifiers(const std::string& itemsLine) {
  std::vector<std::string> identifiers;
  std::string_view rest = itemsLine;
  while (!Trim(rest).empty()) {
    const size_t end = rest.find('=');
    const std::string_view piece = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    std::string identifier = Trim(piece);
    if (!identifier.empty()) identifiers.push_back(std::move(identifier));
  }
  return identifiers;
}

ComprehensionOpening ComprehensionDrill::Open(int n, const ComprehensionCatalogue& catalogue,
                                              const ComprehensionItems& items) {
  questions_.clear();
  current_ = 1;
  good_ = 0;
  bad_ = 0;
  percent_ = 0;
  attempted_ = false;
  finished_ = false;
  answered_ = false;

  ComprehensionOpening opening;
  const ComprehensionExercise* exercise = catalogue.At(n);
  if (exercise == nullptr) {
    opening.Messages.push_back(NoExerciseMessage(n));
    return opening;
  }
  const std::vector<std::string> identifiers = SplitIdentifiers(exercise->ItemsLine);
  if (static_cast<int>(identifiers.size()) > kMaxItems) {
    // The exercise is refused rather than the program ended: a content fault must not cost
    // the learner the session.
    opening.What = ComprehensionOpening::Outcome::TooManyItems;
    opening.Messages.push_back(TooManyItemsMessage());
    return opening;
  }

  std::vector<std::string> unknown;
  for (const std::string& identifier : identifiers) {
    const ComprehensionItem* item = items.Find(identifier);
    if (item == nullptr) {
      unknown.push_back(identifier);
      continue;
    }
    ComprehensionQuestion question;
    question.Identifier = identifier;
    question.SoundName = item->SoundName + ".wav";
    question.TextForeign = item->TextForeign;
    question.TextPolish = item->TextPolish;
    question.Pictures = {item->RightPicture, item->OtherPicture1, item->OtherPicture2};
    Shuffle(question);
    questions_.push_back(std::move(question));
  }
  if (!unknown.empty()) opening.Messages.push_back(UnknownItemsMessage(unknown));
  if (questions_.empty()) {
    opening.What = ComprehensionOpening::Outcome::NoItems;
    opening.Messages.push_back(NoItemsMessage());
    return opening;
  }
  opening.What = ComprehensionOpening::Outcome::Opened;
  return opening;
}

void ComprehensionDrill::Shuffle(ComprehensionQuestion& question) {
  // The second position is one of the two others, so a scripted source cannot make the
  // draw loop; the odds of each pair are those of drawing until the two differ.
  const int e = random_.Between(1, 3);
  const int other = random_.Between(1, 2);
  int f = other;
  if (f >= e) ++f;
  std::swap(question.Pictures[static_cast<size_t>(e - 1)],
            question.Pictures[static_cast<size_t>(f - 1)]);
  if (question.CorrectPicture == e) {
    question.CorrectPicture = f;
  } else if (question.CorrectPicture == f) {
    question.CorrectPicture = e;
  }
}

MarkPlace ComprehensionDrill::TopRightMark(int picture) {
  const int left = layout::kPictureLeft[static_cast<size_t>(picture - 1)];
  return {left + layout::kPictureWidth - layout::kMarkSize,
          layout::kPictureTop - layout::kMarkSize};
}

MarkPlace ComprehensionDrill::RevealMark(int picture) {
  return {layout::kPictureLeft[static_cast<size_t>(picture - 1)] - 3, layout::kPictureTop - 3};
}

PictureAnswer ComprehensionDrill::Answer(int picture) {
  PictureAnswer answer;
  if (questions_.empty() || picture < 1 || picture > 3) return answer;
  attempted_ = true;
  if (answered_) return answer;
  ComprehensionQuestion& question = questions_[static_cast<size_t>(current_ - 1)];
  ++question.Tries;
  answered_ = true;
  if (picture == question.CorrectPicture) {
    question.Right = true;
    ++good_;
    answer.What = PictureAnswer::Kind::Right;
    answer.RightMarkShown = true;
    answer.RightMark = TopRightMark(picture);
  } else {
    ++bad_;
    answer.What = PictureAnswer::Kind::Wrong;
    answer.WrongMarkShown = true;
    answer.WrongMark = TopRightMark(picture);
    if (question.Tries >= ComprehensionQuestion::kMaxTries) {
      answer.RightMarkShown = true;
      answer.RightMark = RevealMark(question.CorrectPicture);
    }
  }
  const int total = ItemCount() + bad_;
  percent_ = total == 0 ? 0 : RoundHalfEven(100.0 * good_ / static_cast<double>(total));
  answer.TextsShown = question.Resolved();
  return answer;
}

bool ComprehensionDrill::Next() {
  if (questions_.empty()) return true;
  bool allResolved = true;
  for (const ComprehensionQuestion& question : questions_) {
    if (!question.Resolved()) allResolved = false;
  }
  if (allResolved) {
    finished_ = true;
    return true;
  }
  answered_ = false;
  const int count = ItemCount();
  for (int step = 1; step <= count; ++step) {
    const int i = (current_ - 1 + step) % count + 1;
    if (!Item(i).Resolved()) {
      current_ = i;
      break;
    }
  }
  return false;
}

ResultFigures ComprehensionDrill::Figures() const {
  ResultFigures figures;
  figures.Lines[0] = std::to_string(good_);
  figures.Lines[1] = std::to_string(bad_);
  figures.Lines[2] = std::to_string(percent_);
  figures.Lines[3] = std::to_string(ItemCount());
  return figures;
}

std::string ComprehensionDrill::PicturePath(
    int picture, const std::string& mediaDir,
    const std::function<bool(const std::string&)>& exists) const {
  const std::string folder = mediaDir + "Rozumienia_gfx_r\\";
  const std::string own = folder + Current().Pictures[static_cast<size_t>(picture - 1)] + ".bmp";
  if (exists && exists(own)) return own;
  return folder + "tmp_" + std::to_string(picture) + ".bmp";
}

std::string ComprehensionDrill::SoundPath(const std::string& programDir) const {
  return programDir + "rozumienia_wav_r\\" + Current().SoundName;
}

int ComprehensionDrill::BackgroundNumber(int draw) {
  if (draw <= 2) return 1;
  if (draw <= 5) return 2;
  return 3;
}

std::string ComprehensionDrill::DrawBackground(const std::string& programDir) {
  const int k = BackgroundNumber(random_.Between(0, 9));
  return programDir + "Gfx_r\\rozum_tlo" + std::to_string(k) + ".bmp";
}

}  // namespace tess
