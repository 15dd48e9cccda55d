#include "shared/DateTime.h"

#include <gtest/gtest.h>

#include <time.h>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace tess {
namespace {

CivilDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                 int millisecond = 0) {
  return {year, month, day, hour, minute, second, millisecond};
}

TEST(DateTime, KnownValues) {
  struct Row {
    const char* name;
    CivilDateTime civil;
    double value;
    const char* date;
  };
  const Row rows[] = {
      {"day zero", At(1899, 12, 30), 0.0, "1899-12-30"},
      {"first of 1900", At(1900, 1, 1), 2.0, "1900-01-01"},
      {"1900 is not a leap year", At(1900, 3, 1), 61.0, "1900-03-01"},
      {"noon", At(2003, 6, 15, 12), 37787.5, "2003-06-15"},
      {"six in the morning", At(2003, 6, 15, 6), 37787.25, "2003-06-15"},
      {"leap day 2000", At(2000, 2, 29, 18), 36585.75, "2000-02-29"},
      {"last day", At(9999, 12, 31), 2958465.0, "9999-12-31"},
      // Before day zero the fraction still counts forward from midnight.
      {"day before zero", At(1899, 12, 29, 6), -1.25, "1899-12-29"},
      {"1800", At(1800, 1, 1, 18), -36522.75, "1800-01-01"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_DOUBLE_EQ(EncodeDateTime(row.civil), row.value);
    EXPECT_EQ(DecodeDateTime(row.value), row.civil);
    EXPECT_EQ(FormatDate(row.value), row.date);
  }
}

TEST(DateTime, ImpossibleValuesAreNoDate) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const double values[] = {kNaN,   -kNaN,   kInfinity, -kInfinity, 1e300,    -1e300,
                           9.3e18, -9.3e18, 2958466.0, -693594.0,  -693594.5};
  for (const double value : values) {
    SCOPED_TRACE(value);
    EXPECT_EQ(DecodeDateTime(value), std::nullopt);
    EXPECT_EQ(UnixFromDateTime(value), std::nullopt);
    EXPECT_EQ(FormatDate(value), "");
  }
  // The first and the last day that are still dates.
  EXPECT_EQ(FormatDate(-693593.0), "0001-01-01");
  EXPECT_EQ(FormatDate(-693593.75), "0001-01-01");
  EXPECT_EQ(FormatDate(2958465.999), "9999-12-31");
}

TEST(DateTime, RoundTripToTheMillisecond) {
  // Odd steps so that days, times and milliseconds all vary together.
  for (int i = 0; i < 20000; ++i) {
    const CivilDateTime civil = At(1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, (i * 7) % 60,
                                   (i * 13) % 60, (i * 37) % 1000);
    const double value = EncodeDateTime(civil);
    ASSERT_EQ(DecodeDateTime(value), civil) << "row " << i << " value " << value;
  }
  const CivilDateTime lastMs = At(2003, 6, 15, 23, 59, 59, 999);
  EXPECT_EQ(DecodeDateTime(EncodeDateTime(lastMs)), lastMs);
}

TEST(DateTime, DecodeRoundsToTheNearestMillisecond) {
  EXPECT_EQ(DecodeDateTime(37787.0 + 0.4 / 86400000), At(2003, 6, 15));
  EXPECT_EQ(DecodeDateTime(37787.0 + 1.6 / 86400000), At(2003, 6, 15, 0, 0, 0, 2));
  // Within half a millisecond of midnight is the next day, not 24:00.
  EXPECT_EQ(DecodeDateTime(37787.0 - 0.2 / 86400000), At(2003, 6, 15));
  EXPECT_EQ(FormatDate(37787.0 - 0.2 / 86400000), "2003-06-15");
}

// Sets a time zone for one test and puts the old one back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ScopedTimeZone() {
    if (old_) {
      ::setenv("TZ", old_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  std::optional<std::string> old_;
};

TEST(DateTime, UnixTimeIsLocal) {
  ScopedTimeZone zone("Europe/Warsaw");
  // 2003-06-15 12:00 UTC is 14:00 summer time in Warsaw; 2003-01-15 12:00 UTC is 13:00.
  const std::time_t summerNoonUtc = 1055678400;
  const std::time_t winterNoonUtc = 1042632000;
  EXPECT_EQ(DecodeDateTime(DateTimeFromUnix(summerNoonUtc, 250)), At(2003, 6, 15, 14, 0, 0, 250));
  EXPECT_EQ(DecodeDateTime(DateTimeFromUnix(winterNoonUtc)), At(2003, 1, 15, 13));
  EXPECT_EQ(UnixFromDateTime(EncodeDateTime(At(2003, 6, 15, 14))), summerNoonUtc);
  EXPECT_EQ(UnixFromDateTime(EncodeDateTime(At(2003, 1, 15, 13, 0, 0, 999))), winterNoonUtc)
      << "milliseconds are dropped, not rounded up";
}

TEST(DateTime, UnixRoundTripAcrossSummerTime) {
  ScopedTimeZone zone("Europe/Warsaw");
  // From 2003-03-29 to 2003-04-02 in steps of 997 seconds: crosses the spring change.
  // (The repeated autumn hour is ambiguous in local time and left out.)
  for (std::time_t t = 1048896000; t < 1049241600; t += 997) {
    const int ms = static_cast<int>(t % 1000);
    const double value = DateTimeFromUnix(t, ms);
    ASSERT_EQ(UnixFromDateTime(value), t) << "at " << t;
    ASSERT_EQ(DecodeDateTime(value)->millisecond, ms) << "at " << t;
  }
}

}  // namespace
}  // namespace tess
