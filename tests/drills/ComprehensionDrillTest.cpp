// A comprehension exercise: its items looked up and shuffled, right and wrong clicks, the items
// coming back round the list until resolved, and the percent that is recorded.
#include "drills/ComprehensionDrill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RandomSource.h"

namespace tess {
namespace {

ComprehensionItem MakeItem(const std::string& id) {
  return {id, "snd_" + id, "pl " + id, "en " + id, "right_" + id, "a_" + id, "b_" + id};
}

/// Items "i1".."iN" and one exercise listing `line` (or i1..iN when it is empty).
struct Exercise {
  explicit Exercise(int itemCount, std::string line = "") {
    for (int k = 1; k <= itemCount; ++k) items.Add(MakeItem("i" + std::to_string(k)));
    if (line.empty()) {
      for (int k = 1; k <= itemCount; ++k) line += "i" + std::to_string(k) + "=";
    }
    ComprehensionExercise entry;
    entry.ItemsLine = line;
    catalogue.Add(entry);
  }

  ComprehensionCatalogue catalogue;
  ComprehensionItems items;
};

int WrongPicture(const ComprehensionQuestion& question) {
  return question.CorrectPicture == 1 ? 2 : 1;
}

TEST(ComprehensionDrillTest, ClicksGiveTheTallyAndPercent) {
  // Each letter is one click on the item on screen (R right, W wrong), followed by next.
  struct Row {
    const char* name;
    int items;
    const char* clicks;
    int good;
    int bad;
    int percent;
    bool finished;
  };
  const Row rows[] = {
      {"wrong twice then right", 1, "WWR", 1, 2, 33, true},
      {"three wrong resolve the item", 1, "WWW", 0, 3, 0, true},
      {"five right at once", 5, "RRRRR", 5, 0, 100, true},
      {"two wrong of five, all finally right", 5, "WRRRRWR", 5, 2, 71, true},
      {"a half goes down to even", 6, "WWR", 1, 2, 12, false},
      {"a half goes up to even", 6, "WWRRR", 3, 2, 38, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Exercise exercise(row.items);
    ScriptedRandom random;
    ComprehensionDrill drill(random);
    ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
    bool ended = false;
    for (const char* click = row.clicks; *click != '\0'; ++click) {
      ASSERT_FALSE(ended) << "clicks left after the end";
      const ComprehensionQuestion& question = drill.Current();
      const int picture = *click == 'R' ? question.CorrectPicture : WrongPicture(question);
      drill.Answer(picture);
      ended = drill.Next();
    }
    EXPECT_EQ(drill.Good(), row.good);
    EXPECT_EQ(drill.Bad(), row.bad);
    EXPECT_EQ(drill.Percent(), row.percent);
    EXPECT_EQ(ended, row.finished);
    EXPECT_EQ(drill.Finished(), row.finished);
    EXPECT_TRUE(drill.Attempted());
    const ResultFigures figures = drill.Figures();
    EXPECT_EQ(figures.Lines[0], std::to_string(row.good));
    EXPECT_EQ(figures.Lines[1], std::to_string(row.bad));
    EXPECT_EQ(figures.Lines[2], std::to_string(row.percent));
    EXPECT_EQ(figures.Lines[3], std::to_string(row.items));
  }
}

TEST(ComprehensionDrillTest, ThirdMissRevealsTheRightPictureAndTheTexts) {
  Exercise exercise(1);
  ScriptedRandom random;  // every draw at its lower end: the right picture goes to position 2
  ComprehensionDrill drill(random);
  ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
  ASSERT_EQ(drill.Current().CorrectPicture, 2);
  for (int miss = 1; miss <= 3; ++miss) {
    SCOPED_TRACE(miss);
    const PictureAnswer answer = drill.Answer(3);
    EXPECT_EQ(answer.What, PictureAnswer::Kind::Wrong);
    EXPECT_TRUE(answer.WrongMarkShown);
    EXPECT_EQ(answer.WrongMark, (MarkPlace{559 + 160 - 40, 130 - 40}));
    EXPECT_EQ(answer.RightMarkShown, miss == 3);
    EXPECT_EQ(answer.TextsShown, miss == 3);
    if (miss == 3) {
      EXPECT_EQ(answer.RightMark, (MarkPlace{321 - 3, 130 - 3}));
    }
    EXPECT_EQ(drill.Next(), miss == 3);
  }
  EXPECT_FALSE(drill.Item(1).Right);
  EXPECT_EQ(drill.Item(1).Tries, 3);
}

TEST(ComprehensionDrillTest, MissedItemComesBackAfterTheOthers) {
  Exercise exercise(3);
  ScriptedRandom random;
  ComprehensionDrill drill(random);
  ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
  std::vector<int> shown;
  // Item 1 is always missed, the others answered right at once.
  do {
    shown.push_back(drill.CurrentItem());
    const ComprehensionQuestion& question = drill.Current();
    drill.Answer(drill.CurrentItem() == 1 ? WrongPicture(question) : question.CorrectPicture);
  } while (!drill.Next());
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 1, 1}));
}

