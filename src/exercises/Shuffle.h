#pragma once
// The exercises' shuffle: a number of exchanges of two different entries, each drawn uniformly
// (the second drawn again while it equals the first), so a seeded generator gives the same order.
#include "platform/RandomSource.h"

namespace tess {

/// Makes `swaps` exchanges among entries 1..size, calling `swap(a, b)` for each; fewer than two
/// entries stay as they are.
template <class Swap>
void ShuffleBySwaps(RandomSource& random, int size, int swaps, Swap swap) {
  if (size < 2) return;
  for (int n = 0; n < swaps; ++n) {
    int a = 0;
    int b = 0;
    do {
      a = random.Between(1, size);
      b = random.Between(1, size);
    } while (a == b);
    swap(a, b);
  }
}

}  // namespace tess
