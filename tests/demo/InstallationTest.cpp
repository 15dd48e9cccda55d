// The assembled demo installation holds every picture the course loads at start and in the
// message window, and interface texts that the course can look up by line.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QString>

#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/ExerciseList.h"
#include "core/SkinTable.h"

namespace {

constexpr int kLanguages = 4;

class DemoInstallation : public ::testing::Test {
 protected:
  void SetUp() override {
    // The test command always assembles the installation first, so a missing one is a fault.
    root_ = QDir(QString::fromLocal8Bit(TESS_INSTALL_DIR));
    ASSERT_TRUE(root_.exists()) << "no demo installation at " << TESS_INSTALL_DIR;
  }

  QString PathOf(const QString& relative) const { return root_.filePath(relative); }

  static QString LangDir(int language) { return QStringLiteral("Lang_r/%1/").arg(language); }

  QDir root_;
};

TEST_F(DemoInstallation, SkinStripsHaveTwoFramesAndATransparentCorner) {
  QStringList strips;
  // Every strip of the course's skin list; the ones with words also in every language folder.
  for (const tess::SkinFile& skin : tess::kCourseSkins) {
    const QString name = QString::fromLatin1(skin.Name).replace('\\', '/');
    strips << name;
    if (!skin.InLanguageFolder) continue;
    for (int language = 0; language < kLanguages; ++language) strips << LangDir(language) + name;
  }
  for (const QString& strip : strips) {
    SCOPED_TRACE(strip.toStdString());
    const QImage image(PathOf(strip));
    ASSERT_FALSE(image.isNull()) << "missing or unreadable";
    EXPECT_EQ(image.width() % 2, 0) << "width " << image.width();
    EXPECT_EQ(image.pixel(0, image.height() - 1), qRgb(0xFF, 0x00, 0xFF));
  }
}

TEST_F(DemoInstallation, WindowPicturesHaveTheirWindowsSizes) {
  struct Picture {
    const char* name;
    QSize size;
  };
  const Picture pictures[] = {{"gfx_r/Main_rozum.bmp", {800, 600}},
                              {"gfx_r/info.bmp", {440, 120}},
                              {"gfx_r/logowanie.bmp", {300, 200}},
                              {"gfx_r/logow_new.bmp", {320, 150}},
                              {"gfx_r/koniec.bmp", {300, 100}},
                              {"gfx_r/ustawienia_rozum.bmp", {388, 235}},
                              {"gfx_r/help.bmp", {455, 266}},
                              {"gfx_r/tlumaczenia.bmp", {455, 266}},
                              {"gfx_r/menu_video.bmp", {800, 600}},
                              {"gfx_r/menu_records.bmp", {800, 600}},
                              {"gfx_r/menu_sentences.bmp", {800, 600}},
                              {"gfx_r/menu_konwersacje.bmp", {800, 600}},
                              {"gfx_r/wybor_cw_rozum_a.bmp", {800, 600}},
                              {"gfx_r/twoja_odp_2.bmp", {540, 160}},
                              {"gfx_r/statystyka.bmp", {300, 220}}};
  const char* captions[] = {"m_subjects", "m_video",         "m_sentences",
                            "m_records",  "m_conversations", "m_results"};
  for (int language = 0; language < kLanguages; ++language) {
    for (const Picture& picture : pictures) {
      const QString path = LangDir(language) + QString::fromLatin1(picture.name);
      SCOPED_TRACE(path.toStdString());
      EXPECT_EQ(QImage(PathOf(path)).size(), picture.size);
    }
    for (const char* caption : captions) {
      const QString path = LangDir(language) + QStringLiteral("gfx_r/%1.bmp").arg(caption);
      SCOPED_TRACE(path.toStdString());
      const QImage image(PathOf(path));
      EXPECT_FALSE(image.isNull());
      // Shown at 601,560 inside the 800 x 600 window.
      EXPECT_LE(601 + image.width(), 800);
      EXPECT_LE(560 + image.height(), 600);
    }
  }
  for (const char* flag : {"but_r/flaga_1.jpg", "but_r/flaga_tlum.jpg"}) {
    SCOPED_TRACE(flag);
    EXPECT_FALSE(QImage(PathOf(QString::fromLatin1(flag))).isNull());
  }
}

// Every exercise of the course list finds its background (a bitmap for the sorting kind) at
// the size left of the right-hand panel; the panel, the tab icons and the multiple-choice
// stamps fit the places the exercise windows give them.
TEST_F(DemoInstallation, ExercisePicturesFitTheExerciseWindows) {
  struct Picture {
    QString name;
    QSize size;
    std::optional<QRgb> corner;  // the bottom-left pixel, which the window leaves out
  };
  const QRgb magenta = qRgb(0xFF, 0x00, 0xFF);
  const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
  std::vector<Picture> pictures = {
      {QStringLiteral("gfx_r/panel_prawy_teksty_a.bmp"), {100, 600}, std::nullopt},
      {QStringLiteral("gfx_r/ikony/mc_normal.bmp"), {20, 21}, white},
      {QStringLiteral("gfx_r/ikony/mc_checked.bmp"), {20, 21}, white},
      {QStringLiteral("gfx_r/ikony/mc_bad.bmp"), {20, 21}, white},
      {QStringLiteral("gfx_r/ikony/mc_wykrzyknik.bmp"), {8, 16}, white}};
  for (int tab = 1; tab <= 8; ++tab) {
    for (const char* shown : {"", "a"}) {
      pictures.push_back(
          {QStringLiteral("but_r/zakl/_%1%2.bmp").arg(tab).arg(shown), {56, 50}, magenta});
    }
  }
  for (const Picture& picture : pictures) {
    SCOPED_TRACE(picture.name.toStdString());
    const QImage image(PathOf(picture.name));
    if (image.isNull()) {
      ADD_FAILURE() << "missing or unreadable";
      continue;
    }
    EXPECT_EQ(image.size(), picture.size);
    if (picture.corner) {
      EXPECT_EQ(image.pixel(0, image.height() - 1), *picture.corner);
    }
  }

  tess::ExerciseList exercises;
  ASSERT_TRUE(tess::LoadExerciseList(PathOf(QStringLiteral("St_a.txt")).toStdString(), exercises));
  ASSERT_GT(exercises.Count(), 0);
  for (const tess::ExerciseEntry& entry : exercises.Entries()) {
    const QString background = QStringLiteral("Hdd/teksty/%1.%2")
                                   .arg(QString::fromStdString(entry.HeaderField(3)))
                                   .arg(entry.KindCode() == "DD" ? "bmp" : "jpg");
    SCOPED_TRACE(background.toStdString());
    EXPECT_EQ(QImage(PathOf(background)).size(), QSize(700, 600));
  }
}

// The sentences, comprehension and conversation windows find their backgrounds at the window's
// size and their buttons, marks and boxes keyed by a magenta bottom-left pixel.
TEST_F(DemoInstallation, DrillPicturesFitTheirWindows) {
  struct Picture {
    QString name;
    QSize size;
    bool keyed;
  };
  std::vector<Picture> pictures = {
      {QStringLiteral("gfx_r/pod_pasek.bmp"), {100, 600}, false},
      {QStringLiteral("gfx_r/zdania/k_nag_a.bmp"), {51, 62}, true},
      {QStringLiteral("gfx_r/zdania/k_nag_b.bmp"), {51, 62}, true},
      {QStringLiteral("gfx_r/zdania/k_nag_c.bmp"), {51, 62}, true},
      {QStringLiteral("gfx_r/rozumienie/znak_dobrze.bmp"), {40, 40}, true},
      {QStringLiteral("gfx_r/rozumienie/znak_zle.bmp"), {40, 40}, true},
      {QStringLiteral("gfx_r/dialogi/img_0.bmp"), {30, 18}, true},
      {QStringLiteral("gfx_r/dialogi/img_1.bmp"), {30, 18}, true},
      {QStringLiteral("gfx_r/dialogi/img_pyt.bmp"), {18, 18}, true},
      {QStringLiteral("gfx_r/dialogi/img_small.bmp"), {652, 62}, true},
      {QStringLiteral("gfx_r/dialogi/img_medium.bmp"), {652, 97}, true},
      {QStringLiteral("gfx_r/dialogi/img_big.bmp"), {652, 212}, true}};
  // The sentences window draws one of five backgrounds, the comprehension window one of three.
  for (int n = 1; n <= 5; ++n) {
    pictures.push_back({QStringLiteral("Hdd/Zdania/Zdania%1.jpg").arg(n), {700, 600}, false});
  }
  for (int k = 1; k <= 3; ++k) {
    pictures.push_back({QStringLiteral("gfx_r/rozum_tlo%1.bmp").arg(k), {800, 600}, false});
  }
  for (const Picture& picture : pictures) {
    SCOPED_TRACE(picture.name.toStdString());
    const QImage image(PathOf(picture.name));
    if (image.isNull()) {
      ADD_FAILURE() << "missing or unreadable";
      continue;
    }
    EXPECT_EQ(image.size(), picture.size);
    if (picture.keyed) {
      EXPECT_EQ(image.pixel(0, image.height() - 1), qRgb(0xFF, 0x00, 0xFF));
    }
  }
}

// Every picture an item of the comprehension exercises names is drawn, so the placeholders
// (also there) never stand in for one.
TEST_F(DemoInstallation, ComprehensionItemsFindTheirPictures) {
  tess::ComprehensionItems items;
  ASSERT_TRUE(tess::LoadComprehensionItems(
      PathOf(QString::fromLatin1(tess::kComprehensionItemsFile)).toStdString(), items));
  ASSERT_GT(items.Count(), 0);
  QStringList names = {QStringLiteral("tmp_1"), QStringLiteral("tmp_2"), QStringLiteral("tmp_3")};
  for (int n = 1; n <= items.Count(); ++n) {
    const tess::ComprehensionItem& item = *items.At(n);
    for (const std::string* picture :
         {&item.RightPicture, &item.OtherPicture1, &item.OtherPicture2}) {
      names << QString::fromStdString(*picture);
    }
  }
  names.removeDuplicates();
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(QImage(PathOf(QStringLiteral("Hdd/Rozumienia_gfx_r/%1.bmp").arg(name))).size(),
              QSize(160, 200));
  }
}

