#include "core/Catalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

TEST(CatalogueTest, GroupLinesAndNamesByInterfaceLanguage) {
  CourseFolder folder;
  folder.Write("gra.txt", Lines({
                              "x=y=Basics=Grundlagen=Podstawy=Podst=",
                              "x=y=Travel=Reisen=Podr\xF3\xBF"
                              "e=",  // five "=": no short name
                              "",    // still a group
                              "1=2=En",
                          }));
  GroupList groups;
  ASSERT_TRUE(LoadGroupList(folder / "gra.txt", groups));
  ASSERT_EQ(groups.Count(), 4);

  EXPECT_EQ(groups.ShortName(1), "Podst");
  EXPECT_EQ(groups.LongName(1, 0), "Podstawy");
  EXPECT_EQ(groups.LongName(1, 1), "Basics");
  EXPECT_EQ(groups.LongName(1, 2), "Grundlagen");
  EXPECT_EQ(groups.LongName(1, 3), "Podstawy") << "the Russian interface shows the Polish names";
  EXPECT_EQ(groups.LongName(1, 4), "");

  EXPECT_EQ(groups.ShortName(2), "");
  EXPECT_EQ(groups.LongName(2, 0),
            "Podr\xF3\xBF"
            "e");
  EXPECT_EQ(groups.LongName(2, 2), "Reisen");

  EXPECT_EQ(groups.LongName(3, 0), "");
  EXPECT_EQ(groups.LongName(4, 1), "");  // its third field lacks the "="
  EXPECT_EQ(groups.ShortName(5), "");    // no such group
  EXPECT_EQ(groups.At(0), nullptr);
}

TEST(CatalogueTest, TextCatalogueSkipsCommentsAndBadNumbers) {
  CourseFolder folder;
  folder.Write("rozumienie_a.txt", Lines({
                                       "/ numer=poziom=grupa=",
                                       "7=2=1=Text DE=Text EN=Tekst PL=",
                                       "8=zwei=1=A=B=C=",  // level not a number
                                       " 9 =1=3=Hund=Dog=Pies=",
                                   }));
  TextCatalogue texts;
  ASSERT_TRUE(LoadTextCatalogue(folder / "rozumienie_a.txt", texts));
  ASSERT_EQ(texts.Count(), 2);
  const TextEntry& first = *texts.At(1);
  EXPECT_EQ(first.Number, 7);
  EXPECT_EQ(first.Level, 2);
  EXPECT_EQ(first.GroupNumber, 1);
  EXPECT_EQ(first.NameDe, "Text DE");
  EXPECT_EQ(first.NameEn, "Text EN");
  EXPECT_EQ(first.NamePl, "Tekst PL");
  EXPECT_EQ(texts.At(2)->Number, 9);
  EXPECT_EQ(texts.At(2)->NamePl, "Pies");
}

TEST(CatalogueTest, ListsStopAtTheirLimits) {
  CourseFolder folder;
  std::string groups;
  for (int i = 1; i <= 31; ++i) groups += "a=b=c=d=e=G" + std::to_string(i) + "=\r\n";
  std::string texts;
  for (int i = 1; i <= 201; ++i) texts += std::to_string(i) + "=1=1=d=e=p=\r\n";
  folder.Write("gra.txt", groups);
  folder.Write("rozumienie_a.txt", texts);

  GroupList groupList;
  TextCatalogue textList;
  ASSERT_TRUE(LoadGroupList(folder / "gra.txt", groupList));
  ASSERT_TRUE(LoadTextCatalogue(folder / "rozumienie_a.txt", textList));
  EXPECT_EQ(groupList.Count(), 30);
  EXPECT_EQ(groupList.ShortName(30), "G30");
  EXPECT_EQ(textList.Count(), 200);
  EXPECT_EQ(textList.At(200)->Number, 200);
}

