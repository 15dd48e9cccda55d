#pragma once
// TDateTime: days since 1899-12-30 plus the fraction of the day, in local time.
#include <ctime>
#include <optional>
#include <string>

namespace tess {

struct CivilDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

double EncodeDateTime(const CivilDateTime& civil);
/// Nothing for a value that is no date: NaN, infinite, or outside the years 1 to 9999.
/// Stored dates come from files, so every caller must expect that.
std::optional<CivilDateTime> DecodeDateTime(double dateTime);

/// Local time of a moment, and back; exact to the millisecond. Nothing back for a value
/// that is no date.
double DateTimeFromUnix(std::time_t seconds, int milliseconds = 0);
std::optional<std::time_t> UnixFromDateTime(double dateTime);

/// "yyyy-mm-dd", the one date format the programs write, show and parse; empty for a value
/// that is no date.
std::string FormatDate(double dateTime);

}  // namespace tess