// The choosers draw their icons into rows 18 pixels apart, leaving out the colour of the
// bottom-left pixel, which is the white of the lists; the animation pictures cover one or
// four tiles of the main window.
TEST_F(DemoInstallation, ChooserIconsFitTheRowsAndAnimationPicturesTheTiles) {
  const char* icons[] = {"poz_1",        "poz_2",
                         "poz_3",        "poz_4",
                         "rob_yes",      "rob_no",
                         "zda_tek",      "zda_ust",
                         "zda_roz",      "zda_dyk",
                         "img_rpg",      "img_dia",
                         "img_progress", "img_progress_back",
                         "img_checked",  "img_normal"};
  for (const char* icon : icons) {
    SCOPED_TRACE(icon);
    const QImage image(PathOf(QStringLiteral("gfx_r/ikony/%1.bmp").arg(icon)));
    ASSERT_FALSE(image.isNull()) << "missing or unreadable";
    EXPECT_LE(image.height(), 16);
    EXPECT_EQ(image.pixel(0, image.height() - 1), qRgb(0xFF, 0xFF, 0xFF));
  }
  for (int n = 1; n <= 20; ++n) {
    EXPECT_EQ(QImage(PathOf(QStringLiteral("gfx_r/anim/maly_%1.bmp").arg(n))).size(),
              QSize(100, 100))
        << n;
  }
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(QImage(PathOf(QStringLiteral("gfx_r/anim/duzy_%1.bmp").arg(n))).size(),
              QSize(200, 200))
        << n;
  }
}