TEST(ComprehensionDrillTest, RightClickMarksTheClickedPicture) {
  Exercise exercise(1);
  ScriptedRandom random;
  ComprehensionDrill drill(random);
  ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
  const PictureAnswer answer = drill.Answer(2);
  EXPECT_EQ(answer.What, PictureAnswer::Kind::Right);
  EXPECT_TRUE(answer.RightMarkShown);
  EXPECT_EQ(answer.RightMark, (MarkPlace{321 + 160 - 40, 90}));
  EXPECT_FALSE(answer.WrongMarkShown);
  EXPECT_TRUE(answer.TextsShown);
}

TEST(ComprehensionDrillTest, ClickAfterAnsweringChangesNothing) {
  Exercise exercise(2);
  ScriptedRandom random;
  ComprehensionDrill drill(random);
  ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
  EXPECT_FALSE(drill.Attempted());
  drill.Answer(WrongPicture(drill.Current()));
  ASSERT_TRUE(drill.Answered());
  const PictureAnswer again = drill.Answer(drill.Current().CorrectPicture);
  EXPECT_EQ(again.What, PictureAnswer::Kind::Ignored);
  EXPECT_FALSE(again.RightMarkShown);
  EXPECT_EQ(drill.Good(), 0);
  EXPECT_EQ(drill.Bad(), 1);
  EXPECT_EQ(drill.Current().Tries, 1);
  EXPECT_FALSE(drill.Current().Right);
}

TEST(ComprehensionDrillTest, NextSkipsResolvedItemsRoundTheList) {
  Exercise exercise(4);
  ScriptedRandom random;
  ComprehensionDrill drill(random);
  ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
  const auto answer = [&drill](bool right) {
    const ComprehensionQuestion& question = drill.Current();
    drill.Answer(right ? question.CorrectPicture : WrongPicture(question));
  };
  answer(true);  // 1 resolved
  ASSERT_FALSE(drill.Next());
  answer(false);  // 2 comes back
  ASSERT_FALSE(drill.Next());
  answer(true);  // 3 resolved
  ASSERT_FALSE(drill.Next());
  EXPECT_EQ(drill.CurrentItem(), 4);
  EXPECT_FALSE(drill.Answered()) << "next offers the new item for answering";
  answer(true);  // 4 resolved
  ASSERT_FALSE(drill.Next());
  EXPECT_EQ(drill.CurrentItem(), 2) << "wraps past the resolved item 1";
  answer(true);
  EXPECT_TRUE(drill.Next());
  EXPECT_TRUE(drill.Finished());
}

TEST(ComprehensionDrillTest, UnknownIdentifiersAreSkippedWithOneMessage) {
  Exercise exercise(2, "i1=zz=i2=yy=");
  ScriptedRandom random;
  ComprehensionDrill drill(random);
  const ComprehensionOpening opening = drill.Open(1, exercise.catalogue, exercise.items);
  ASSERT_TRUE(opening.Opened());
  ASSERT_EQ(drill.ItemCount(), 2);
  EXPECT_EQ(drill.Item(1).Identifier, "i1");
  EXPECT_EQ(drill.Item(2).Identifier, "i2");
  ASSERT_EQ(opening.Messages.size(), 1u);
  EXPECT_EQ(opening.Messages[0],
            "W pliku rozum_pig.txt nie ma przyk\xB3"
            "ad\xF3w: zz, yy.");

  Exercise single(1, "i1=zz=");
  EXPECT_EQ(drill.Open(1, single.catalogue, single.items).Messages,
            (std::vector<std::string>{"W pliku rozum_pig.txt nie ma przyk\xB3"
                                      "adu zz."}));

  Exercise none(1, "zz=");
  const ComprehensionOpening empty = drill.Open(1, none.catalogue, none.items);
  EXPECT_EQ(empty.What, ComprehensionOpening::Outcome::NoItems);
  ASSERT_EQ(empty.Messages.size(), 2u);
  EXPECT_EQ(empty.Messages[1],
            "\xC6wiczenie nie zawiera \xBF"
            "adnego przyk\xB3"
            "adu.");
}

