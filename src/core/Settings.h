#pragma once
// Reading and writing the logged-in user's settings into the program-wide values.
#include <functional>

#include "core/CourseState.h"
#include "platform/MessageBox.h"

namespace tess {

/// After a local login (UserDir set): reads the user's settings file, or gives the defaults
/// and the default interface language and writes them when there is none; then reloads the
/// language material. A language whose folder is not installed falls back to the first
/// installed one, and so does one whose material does not load (with a message). False when
/// no language's material could be loaded.
bool LoadUserSettings(CourseState& state, MessageBox& messages,
                      const std::function<bool()>& reloadLanguageMaterial);

/// Rewrites the user's settings file from the current values; a failure is shown.
bool SaveUserSettings(const CourseState& state, MessageBox& messages);

}  // namespace tess
