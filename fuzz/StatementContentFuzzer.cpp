// The content of a true-or-false exercise (the kind line after "TF#"): parsing, then a whole
// attempt on what was accepted.
#include "FuzzSupport.h"
#include "exercises/TrueFalse.h"
#include "platform/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view content = fuzz::AsText(data, size);
  const StatementContent parsed = ParseStatementContent(content);
  // Accepted whole or not at all.
  TESS_FUZZ_CHECK(parsed.Error.empty() == (parsed.Rows.size() >= 2));
  TESS_FUZZ_CHECK(parsed.Rows.size() <= static_cast<std::size_t>(TrueFalse::kMaxStatements));

  SeededRandom random(static_cast<std::uint32_t>(size));
  TrueFalse exercise;
  if (!exercise.Load(content, static_cast<int>(size % 4), random)) {
    TESS_FUZZ_CHECK(exercise.StatementCount() == 0 && !exercise.LoadError().empty());
    return 0;
  }
  const fuzz::FixedMeasurer measurer;
  for (int width : {30, 600}) {
    exercise.Paint(measurer, width);
    for (int row = 1; row <= exercise.StatementCount(); ++row) {
      const StatementRow& r = exercise.Row(row);
      exercise.PointerOverBox(r.TrueLeft + 1, r.BoxTop + 1);
      exercise.Click(row % 2 ? r.TrueLeft + 1 : r.FalseLeft + 1, r.BoxTop + 1);
    }
  }
  exercise.Tick(1, true);
  exercise.Check();
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == exercise.StatementCount());
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  return 0;
}
