// Each of the three demo installations is a complete course: read as the program reads it at
// start, every recording, picture and gap text its catalogues name is there and readable.
#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/Installation.h"
#include "drills/ConversationScreen.h"
#include "platform/WavFile.h"
#include "results/CourseMaterial.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

struct DemoCourse {
  const char* Name;
  const char* Folder;
  int Language;
};

const DemoCourse kCourses[] = {{"English", TESS_INSTALL_DIR, 1},
                               {"German", TESS_INSTALL_DIR "-de", 2},
                               {"French", TESS_INSTALL_DIR "-fr", 3}};

/// A path as the program builds it ("\" separators) inside the installation.
std::string OnDisk(const std::string& path) {
  std::string out = path;
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

class DemoCourseTest : public ::testing::TestWithParam<DemoCourse> {
 protected:
  void SetUp() override {
    // The test command always assembles the installations first, so a missing one is a fault.
    const std::string folder = std::string(GetParam().Folder) + "/";
    ASSERT_TRUE(fs::is_directory(folder)) << "no demo installation at " << folder;
    ASSERT_EQ(ReadInstallation(folder, install_), InstallationError::None);
    install_.MediaDir = install_.ProgramDir + "Hdd\\";
    install_.RecordingsDir = install_.MediaDir + "bsgram\\";
    std::vector<std::string> messages;
    ASSERT_TRUE(LoadCourseMaterial(install_, material_, messages));
    for (const std::string& message : messages) ADD_FAILURE() << "at start: " << message;
  }

  void ExpectRecording(const std::string& path) {
    SCOPED_TRACE(path);
    WavFormat format;
    std::string error;
    ASSERT_TRUE(ReadWavFormat(OnDisk(path), format, &error)) << error;
    EXPECT_GE(format.LengthMs(), 300);
  }

  void ExpectPicture(const std::string& path, QSize size) {
    SCOPED_TRACE(path);
    const QImage image(QString::fromStdString(OnDisk(path)));
    ASSERT_FALSE(image.isNull()) << "missing or unreadable";
    EXPECT_EQ(image.size(), size);
  }

  CourseInstallation install_;
  CourseMaterial material_;
};

TEST_P(DemoCourseTest, IsTheCourseOfItsLanguage) {
  EXPECT_EQ(install_.CourseLanguage, GetParam().Language);
  EXPECT_EQ(install_.CourseLetter, CourseLetterOf(GetParam().Language));
  EXPECT_GE(material_.Catalogue.Groups.Count(), 6);
  EXPECT_GE(material_.Catalogue.Texts.Count(), 10);
  EXPECT_GE(material_.Exercises.Count(), 30);
  EXPECT_GE(material_.Catalogue.Sentences.Count(), 60);
  EXPECT_GE(material_.Catalogue.Comprehension.Count(), 4);
  EXPECT_GE(material_.Conversations.Count(), 5);
  EXPECT_GE(material_.Equivalences.Count(), 20);
}

TEST_P(DemoCourseTest, EveryRecordingItsCataloguesNameIsThere) {
  std::set<std::string> texts;
  for (const ExerciseEntry& entry : material_.Exercises.Entries()) {
    texts.insert(entry.HeaderField(2));
  }
  for (const std::string& n : texts)
    ExpectRecording(install_.MediaDir + "Teksty_wav\\" + n + ".wav");
  const SentenceList& sentences = material_.Catalogue.Sentences;
  for (int n = 1; n <= sentences.Count(); ++n) {
    ExpectRecording(install_.RecordingsDir + sentences.At(n)->SoundName);
  }
  const ComprehensionItems& items = material_.Catalogue.Items;
  for (int n = 1; n <= items.Count(); ++n) {
    ExpectRecording(install_.ProgramDir + "rozumienia_wav_r\\" + items.At(n)->SoundName + ".wav");
  }
  for (int n = 1; n <= material_.Conversations.Count(); ++n) {
    for (const std::string& sound : material_.Conversations.At(n)->Sounds) {
      ExpectRecording(install_.MediaDir + "Dialogi\\" + sound + ".wav");
    }
  }
}

TEST_P(DemoCourseTest, EveryPictureAndGapTextItsCataloguesNameIsThere) {
  for (const ExerciseEntry& entry : material_.Exercises.Entries()) {
    const std::string kind = entry.KindCode();
    ExpectPicture(
        install_.MediaDir + "teksty\\" + entry.HeaderField(3) + (kind == "DD" ? ".bmp" : ".jpg"),
        {700, 600});
    if (kind == "WP") {
      const std::string gapText =
          install_.ProgramDir + "Wpisywania\\" + entry.KindLine.substr(3) + ".fcs";
      EXPECT_TRUE(fs::is_regular_file(OnDisk(gapText))) << gapText;
    }
  }
  const ComprehensionItems& items = material_.Catalogue.Items;
  for (int n = 1; n <= items.Count(); ++n) {
    for (const std::string* picture :
         {&items.At(n)->RightPicture, &items.At(n)->OtherPicture1, &items.At(n)->OtherPicture2}) {
      ExpectPicture(install_.MediaDir + "Rozumienia_gfx_r\\" + *picture + ".bmp", {160, 200});
    }
  }
  for (int n = 1; n <= material_.Conversations.Count(); ++n) {
    ExpectPicture(
        BackgroundPicture(install_.MediaDir, material_.Conversations.At(n)->BackgroundName),
        {700, 600});
  }
  // The pictures named by the course letter: the exercises' panel and, per interface
  // language, the chooser of the drills.
  ExpectPicture(install_.ProgramDir + "gfx_r\\panel_prawy_teksty_" + install_.CourseLetter + ".bmp",
                {100, 600});
  for (int language = 0; language < 4; ++language) {
    ExpectPicture(install_.ProgramDir + "Lang_r\\" + std::to_string(language) +
                      "\\gfx_r\\wybor_cw_rozum_" + install_.CourseLetter + ".bmp",
                  {800, 600});
  }
}

INSTANTIATE_TEST_SUITE_P(Courses, DemoCourseTest, ::testing::ValuesIn(kCourses),
                         [](const ::testing::TestParamInfo<DemoCourse>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
}  // namespace tess
