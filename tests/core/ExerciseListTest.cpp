#include "core/ExerciseList.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(ExerciseListTest, EntriesAreThreeTrimmedLinesBetweenComments) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  WriteBytes(folder / "St_a.txt",
             "/ Lekcja 1\r\n"
             "\r\n"
             "  1#7#tlo1#Anweisung#Polecenie#Instruction#x#30#40#50#  \r\n"
             "\tMC#Pytanie#\r\n"
             "10=10=16=106=========\r\n"
             "   \r\n"
             "/ Lekcja 2\r\n"
             "2#8#tlo2#\r\n"
             "/TF#not a comment inside an entry\r\n"
             "=========\r\n"
             "3#9#\r\n"
             "HH#last entry lacks its layout line\r\n");
  ExerciseList list;
  ASSERT_TRUE(LoadExerciseList(folder / "St_a.txt", list));
  ASSERT_EQ(list.Count(), 3);

  const ExerciseEntry& first = *list.At(1);
  EXPECT_EQ(first.HeaderLine, "1#7#tlo1#Anweisung#Polecenie#Instruction#x#30#40#50#");
  EXPECT_EQ(first.KindLine, "MC#Pytanie#");
  EXPECT_EQ(first.LayoutLine, "10=10=16=106=========");
  EXPECT_EQ(first.KindCode(), "MC");

  EXPECT_EQ(list.At(2)->KindLine, "/TF#not a comment inside an entry");
  EXPECT_EQ(list.At(2)->LayoutLine, "=========");
  EXPECT_EQ(list.At(3)->KindCode(), "HH");
  EXPECT_EQ(list.At(3)->LayoutLine, "");
  EXPECT_EQ(list.At(4), nullptr);
}

TEST(ExerciseListTest, HeaderFields) {
  const ExerciseEntry full{"1#7#tlo1#Anweisung#Polecenie#Instruction#x#30#40#50#", "", ""};
  const ExerciseEntry shortHeader{"1#12#tlo", "MC", ""};
  struct Row {
    const ExerciseEntry* entry;
    int field;
    const char* value;
  };
  const Row rows[] = {
      {&full, 1, "1"},           {&full, 2, "7"},       {&full, 3, "tlo1"}, {&full, 4, "Anweisung"},
      {&full, 6, "Instruction"}, {&full, 10, "50"},     {&full, 11, ""},    {&full, 0, ""},
      {&shortHeader, 2, "12"},   {&shortHeader, 3, ""},  // its "#" is missing
      {&shortHeader, 4, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.entry->HeaderLine) + " field " + std::to_string(row.field));
    EXPECT_EQ(row.entry->HeaderField(row.field), row.value);
  }
  EXPECT_EQ(shortHeader.KindCode(), "");  // no "#": no kind code
}

TEST(ExerciseListTest, AtMostThreeHundredEntriesAndMissingFile) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::string bytes;
  for (int i = 1; i <= 301; ++i) bytes += "1#" + std::to_string(i) + "#\r\nMC#\r\n=\r\n";
  WriteBytes(folder / "St_a.txt", bytes);
  ExerciseList list;
  ASSERT_TRUE(LoadExerciseList(folder / "St_a.txt", list));
  EXPECT_EQ(list.Count(), 300);
  EXPECT_EQ(list.At(300)->HeaderField(2), "300");

  EXPECT_FALSE(LoadExerciseList(folder / "St_n.txt", list));
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace tess
