// The attempts log "historia_...txt": parsed, each kept attempt written back as a line that
// reads back to itself, and the daily line drawn from what was kept.
#include "FuzzSupport.h"
#include "results/AttemptLog.h"
#include "results/ProgressCharts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::vector<LoggedAttempt> attempts = ParseAttemptLog(fuzz::AsText(data, size));
  for (const LoggedAttempt& attempt : attempts) {
    // Writing is where texts lose their tabs and line ends, so what is written once reads
    // back to the same line.
    const std::string line = FormatAttemptLine(attempt);
    const auto again = ParseAttemptLine(line);
    TESS_FUZZ_CHECK(again.has_value() && FormatAttemptLine(*again) == line);
  }
  for (const ProgressDay& day : DailyLine(attempts)) {
    TESS_FUZZ_CHECK(day.Percent >= 0 && day.Percent <= 100);
  }
  return 0;
}