TEST(ComprehensionDrillTest, MoreThanTwentyIdentifiersRefuseTheExercise) {
  std::string line;
  for (int k = 1; k <= 20; ++k) line += "i" + std::to_string(k) + "=";
  ScriptedRandom random;
  ComprehensionDrill drill(random);

  Exercise twenty(20, line);
  EXPECT_TRUE(drill.Open(1, twenty.catalogue, twenty.items).Opened());
  EXPECT_EQ(drill.ItemCount(), 20);

  Exercise many(21, line + "i21=");
  const ComprehensionOpening opening = drill.Open(1, many.catalogue, many.items);
  EXPECT_EQ(opening.What, ComprehensionOpening::Outcome::TooManyItems);
  EXPECT_EQ(opening.Messages, (std::vector<std::string>{"Za duzo przyk\xB3"
                                                        "ad\xF3w w cwiczeniu!!!"}));

  const ComprehensionOpening missing = drill.Open(2, many.catalogue, many.items);
  EXPECT_EQ(missing.What, ComprehensionOpening::Outcome::NoExercise);
  EXPECT_EQ(missing.Messages,
            (std::vector<std::string>{"Brak \xE6wiczenia nr 2 w pliku kurs_cwicz.kdx."}));
}

TEST(ComprehensionDrillTest, IdentifiersAreCutAtEachEquals) {
  struct Row {
    const char* name;
    const char* line;
    std::vector<std::string> identifiers;
  };
  const Row rows[] = {
      {"each followed by =", "a=b=", {"a", "b"}},
      {"blanks trimmed, last without =", " a = b=c ", {"a", "b", "c"}},
      {"empty pieces left out", "a==b=\r", {"a", "b"}},
      {"blank line", "  \t", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ComprehensionDrill::SplitIdentifiers(row.line), row.identifiers);
  }
}

TEST(ComprehensionDrillTest, ShuffleFollowsTheRightPicture) {
  struct Row {
    int first;   // position 1..3
    int second;  // 1 or 2: which of the two other positions
    std::array<const char*, 3> pictures;
    int correct;
  };
  const Row rows[] = {
      {1, 1, {"a_i1", "right_i1", "b_i1"}, 2},
      {1, 2, {"b_i1", "a_i1", "right_i1"}, 3},
      {2, 2, {"right_i1", "b_i1", "a_i1"}, 1},
      {3, 1, {"b_i1", "a_i1", "right_i1"}, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.first) + "/" + std::to_string(row.second));
    Exercise exercise(1);
    ScriptedRandom random({row.first, row.second});
    ComprehensionDrill drill(random);
    ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
    const ComprehensionQuestion& question = drill.Current();
    for (size_t k = 0; k < 3; ++k) EXPECT_EQ(question.Pictures[k], row.pictures[k]);
    EXPECT_EQ(question.CorrectPicture, row.correct);
    EXPECT_EQ(question.Pictures[static_cast<size_t>(question.CorrectPicture - 1)], "right_i1");
    EXPECT_EQ(random.asked, (std::vector<std::pair<int, int>>{{1, 3}, {1, 2}}));
  }
}

TEST(ComprehensionDrillTest, PathsOfPicturesSoundAndBackground) {
  Exercise exercise(1);
  ScriptedRandom random({2, 2, 0});
  ComprehensionDrill drill(random);
  ASSERT_TRUE(drill.Open(1, exercise.catalogue, exercise.items).Opened());
  // After the shuffle: right_i1, b_i1, a_i1; only the right picture's file exists.
  const auto exists = [](const std::string& path) {
    return path == "M\\Rozumienia_gfx_r\\right_i1.bmp";
  };
  EXPECT_EQ(drill.PicturePath(1, "M\\", exists), "M\\Rozumienia_gfx_r\\right_i1.bmp");
  EXPECT_EQ(drill.PicturePath(2, "M\\", exists), "M\\Rozumienia_gfx_r\\tmp_2.bmp");
  EXPECT_EQ(drill.PicturePath(3, "M\\", exists), "M\\Rozumienia_gfx_r\\tmp_3.bmp");
  EXPECT_EQ(drill.SoundPath("P\\"), "P\\rozumienia_wav_r\\snd_i1.wav");
  EXPECT_EQ(drill.DrawBackground("P\\"), "P\\Gfx_r\\rozum_tlo1.bmp");
  EXPECT_EQ(random.asked.back(), (std::pair<int, int>{0, 9}));

  const int expected[10] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 3};
  for (int draw = 0; draw <= 9; ++draw) {
    EXPECT_EQ(ComprehensionDrill::BackgroundNumber(draw), expected[draw]) << draw;
  }
}

}  // namespace
}  // namespace tess
