#include "coursebook/StartSequence.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/Fakes.h"
#include "support/CourseFixture.h"

namespace tess {
namespace {

using testing::CourseFolder;

class RecordingHost : public StartHost {
 public:
  explicit RecordingHost(const CourseState& state) : state_(state) {}
  bool ReloadLanguageMaterial() override {
    steps.push_back("language:" + state_.LangDir);
    return languageOk;
  }
  bool LoadCourseMaterial() override {
    steps.push_back("material");
    return materialOk;
  }
  void ShowBackdrop() override { steps.push_back("backdrop"); }
  bool ShowClassroomLogin() override {
    steps.push_back("classroom-login");
    return classroomOk;
  }
  void ShowLocalLogin() override { steps.push_back("local-login"); }

  std::vector<std::string> steps;
  bool languageOk = true;
  bool materialOk = true;
  bool classroomOk = false;

 private:
  const CourseState& state_;
};

class StartSequenceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(::getcwd(cwd_, sizeof cwd_), nullptr); }
  void TearDown() override { ASSERT_EQ(::chdir(cwd_), 0); }

  CourseFolder folder;
  CourseState state;
  FakeMessageBox messages;
  FakeScreen screen{1024, 768};
  RecordingHost host{state};
  StartSequence start{state, messages, screen};

 private:
  char cwd_[4096] = {};
};

TEST_F(StartSequenceTest, LocalStartRunsItsStepsInOrder) {
  folder.WriteInstallation("2");
  ASSERT_TRUE(start.SettleInstallation(folder.ProgramFile()));
  EXPECT_EQ(state.Install.ProgramDir, folder.ProgramDir());
  EXPECT_EQ(state.Install.SettingsTag, "tsn2_2003");
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(std::string(cwd) + "/", folder.ProgramDir());

  state.SetInterfaceLanguageNumber(2);
  ASSERT_TRUE(start.LoadAndLogIn(host));
  EXPECT_EQ(host.steps, (std::vector<std::string>{"language:Lang_r\\0\\", "material", "backdrop",
                                                  "local-login"}));
  EXPECT_EQ(state.RunMode, kRunModeLocal);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(StartSequenceTest, MissingFilesEndTheProgramWithTheirMessage) {
  struct Row {
    const char* name;
    bool ini;
    bool course;
    const char* message;
  };
  const Row rows[] = {
      {"no_ini", false, true, "Brak plików systemowych, proszę powtórzyć instalację programu!"},
      {"no_course_file", true, false, "Brak plików systemowych programu!"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CourseFolder install;
    if (row.ini) install.Write("ts50.ini", "");
    if (row.course) install.Write("tess_r.txt", "T\r\n1\r\n");
    FakeMessageBox shown;
    StartSequence sequence(state, shown, screen);
    EXPECT_FALSE(sequence.SettleInstallation(install.ProgramFile()));
    EXPECT_EQ(shown.messages, std::vector<std::string>{row.message});
  }
}

TEST_F(StartSequenceTest, MissingProgramFolderWarnsAndGoesOn) {
  EXPECT_FALSE(start.SettleInstallation("/nonexistent-tessaron/coursebook"));
  EXPECT_EQ(messages.warnings, std::vector<std::string>{"Cannot find directory"});
}

TEST_F(StartSequenceTest, SmallScreenIsRefusedBeforeTheBackdrop) {
  struct Row {
    const char* name;
    int width, height;
    bool accepted;
  };
  const Row rows[] = {{"exact_minimum", 800, 600, true},
                      {"too_low", 1024, 500, false},
                      {"too_narrow", 799, 768, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FakeMessageBox shown;
    FakeScreen small{row.width, row.height};
    RecordingHost recorder{state};
    StartSequence sequence(state, shown, small);
    folder.WriteInstallation();
    ASSERT_TRUE(sequence.SettleInstallation(folder.ProgramFile()));
    EXPECT_EQ(sequence.LoadAndLogIn(recorder), row.accepted);
    if (row.accepted) continue;
    EXPECT_EQ(
        shown.messages,
        std::vector<std::string>{"Program należy uruchamiać minimalnej w rozdzielczości 800x600."});
    EXPECT_EQ(recorder.steps, (std::vector<std::string>{"language:Lang_r\\0\\", "material"}));
  }
}

TEST_F(StartSequenceTest, FailedMaterialEndsTheProgramBeforeTheLogin) {
  folder.WriteInstallation();
  ASSERT_TRUE(start.SettleInstallation(folder.ProgramFile()));
  host.languageOk = false;
  EXPECT_FALSE(start.LoadAndLogIn(host));
  EXPECT_EQ(host.steps, std::vector<std::string>{"language:Lang_r\\0\\"});
}

TEST_F(StartSequenceTest, ModeFileLeadsToTheClassroomLoginAndBackToLocal) {
  folder.WriteInstallation();
  folder.Write("dd.t", "serwer.szkola.pl \r\n1\r\n");
  ASSERT_TRUE(start.SettleInstallation(folder.ProgramFile()));

  ASSERT_TRUE(start.LoadAndLogIn(host));
  EXPECT_EQ(host.steps.back(), "local-login");
  EXPECT_EQ(host.steps[host.steps.size() - 2], "classroom-login");
  EXPECT_EQ(state.RunMode, kRunModeLocal);
  EXPECT_EQ(state.Classroom.ServerHost, "serwer.szkola.pl ");
  EXPECT_TRUE(state.Classroom.LocalAllowed);

  host.steps.clear();
  host.classroomOk = true;
  ASSERT_TRUE(start.LoadAndLogIn(host));
  EXPECT_EQ(host.steps.back(), "classroom-login");
  EXPECT_EQ(state.RunMode, kRunModeClassroom);
}

}  // namespace
}  // namespace tess
