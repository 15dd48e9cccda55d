#include "coursebook/HomeAnimation.h"

#include "platform/RandomSource.h"

namespace tess {

AnimationStep NextAnimationStep(RandomSource& random, const std::string& programDir) {
  AnimationStep step;
  const int r = random.Between(0, 14);
  step.Large = r >= 9;
  if (!step.Large) {
    const int k = random.Between(1, static_cast<int>(kSmallAnimationPositions.size()));
    step.Position = kSmallAnimationPositions[static_cast<size_t>(k - 1)];
    const int n = random.Between(1, kSmallAnimationPictures);
    step.Picture = programDir + "gfx_r\\anim\\maly_" + std::to_string(n) + ".bmp";
  } else {
    const int k = random.Between(1, static_cast<int>(kLargeAnimationPositions.size()));
    step.Position = kLargeAnimationPositions[static_cast<size_t>(k - 1)];
    const int n = random.Between(1, kLargeAnimationPictures);
    step.Picture = programDir + "gfx_r\\anim\\duzy_" + std::to_string(n) + ".bmp";
  }
  return step;
}

}  // namespace tess