TEST(CatalogueTest, MissingCataloguesStayEmpty) {
  CourseFolder folder;
  GroupList groups;
  TextCatalogue texts;
  SentenceList sentences;
  ComprehensionCatalogue comprehension;
  ComprehensionItems items;
  EXPECT_FALSE(LoadGroupList(folder / "gra.txt", groups));
  EXPECT_FALSE(LoadTextCatalogue(folder / "rozumienie_a.txt", texts));
  EXPECT_FALSE(LoadSentenceList(folder / "zda_rozum.txt", sentences));
  EXPECT_FALSE(LoadComprehensionCatalogue(folder / "kurs_cwicz.kdx", comprehension));
  EXPECT_FALSE(LoadComprehensionItems(folder / "rozum_pig.txt", items));
  EXPECT_EQ(groups.Count() + texts.Count() + sentences.Count() + comprehension.Count() +
                items.Count() + sentences.Packages().Count(),
            0);
}

// The head: level, two-character package code, two-digit group, eleven unread characters.
constexpr const char* kHead = "105020123456789";

TEST(CatalogueTest, SentenceLines) {
  struct Row {
    const char* name;
    std::string line;
    int variants;
    std::string first;
    std::string sound;
    std::string translation;
  };
  const std::string head = std::string(kHead) + "x";  // 16 characters
  const Row rows[] = {
      {"one variant", head + "I am here.====s1.wav=a=b=Jestem tu.=", 1, "I am here.", "s1.wav",
       "Jestem tu."},
      {"only the third variant", head + " Hi. ==Hello.==s2.wav===Cze\x9C\xE6.=", 3, " Hi. ",
       "s2.wav", "Cze\x9C\xE6."},
      {"blank variants do not count", head + "A=  =B=  = s3.wav ===T=", 3, "A", "s3.wav", "T"},
      {"fourth variant", head + "A===D=s4=", 4, "A", "s4", "Brak tlumaczenia!!!"},
      {"no translation field", head + "Go.=Go!=", 2, "Go.", "", "Brak tlumaczenia!!!"},
      {"empty translation", head + "Go.=====x=y==", 1, "Go.", "", "Brak tlumaczenia!!!"},
      {"an equals sign in the unread head is no separator", "10502=====abcdefA=====x=y=T=", 1, "A",
       "", "T"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Sentence s;
    ASSERT_TRUE(ParseSentenceLine(row.line, s));
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.PackageCode, "05");
    EXPECT_EQ(s.GroupNumber, 2);
    EXPECT_EQ(s.VariantCount, row.variants);
    EXPECT_EQ(s.Variants[0], row.first);
    EXPECT_EQ(s.SoundName, row.sound);
    EXPECT_EQ(s.Translation, row.translation);
  }
}

TEST(CatalogueTest, SentenceHeadWithNonNumbersIsSkipped) {
  Sentence s;
  EXPECT_FALSE(ParseSentenceLine("x0502123456789xA=====x=y=T=", s));  // level
  EXPECT_FALSE(ParseSentenceLine("105ab123456789xA=====x=y=T=", s));  // group
  EXPECT_FALSE(ParseSentenceLine("", s));
  EXPECT_TRUE(ParseSentenceLine("1AB07", s));  // a bare head is still a sentence
  EXPECT_EQ(s.PackageCode, "AB");
  EXPECT_EQ(s.GroupNumber, 7);
  EXPECT_EQ(s.Translation, "Brak tlumaczenia!!!");
}

