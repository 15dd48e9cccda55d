#include "shared/DateTime.h"

#include <cerrno>
#include <cmath>
#include <cstdio>

namespace tess {

namespace {

constexpr long long kMsPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
constexpr long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// Day 0 of TDateTime, 1899-12-30, counted from 1970-01-01.
// Known at compile time, so dates made while globals are set up are right too.
constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

// The days of 0001-01-01 and 9999-12-31, the range a TDateTime can name.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;

}  // namespace

// Before 1899-12-30 the value is negative, yet its fraction still counts forward from
// midnight: 1899-12-29 06:00 is -1.25, not -0.75. Values between -1 and 0 therefore mean
// the same day as their absolute value, as stored dates expect.
double EncodeDateTime(const CivilDateTime& civil) {
  const long long days = DaysFromCivil(civil.year, civil.month, civil.day) - kEpochOffset;
  const long long ms =
      ((civil.hour * 60LL + civil.minute) * 60 + civil.second) * 1000 + civil.millisecond;
  const double fraction = static_cast<double>(ms) / kMsPerDay;
  return days < 0 ? static_cast<double>(days) - fraction : static_cast<double>(days) + fraction;
}

std::optional<CivilDateTime> DecodeDateTime(double dateTime) {
  // Checked before any conversion to an integer, which would be undefined out of range.
  if (!(dateTime > kFirstDay - 1.0 && dateTime < kLastDay + 1.0)) return std::nullopt;
  const bool negative = dateTime < 0;
  double whole = std::trunc(dateTime);
  // Rounded to the nearest millisecond, so a value written by EncodeDateTime comes back
  // exactly even though the fraction of a day is never exact in binary.
  long long ms = std::llround(std::fabs(dateTime - whole) * kMsPerDay);
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    whole += negative ? -1.0 : 1.0;
  }
  if (whole < kFirstDay || whole > kLastDay) return std::nullopt;
  CivilDateTime civil;
  CivilFromDays(static_cast<long long>(whole) + kEpochOffset, civil.year, civil.month, civil.day);
  civil.millisecond = static_cast<int>(ms % 1000);
  civil.second = static_cast<int>(ms / 1000 % 60);
  civil.minute = static_cast<int>(ms / 60000 % 60);
  civil.hour = static_cast<int>(ms / 3600000);
  return civil;
}

double DateTimeFromUnix(std::time_t seconds, int milliseconds) {
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return 0.0;
  CivilDateTime civil;
  civil.year = local.tm_year + 1900;
  civil.month = local.tm_mon + 1;
  civil.day = local.tm_mday;
  civil.hour = local.tm_hour;
  civil.minute = local.tm_min;
  civil.second = local.tm_sec;
  civil.millisecond = milliseconds;
  return EncodeDateTime(civil);
}

// The milliseconds are dropped. In the hour repeated when summer time ends the local time
// is ambiguous and mktime picks one of the two moments.
std::optional<std::time_t> UnixFromDateTime(double dateTime) {
  const std::optional<CivilDateTime> decoded = DecodeDateTime(dateTime);
  if (!decoded) return std::nullopt;
  const CivilDateTime& civil = *decoded;
  std::tm local{};
  local.tm_year = civil.year - 1900;
  local.tm_mon = civil.month - 1;
  local.tm_mday = civil.day;
  local.tm_hour = civil.hour;
  local.tm_min = civil.minute;
  local.tm_sec = civil.second;
  local.tm_isdst = -1;
  // -1 is also the second before 1970, so only errno tells a failure.
  errno = 0;
  const std::time_t seconds = std::mktime(&local);
  if (seconds == static_cast<std::time_t>(-1) && errno != 0) return std::nullopt;
  return seconds;
}

std::string FormatDate(double dateTime) {
  const std::optional<CivilDateTime> civil = DecodeDateTime(dateTime);
  if (!civil) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil->year, civil->month, civil->day);
  return text;
}

}  // namespace tess
