#pragma once
// The learner's pace for recordings and films: 100, 85, 70 or 55 percent of the recorded one,
// kept in a file of its own beside the user's settings, one line with the percent.
#include <string>

namespace tess {

inline constexpr int kTempoSteps[] = {100, 85, 70, 55};

/// userDir + "tempo_" + settingsTag + ".txt"; empty while nobody is logged in.
std::string TempoFilePath(const std::string& userDir, const std::string& settingsTag);

/// The percent in the file; 100 when there is none, or its first line is not one of the steps.
int ReadTempoPercent(const std::string& path);

/// Rewrites the file whole (safe against a crash half way); false with `error` when it cannot.
bool WriteTempoPercent(const std::string& path, int percent, std::string* error = nullptr);

/// The step after `percent`, from 55 back to 100; anything else goes to 85.
int NextTempoPercent(int percent);

/// The player's speed for a percent.
inline double TempoSpeed(int percent) { return percent / 100.0; }

}  // namespace tess