// Every picture the painter draws has its "@2x" file for dense screens beside it, in the same
// format at exactly twice the size. The menu icons keep to the icon theme's sizes instead.
TEST_F(DemoInstallation, EveryPictureHasItsDenseFile) {
  struct Family {
    const char* folder;
    QStringList patterns;
  };
  const Family families[] = {{"gfx_r", {"*.bmp"}},
                             {"but_r", {"*.bmp", "*.jpg"}},
                             {"but_slow_r", {"*.bmp"}},
                             {"Lang_r", {"*.bmp"}},
                             {"Hdd", {"*.bmp", "*.jpg"}},
                             {"Htm_r/img", {"*.png", "*.jpg"}}};
  for (const Family& family : families) {
    SCOPED_TRACE(family.folder);
    int pictures = 0;
    QDirIterator files(PathOf(QString::fromLatin1(family.folder)), family.patterns, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QFileInfo single(files.next());
      if (single.completeBaseName().endsWith(QLatin1String("@2x"))) continue;
      ++pictures;
      const QString dense = single.path() + QLatin1Char('/') + single.completeBaseName() +
                            QStringLiteral("@2x.") + single.suffix();
      SCOPED_TRACE(root_.relativeFilePath(dense).toStdString());
      QImageReader singleReader(single.filePath());
      QImageReader denseReader(dense);
      const QSize size = singleReader.size();
      ASSERT_TRUE(size.isValid());
      EXPECT_EQ(denseReader.size(), size * 2) << "missing, unreadable or of the wrong size";
      EXPECT_EQ(denseReader.format(), singleReader.format());
      EXPECT_EQ(denseReader.imageFormat(), singleReader.imageFormat()) << "same depth";
    }
    EXPECT_GT(pictures, 0);
  }
}

// Texts are found by line position, so line n must be text n; every line ends with CR LF.
TEST_F(DemoInstallation, InterfaceTextsAreNumberedByLine) {
  for (int language = 0; language < kLanguages; ++language) {
    const QString path = LangDir(language) + QStringLiteral("infa_r.txt");
    SCOPED_TRACE(path.toStdString());
    QFile file(PathOf(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.chopped(2).split('\n');
    EXPECT_GE(lines.size(), 115);
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const QByteArray number = QByteArray::number(i + 1) + '=';
      EXPECT_TRUE(lines[i].startsWith(number)) << "line " << i + 1;
      EXPECT_TRUE(i + 1 == lines.size() || lines[i].endsWith('\r')) << "line " << i + 1;
    }
  }
}

}  // namespace
