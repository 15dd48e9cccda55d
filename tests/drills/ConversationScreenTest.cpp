#include <gtest/gtest.h>

#include "drills/ConversationScreen.h"

namespace tess {
namespace {

TEST(ConversationScreenTest, TabsOfTheOfferedModesAreNumberedInOrder) {
  const auto tabs = TabPlaces("TTNNT");
  EXPECT_TRUE(tabs[0].Shown);
  EXPECT_EQ(tabs[0].Top, 66);
  EXPECT_EQ(tabs[1].Top, 91);
  EXPECT_FALSE(tabs[2].Shown);
  EXPECT_FALSE(tabs[3].Shown);
  EXPECT_EQ(tabs[4].Position, 3);
  EXPECT_EQ(tabs[4].Top, 116);
  EXPECT_EQ(TabPicture(3, false), "but_r\\zakl\\dial_3.bmp");
  EXPECT_EQ(TabPicture(1, true), "but_r\\zakl\\dial_1a.bmp");
  EXPECT_FALSE(TabPlaces("TT")[2].Shown);
}

TEST(ConversationScreenTest, TranslationBoxGrowsWithTheTranslation) {
  struct Row {
    size_t length;
    TranslationBackground background;
    int boxTop;
    int labelHeight;
  };
  for (const Row& row : {Row{0, TranslationBackground::Small, 536, 58},
                         Row{300, TranslationBackground::Small, 536, 58},
                         Row{301, TranslationBackground::Medium, 502, 89},
                         Row{550, TranslationBackground::Medium, 502, 89},
                         Row{551, TranslationBackground::Big, 387, 204}}) {
    SCOPED_TRACE(row.length);
    const TranslationBoxPlace box = TranslationBoxFor(row.length);
    EXPECT_EQ(box.Background, row.background);
    EXPECT_EQ(box.BoxTop, row.boxTop);
    EXPECT_EQ(box.LabelHeight, row.labelHeight);
  }
}

TEST(ConversationScreenTest, TextAreaAndBackgroundOfAConversation) {
  EXPECT_EQ(TextAreaFor(1).Left, 16);
  EXPECT_EQ(TextAreaFor(1).Width, 656);
  EXPECT_EQ(TextAreaFor(0).Left, 110);
  EXPECT_EQ(TextAreaFor(0).Width, 544);
  EXPECT_EQ(TextAreaFor(7).Width, 544);
  EXPECT_EQ(BackgroundPicture("Hdd\\", "d_kawiarnia"), "Hdd\\dialogi_tlo\\dial_tlo_kawiarnia.bmp");
  EXPECT_EQ(BackgroundPicture("Hdd\\", "d"), "Hdd\\dialogi_tlo\\dial_tlo_.bmp");
  EXPECT_EQ(FallbackBackground("Hdd\\"), "Hdd\\dialogi_tlo\\tmp.bmp");
}

}  // namespace
}  // namespace tess
