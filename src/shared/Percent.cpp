#include "shared/Percent.h"

#include <climits>
#include <cmath>

namespace tess {

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  // An explicit rule rather than nearbyint, so a changed floating-point rounding mode
  // elsewhere in the process cannot change a score.
  const double below = std::floor(value);
  const double fraction = value - below;
  double result = below;
  if (fraction > 0.5) {
    result = below + 1.0;
  } else if (fraction == 0.5) {
    result = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
  }
  return static_cast<int>(result);
}

int PercentOf(int good, int bad) {
  const long long total = static_cast<long long>(good) + bad;
  if (total == 0) return 0;
  // A quotient that is exactly k.5 is exactly representable, and division is correctly
  // rounded, so halves reach RoundHalfEven unchanged.
  return RoundHalfEven(100.0 * good / static_cast<double>(total));
}

}  // namespace tess
