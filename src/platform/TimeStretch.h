#pragma once
// Slower (or faster) speech at the same pitch: 16-bit interleaved PCM stretched in time with
// SoundTouch's overlap-add, tuned for voices. Free of Qt, so it is tested on its own.
#include <cstdint>
#include <vector>

namespace tess {

/// `samples` (frames of `channels` interleaved samples at `sampleRate`) played at `speed` times
/// their pace: the result has round(frames / speed) frames and the same pitch. A speed of 1 (or
/// one out of 0.25..4, or no channels) gives the samples unchanged.
std::vector<std::int16_t> StretchTime(const std::vector<std::int16_t>& samples, int channels,
                                      int sampleRate, double speed);

/// Whether `speed` differs from 1 enough to be heard.
bool IsStretched(double speed);

}  // namespace tess
