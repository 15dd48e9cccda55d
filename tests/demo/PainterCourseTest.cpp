// The painter's titles of a course: read from the course's own sources, in the course language
// where they give it, and the English course's titles wherever a file or an entry is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

#include "Course.h"

namespace {

using tess::demo::Course;
using tess::demo::CourseLanguage;

class PainterCourse : public ::testing::Test {
 protected:
  void Write(const QString& name, const char* utf8) {
    QFile file(QDir(folder_.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(utf8);
  }

  Course Read(CourseLanguage language) {
    Course course(language);
    course.ReadTitles(folder_.path());
    return course;
  }

  QTemporaryDir folder_;
};

TEST_F(PainterCourse, NamesTheCourseLanguageInEachInterfaceLanguage) {
  struct Row {
    CourseLanguage language;
    const char* polishCourse;
    const char* russianLanguage;
    const char* dictionary;
  };
  const Row rows[] = {
      {CourseLanguage::English, "Kurs języka angielskiego", "английский",
       "Słownik angielsko-polski"},
      {CourseLanguage::German, "Kurs języka niemieckiego", "немецкий", "Słownik niemiecko-polski"},
      {CourseLanguage::French, "Kurs języka francuskiego", "французский",
       "Słownik francusko-polski"},
  };
  for (const Row& row : rows) {
    const Course course(row.language);
    SCOPED_TRACE(course.Letter().toStdString());
    EXPECT_EQ(course.Name(0), QString::fromUtf8(row.polishCourse));
    EXPECT_EQ(course.LanguageName(3), QString::fromUtf8(row.russianLanguage));
    EXPECT_EQ(course.DictionaryTitle(), QString::fromUtf8(row.dictionary));
  }
  EXPECT_EQ(Course::LanguageOf(QStringLiteral("fr")), CourseLanguage::French);
  EXPECT_THROW(Course::LanguageOf(QStringLiteral("es")), std::runtime_error);
}

TEST_F(PainterCourse, MissingSourcesKeepTheEnglishTitles) {
  const Course course = Read(CourseLanguage::German);
  EXPECT_EQ(course.TextTitle(3), QStringLiteral("A day in London"));
  EXPECT_EQ(course.TextTitlePolish(7), QStringLiteral("Wyścig na lotnisko"));
  EXPECT_EQ(course.ConversationTitle(QStringLiteral("cafe")), QStringLiteral("At the café"));
  EXPECT_EQ(course.ConversationTitlePolish(2), QStringLiteral("Na dworcu"));
  EXPECT_EQ(course.GroupPolish(5), QStringLiteral("Zakupy i usługi"));
  EXPECT_EQ(course.ComprehensionPolish(2), QStringLiteral("Czym podróżują?"));
}

TEST_F(PainterCourse, GermanTitlesComeFromTheCatalogues) {
  Write(QStringLiteral("rozumienie_n.txt"),
        "/ number=level=group=deutsch=english=polski=\r\n"
        "1=1=1=Lenas Familie=Lena's family=Rodzina Leny=\r\n"
        "3=2=2=Ein Tag in London=A day in London=Dzień w Londynie=\r\n"
        "4=2=6==A weekend=Weekend=\r\n");
  Write(QStringLiteral("dialogi.txt"),
        "n_cafe=W kawiarni=At the café=Im Café=5=1=TTTTT=0=\n"
        "d1_01=2=Kellner: Guten Morgen!=Dzień dobry!=\n"
        "*\n"
        "n_station=Na stacji=At the station=Am Bahnhof=2=2=TTTNN=0=\n"
        "d2_01=1=Fahrgast: Hallo.=Cześć.=\n"
        "*\n");
  Write(QStringLiteral("grn.txt"), "1=n=Everyday life=Alltag=Codzienność=Everyday=\n");
  Write(QStringLiteral("kurs_cwicz.kdx"),
        "* two comment lines\n"
        "* before the first exercise\n"
        "rozum_0101_1\nTime\nJaka godzina?=Wie spät ist es?=What time is it?=\nr1_01=\n*****\n"
        "rozum_0102_2\nTravel\nJak jadą?=Womit reisen sie?=How do they travel?=\nr2_01=\n*****\n");
  const Course course = Read(CourseLanguage::German);
  EXPECT_EQ(course.TextTitle(1), QStringLiteral("Lenas Familie"));
  EXPECT_EQ(course.TextTitlePolish(1), QStringLiteral("Rodzina Leny"));
  // An empty field or an entry not in the catalogue keeps the English course's title.
  EXPECT_EQ(course.TextTitle(4), QStringLiteral("A weekend in the mountains"));
  EXPECT_EQ(course.TextTitlePolish(4), QStringLiteral("Weekend"));
  EXPECT_EQ(course.TextTitle(9), QStringLiteral("Why we need sleep"));
  // The background's name loses its first two characters, whatever the course's letter.
  EXPECT_EQ(course.ConversationTitle(QStringLiteral("station")), QStringLiteral("Am Bahnhof"));
  EXPECT_EQ(course.ConversationTitlePolish(2), QStringLiteral("Na stacji"));
  EXPECT_EQ(course.ConversationTitle(QStringLiteral("office")), QStringLiteral("A job interview"));
  EXPECT_EQ(course.GroupPolish(1), QStringLiteral("Codzienność"));
  EXPECT_EQ(course.GroupPolish(2), QStringLiteral("Podróże"));
  EXPECT_EQ(course.ComprehensionPolish(1), QStringLiteral("Jaka godzina?"));
  EXPECT_EQ(course.ComprehensionPolish(2), QStringLiteral("Jak jadą?"));
}

// The French catalogues have no French names; the README's contents give them.
TEST_F(PainterCourse, FrenchTitlesComeFromTheContentsOfTheReadme) {
  Write(QStringLiteral("rozumienie_f.txt"),
        "1=1=1=Camilles Familie=Camille's family=Rodzina Camille=\n"
        "2=1=5=Auf dem Markt=At the market=Na targu=\n");
  Write(QStringLiteral("dialogi.txt"),
        "a_cafe=W kawiarni=At the café=Im Café=5=1=TTTTT=0=\n"
        "d1_01=2=Serveur: Bonjour!=Dzień dobry!=\n"
        "*\n"
        "a_station=Na dworcu=At the station=Am Bahnhof=2=2=TTTNN=0=\n"
        "d2_01=1=Passager: Bonjour.=Dzień dobry.=\n"
        "*\n");
  Write(QStringLiteral("README.md"),
        "# The demo French course\n\n"
        "| 1 Not a contents row | here |\n\n"
        "## Contents at a glance\n\n"
        "| Text | Level | Section | Exercises | Film |\n"
        "|---|---|---|---|---|\n"
        "| 1 La famille de Camille (Camille's family) | 1 | Everyday life | MC | |\n"
        "| 3 Une journée à Londres | 2 | Travel | MC, DV | yes |\n\n"
        "Conversations: 1 Au café (level 1, all five modes), 2 À la gare (level 2,\n"
        "modes 1-3), 3 Un rendez-vous (level 2, modes 1, 2 and 4).\n\n"
        "## Notes\n\n"
        "| 2 Not a contents row either | here |\n");
  const Course course = Read(CourseLanguage::French);
  EXPECT_EQ(course.TextTitle(1), QStringLiteral("La famille de Camille"));
  EXPECT_EQ(course.TextTitle(3), QStringLiteral("Une journée à Londres"));
  // Not in the contents: the catalogue's English name.
  EXPECT_EQ(course.TextTitle(2), QStringLiteral("At the market"));
  EXPECT_EQ(course.TextTitlePolish(1), QStringLiteral("Rodzina Camille"));
  EXPECT_EQ(course.ConversationTitle(QStringLiteral("cafe")), QStringLiteral("Au café"));
  EXPECT_EQ(course.ConversationTitle(QStringLiteral("station")), QStringLiteral("À la gare"));
  // Conversation 3 is not in this dialogi.txt, so its French name has no background.
  EXPECT_EQ(course.ConversationTitle(QStringLiteral("surgery")),
            QStringLiteral("A doctor's appointment"));
}

}  // namespace
