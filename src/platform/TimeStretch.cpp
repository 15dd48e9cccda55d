#include "platform/TimeStretch.h"

#include <SoundTouch.h>

#include <algorithm>
#include <cmath>

namespace tess {

namespace {

constexpr double kSlowest = 0.25;
constexpr double kFastest = 4.0;
// Shorter windows than SoundTouch's music defaults keep syllables crisp instead of echoing.
constexpr int kSequenceMs = 40;
constexpr int kSeekWindowMs = 15;
constexpr int kOverlapMs = 8;
constexpr std::size_t kChunkFrames = 4096;

float ToFloat(std::int16_t s) { return static_cast<float>(s) / 32768.0f; }

std::int16_t ToInt16(float f) {
  const float scaled = std::round(f * 32768.0f);
  return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

}  // namespace

bool IsStretched(double speed) { return std::abs(speed - 1.0) > 1e-3; }

std::vector<std::int16_t> StretchTime(const std::vector<std::int16_t>& samples, int channels,
                                      int sampleRate, double speed) {
  if (!IsStretched(speed) || speed < kSlowest || speed > kFastest || channels <= 0 ||
      sampleRate <= 0) {
    return samples;
  }
  const auto width = static_cast<std::size_t>(channels);
  const std::size_t frames = samples.size() / width;
  const auto wanted = static_cast<std::size_t>(std::llround(static_cast<double>(frames) / speed));

  soundtouch::SoundTouch stretch;
  stretch.setSampleRate(static_cast<unsigned>(sampleRate));
  stretch.setChannels(static_cast<unsigned>(channels));
  stretch.setTempo(speed);
  stretch.setSetting(SETTING_USE_QUICKSEEK, 0);
  stretch.setSetting(SETTING_USE_AA_FILTER, 0);
  stretch.setSetting(SETTING_SEQUENCE_MS, kSequenceMs);
  stretch.setSetting(SETTING_SEEKWINDOW_MS, kSeekWindowMs);
  stretch.setSetting(SETTING_OVERLAP_MS, kOverlapMs);

  std::vector<std::int16_t> out;
  out.reserve(wanted * width + kChunkFrames * width);
  std::vector<float> buffer(kChunkFrames * width);
  const auto drain = [&] {
    for (;;) {
      const unsigned got =
          stretch.receiveSamples(buffer.data(), static_cast<unsigned>(kChunkFrames));
      if (got == 0) break;
      for (std::size_t i = 0; i < got * width; ++i) out.push_back(ToInt16(buffer[i]));
    }
  };
  for (std::size_t at = 0; at < frames; at += kChunkFrames) {
    const std::size_t n = std::min(kChunkFrames, frames - at);
    for (std::size_t i = 0; i < n * width; ++i) buffer[i] = ToFloat(samples[at * width + i]);
    stretch.putSamples(buffer.data(), static_cast<unsigned>(n));
    drain();
  }
  stretch.flush();
  drain();
  // The tail that flushing pads or leaves out is cut or filled with silence, so the stretched
  // sound lasts exactly its share and positions map one to one.
  out.resize(wanted * width, 0);
  return out;
}

}  // namespace tess
