#pragma once
// The installation the drill windows' tests run in: a temporary folder holding interface texts
// "T1".."Tn", with the program, media and user folders all rooted in it.
#include <string>

#include "core/CourseState.h"
#include "media/SoundService.h"
#include "support/TempFolder.h"

namespace tess::testing_drills {

/// Writes "infa_r.txt" with texts "T1".."T<count>" into `folder` and loads it into `state`.
inline bool LoadNumberedTexts(const testing::TempFolder& folder, int count, CourseState& state) {
  std::string texts;
  for (int n = 1; n <= count; ++n) texts += std::to_string(n) + "==T" + std::to_string(n) + "=\r\n";
  testing::WriteBytes(folder / "infa_r.txt", texts);
  return state.Texts.Load(folder / "infa_r.txt");
}

/// The numbered texts, and ProgramDir, MediaDir, RecordingsDir and UserDir in `folder`.
inline bool PrepareDrillInstallation(const testing::TempFolder& folder, int texts,
                                     CourseState& state, SoundService& sound) {
  if (!folder.ok() || !LoadNumberedTexts(folder, texts, state)) return false;
  state.Install.ProgramDir = folder.path() + "/";
  state.Install.MediaDir = state.Install.ProgramDir + "Hdd\\";
  state.Install.RecordingsDir = state.Install.MediaDir + "bsgram\\";
  state.UserDir = state.Install.ProgramDir;
  sound.SetProgramDir(state.Install.ProgramDir);
  return true;
}

}  // namespace tess::testing_drills