TEST(CatalogueTest, SentencePackages) {
  auto line = [](const char* head, const char* text) {
    return std::string(head) + "abcdefghijk" + text + "=====x=y=t=";
  };
  CourseFolder folder;
  folder.Write("zda_rozum.txt", Lines({
                                    line("10501", "s1"),
                                    line("20501", "s2"),   // other level
                                    line("10502", "s3"),   // same code and level, other group
                                    line("x0501", "bad"),  // skipped, numbering goes on
                                    line("10601", "s4"),   // other code
                                    line("10501", "s5"),   // far from s1: joins package 1
                                    line("20501", "s6"),
                                }));
  SentenceList list;
  ASSERT_TRUE(LoadSentenceList(folder / "zda_rozum.txt", list));
  ASSERT_EQ(list.Count(), 6);
  EXPECT_EQ(list.At(5)->Variants[0], "s5");

  struct Expected {
    int level;
    const char* code;
    int group;
    std::vector<int> sentences;
  };
  const Expected expected[] = {
      {1, "05", 1, {1, 5}}, {2, "05", 1, {2, 6}}, {1, "05", 2, {3}}, {1, "06", 1, {4}}};
  const SentencePackages& packages = list.Packages();
  ASSERT_EQ(packages.Count(), 4);
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE(n);
    const SentencePackage& p = *packages.At(n);
    const Expected& e = expected[n - 1];
    EXPECT_EQ(p.Level, e.level);
    EXPECT_EQ(p.Code, e.code);
    EXPECT_EQ(p.GroupNumber, e.group);
    EXPECT_EQ(p.Sentences, e.sentences);
  }

  // Loading again starts from nothing.
  folder.Write("zda_rozum.txt", line("30101", "only") + "\r\n");
  ASSERT_TRUE(LoadSentenceList(folder / "zda_rozum.txt", list));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Packages().Count(), 1);
}

TEST(CatalogueTest, SentenceAndPackageLimits) {
  // 2551 sentences, each of its own package: 2550 sentences are kept, 450 packages built.
  std::string bytes;
  for (int i = 0; i < 2551; ++i) {
    const int level = i % 10;
    const int group = (i / 10) % 100;
    const int code = i / 1000;
    char head[8];
    std::snprintf(head, sizeof head, "%d%02d%02d", level, code, group);
    bytes += std::string(head) + "abcdefghijkS=====x=y=t=\r\n";
  }
  CourseFolder folder;
  folder.Write("zda_rozum.txt", bytes);
  SentenceList list;
  ASSERT_TRUE(LoadSentenceList(folder / "zda_rozum.txt", list));
  EXPECT_EQ(list.Count(), 2550);
  EXPECT_EQ(list.Packages().Count(), 450);
  EXPECT_EQ(list.Packages().At(450)->Sentences, std::vector<int>{450});

  // 502 sentences of one package: the package keeps 501.
  std::string same;
  for (int i = 0; i < 502; ++i) same += "10101abcdefghijkS=====x=y=t=\r\n";
  folder.Write("zda_rozum.txt", same);
  ASSERT_TRUE(LoadSentenceList(folder / "zda_rozum.txt", list));
  EXPECT_EQ(list.Count(), 502);
  ASSERT_EQ(list.Packages().Count(), 1);
  EXPECT_EQ(list.Packages().At(1)->Sentences.size(), 501u);
}

TEST(CatalogueTest, ComprehensionCatalogueEntries) {
  CourseFolder folder;
  folder.Write("kurs_cwicz.kdx", Lines({
                                     "* Katalog",
                                     "",
                                     "  KDX_AB0102  ",
                                     " druga ",
                                     " Sklep=Laden=Shop= ",
                                     "i1=i2=",
                                     "----",
                                     "*",
                                     "**********",
                                     "KDX_BB0305",
                                     "*druga",  // inside an entry: taken as its line
                                     "P=D=E=",
                                     "i3=",
                                     "*",
                                     "KDX_CCxx05",  // level is not a number: entry skipped
                                     "x",
                                     "P=D=E=",
                                     "i4=",
                                     "*",
                                     "KDX_DD0410",
                                     "y",
                                     "Dom=Haus=House=",
                                     "i5=",
                                 }));  // the last entry lacks its separator line
  ComprehensionCatalogue list;
  ASSERT_TRUE(LoadComprehensionCatalogue(folder / "kurs_cwicz.kdx", list));
  ASSERT_EQ(list.Count(), 3);

  const ComprehensionExercise& a = *list.At(1);
  EXPECT_EQ(a.Identifier, "KDX_AB0102");
  EXPECT_EQ(a.Line2, "druga");
  EXPECT_EQ(a.NamesLine, "Sklep=Laden=Shop=");
  EXPECT_EQ(a.ItemsLine, "i1=i2=");
  EXPECT_EQ(a.Level, 1);
  EXPECT_EQ(a.GroupNumber, 2);
  EXPECT_EQ(a.Name(0), "Sklep");
  EXPECT_EQ(a.Name(1), "Shop");
  EXPECT_EQ(a.Name(2), "Laden");

  EXPECT_EQ(list.At(2)->Identifier, "KDX_BB0305");
  EXPECT_EQ(list.At(2)->Line2, "*druga");
  EXPECT_EQ(list.At(2)->Level, 3);
  EXPECT_EQ(list.At(2)->GroupNumber, 5);
  EXPECT_EQ(list.At(3)->Identifier, "KDX_DD0410");
  EXPECT_EQ(list.At(3)->GroupNumber, 10);
  EXPECT_EQ(list.At(3)->ItemsLine, "i5=");
}

