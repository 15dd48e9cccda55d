#pragma once

namespace tess {

/// Nearest integer, a value exactly halfway going to the even neighbour (62.5 -> 62).
int RoundHalfEven(double value);

/// 100 x good / (good + bad) rounded half to even; 0 when there are no items.
int PercentOf(int good, int bad);

}  // namespace tess
