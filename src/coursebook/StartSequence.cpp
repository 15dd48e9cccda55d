#include "coursebook/StartSequence.h"

#include <unistd.h>

#include "core/ModeFile.h"
#include "shared/Paths.h"

namespace tess {

bool StartSequence::SettleInstallation(const std::string& programFile) {
  const std::string programDir = WithTrailingSeparator(ProgramDirOf(programFile));
  if (programDir.empty() || ::chdir(ResolvePath(programDir).c_str()) != 0) {
    messages_.ShowWarning("Cannot find directory");
  }
  const InstallationError error = ReadInstallation(programDir, state_.Install);
  if (error != InstallationError::None) {
    messages_.ShowMessage(InstallationMessage(error));
    return false;
  }
  state_.Install.DataDir = SettleDataRoot(state_.Install.ProgramDir, state_.Install.CourseLanguage, writable_);
  return true;
}

bool StartSequence::ScreenIsLargeEnough(const ScreenSize& size) {
  return size.width >= kMinScreenWidth && size.height >= kMinScreenHeight;
}

bool StartSequence::LoadAndLogIn(StartHost& host) {
  state_.SetInterfaceLanguageNumber(0);
  if (!host.ReloadLanguageMaterial()) return false;
  if (!host.LoadCourseMaterial()) return false;

  if (!ScreenIsLargeEnough(screen_.Size())) {
    messages_.ShowMessage("Program należy uruchamiać minimalnej w rozdzielczości 800x600.");
    return false;
  }
  host.ShowBackdrop();

  state_.RunMode = ReadModeFile(state_.Install.ProgramDir, state_.Classroom);
  if (state_.RunMode == kRunModeClassroom && !host.ShowClassroomLogin()) {
    state_.RunMode = kRunModeLocal;
  }
  if (state_.RunMode == kRunModeLocal) host.ShowLocalLogin();
  return true;
}

}  // namespace tess
