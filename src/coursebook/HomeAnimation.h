#pragma once
// The main window's decorative picture animation: where a picture appears and which one.
#include <array>
#include <string>

namespace tess {

class RandomSource;

struct AnimationPosition {
  int Left = 0;
  int Top = 0;
};

/// Positions of the small (100 x 100) and the large (200 x 200) animation picture; the main
/// window's background lays a tile under each of them.
inline constexpr std::array<AnimationPosition, 8> kSmallAnimationPositions = {
    {{0, 124}, {100, 124}, {200, 124}, {200, 224}, {300, 124}, {300, 224}, {600, 124}, {700, 124}}};
inline constexpr std::array<AnimationPosition, 2> kLargeAnimationPositions = {
    {{0, 224}, {400, 124}}};
inline constexpr int kSmallAnimationPictures = 20;
inline constexpr int kLargeAnimationPictures = 5;
inline constexpr int kAnimationIntervalMs = 2500;

/// One tick of the animation.
struct AnimationStep {
  bool Large = false;          ///< the large picture moves; else the small one
  AnimationPosition Position;  ///< where the picture goes
  std::string Picture;         ///< ProgramDir + "gfx_r\anim\maly_" / "duzy_" + n + ".bmp"
};

/// Draws r from 0 to 14: below 9 the small picture goes to one of its 8 positions with one of
/// its 20 pictures, otherwise the large one to one of 2 positions with one of 5 pictures.
AnimationStep NextAnimationStep(RandomSource& random, const std::string& programDir);

}  // namespace tess