TEST(CatalogueTest, ComprehensionItemsAndLookup) {
  CourseFolder folder;
  folder.Write("rozum_pig.txt", Lines({
                                    "// id=dzwiek=polski=obcy=dobry=zly1=zly2=",
                                    " i1 = snd1 = Kot. = A cat. = cat = dog = cow =",
                                    "/i2=snd2=Pies.=A dog.=dog=cat=cow=",  // one "/" is no comment
                                    "i1=other=x=y=z=v=w=",
                                }));
  ComprehensionItems items;
  ASSERT_TRUE(LoadComprehensionItems(folder / "rozum_pig.txt", items));
  ASSERT_EQ(items.Count(), 3);
  const ComprehensionItem* cat = items.Find("i1");
  ASSERT_NE(cat, nullptr);
  EXPECT_EQ(cat->SoundName, "snd1");  // the first of two equal identifiers
  EXPECT_EQ(cat->TextPolish, "Kot.");
  EXPECT_EQ(cat->TextForeign, "A cat.");
  EXPECT_EQ(cat->RightPicture, "cat");
  EXPECT_EQ(cat->OtherPicture1, "dog");
  EXPECT_EQ(cat->OtherPicture2, "cow");
  ASSERT_NE(items.Find("/i2"), nullptr);
  EXPECT_EQ(items.Find("i9"), nullptr);
}

TEST(CatalogueTest, KindNames) {
  CourseFolder folder;
  std::string infa;
  for (int n = 1; n <= 50; ++n)
    infa += std::to_string(n) + "==Tekst " + std::to_string(n) + "=\r\n";
  folder.Write("infa_r.txt", infa);
  InterfaceTexts texts;
  ASSERT_TRUE(texts.Load(folder / "infa_r.txt"));

  struct Row {
    int code;
    int courseLanguage;
    std::string name;
  };
  const Row rows[] = {
      {40, 1, "Tekst 29"},
      {46, 1, "Tekst 35"},
      {50, 1, "Tekst 36"},
      {52, 1, "Tekst 38"},
      {54, 1, "Tekst 39"},
      {70, 1, "Tekst 40"},
      {72, 1, "Tekst 42"},
      {74, 1, "Tekst 44"},
      {13, 1, "Zdania - t\xB3umaczenie (a->p)"},
      {13, 2, "Zdania - t\xB3umaczenie (n->p)"},
      {14, 3, "Zdania - t\xB3umaczenie (p->f)"},
      {1, 1, "Rozpoznawanie ze s\xB3uchu"},
      {9, 1, "\xC6wiczenie wymowy"},
      {15, 1,
       "Zdania - uk\xB3"
       "adanka"},
      {34, 1, "Prawda czy fa\xB3sz"},
      {53, 1, "CW numer53"},
      {99, 1, "CW numer99"},
      {0, 1, "CW numer0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(KindName(row.code, row.courseLanguage, texts), row.name);
  }
}

TEST(CatalogueTest, KindCodes) {
  const std::pair<const char*, int> rows[] = {{"MC", 40}, {"TF", 41}, {"DD", 42}, {"HH", 43},
                                              {"WP", 44}, {"DF", 45}, {"DV", 46}, {"mc", 0},
                                              {"MC ", 0}, {"", 0},    {"XX", 0}};
  for (const auto& [code, kind] : rows) {
    SCOPED_TRACE(code);
    EXPECT_EQ(KindCodeOf(code), kind);
  }
}

}  // namespace
}  // namespace tess
