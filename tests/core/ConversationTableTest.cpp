#include "core/ConversationTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(ConversationTableTest, BlocksHeadersAndPhrases) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  WriteBytes(folder / "dialogi.txt",
             " dl_sklep = W sklepie = In the shop = Im Laden = 2 = 3 = TTFFT = 1 =\r\n"
             "d1_01=1=Anna: Good morning.=Dzie\xF1 dobry.=\r\n"
             "d1_02 = 2 = Tom: Hello! = Cze\x9C\xE6! =\r\n"
             "d1_03=3=Kate no colon=Bez dwukropka=\r\n"
             " * \r\n"
             "dl_dom=Dom=Home=Zuhause=1=1=FT=0=\r\n"
             "d2_01=1=A: x=y=\r\n"
             "*\r\n");
  ConversationTable table;
  bool overflowed = true;
  ASSERT_TRUE(LoadConversations(folder / "dialogi.txt", table, &overflowed));
  EXPECT_FALSE(overflowed);
  ASSERT_EQ(table.Count(), 2);

  const Conversation& shop = *table.At(1);
  EXPECT_EQ(shop.BackgroundName, "dl_sklep");
  EXPECT_EQ(shop.TitlePl, "W sklepie");
  EXPECT_EQ(shop.TitleEn, "In the shop");
  EXPECT_EQ(shop.TitleDe, "Im Laden");
  EXPECT_EQ(shop.GroupNumber, 2);
  EXPECT_EQ(shop.LevelNumber, 3);
  EXPECT_EQ(shop.ModeFlags, "TTFFT");
  EXPECT_EQ(shop.TextLayout, 1);
  ASSERT_EQ(shop.PhraseCount, 3);
  EXPECT_EQ(shop.Sounds, (std::vector<std::string>{"d1_01", "d1_02", "d1_03"}));
  EXPECT_EQ(shop.Roles, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(shop.Texts[1], "Tom: Hello!");
  EXPECT_EQ(shop.Translations[0], "Dzie\xF1 dobry.");
  EXPECT_EQ(shop.Translations[1], "Cze\x9C\xE6!");

  const bool offered[] = {true, true, false, false, true};
  for (int mode = 1; mode <= 5; ++mode) EXPECT_EQ(shop.OffersMode(mode), offered[mode - 1]);

  const Conversation& home = *table.At(2);
  EXPECT_EQ(home.TextLayout, 0);
  EXPECT_EQ(home.PhraseCount, 1);
  EXPECT_FALSE(home.OffersMode(1));
  EXPECT_TRUE(home.OffersMode(2));
  EXPECT_FALSE(home.OffersMode(3));  // beyond the flags
  EXPECT_EQ(table.At(3), nullptr);
}

TEST(ConversationTableTest, BadNumbersAreLeftOutAndTheRestIsRead) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  WriteBytes(folder / "dialogi.txt",
             "bg=A=A=A=1=one=TTTTT=1=\r\n"  // level not a number: the whole block goes
             "s=1=X: a=b=\r\n"
             "*\r\n"
             "\r\n"
             "bg=B=B=B=1=2=TTTTT=1=\r\n"
             "s1=1=X: a=b=\r\n"
             "s2=B=X: c=d=\r\n"  // role not a number: this phrase goes
             "s3=2=Y: e=f=\r\n"
             "*\r\n");
  ConversationTable table;
  ASSERT_TRUE(LoadConversations(folder / "dialogi.txt", table));
  ASSERT_EQ(table.Count(), 1);
  const Conversation& b = *table.At(1);
  EXPECT_EQ(b.TitlePl, "B");
  EXPECT_EQ(b.Sounds, (std::vector<std::string>{"s1", "s3"}));
  EXPECT_EQ(b.PhraseCount, 2);
}

TEST(ConversationTableTest, LimitsAndMissingFile) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::string bytes = "bg=Long=L=L=1=1=TTTTT=1=\r\n";
  for (int k = 1; k <= 26; ++k) bytes += "p" + std::to_string(k) + "=1=X: t=u=\r\n";
  bytes += "*\r\n";
  for (int n = 2; n <= 71; ++n)
    bytes += "bg=C" + std::to_string(n) + "=E=D=1=1=T=1=\r\ns=1=t=u=\r\n*\r\n";
  WriteBytes(folder / "dialogi.txt", bytes);

  ConversationTable table;
  bool overflowed = false;
  ASSERT_TRUE(LoadConversations(folder / "dialogi.txt", table, &overflowed));
  EXPECT_TRUE(overflowed);
  ASSERT_EQ(table.Count(), 70);
  EXPECT_EQ(table.At(1)->PhraseCount, 25);
  EXPECT_EQ(table.At(1)->Sounds.back(), "p25");
  EXPECT_EQ(table.At(2)->TitlePl, "C2");  // the 26th phrase did not start a block
  EXPECT_EQ(table.At(70)->TitlePl, "C70");

  EXPECT_FALSE(LoadConversations(folder / "brak.txt", table));
  EXPECT_EQ(table.Count(), 0);
}

}  // namespace
}  // namespace tess
