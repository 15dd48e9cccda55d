#pragma once
// Wave files through libsndfile, which reads every variant a course may carry (PCM, IMA and
// MS ADPCM, mu-law, A-law), so lengths need no sound device and are exactly what is played:
// a block-coded file counts its last block whole, padding included, as its data size says.
// Paths go through the path resolver.
#include <cstdint>
#include <string>
#include <vector>

namespace tess {

struct WavFormat {
  int SampleRate = 0;
  int Channels = 0;
  std::int64_t Frames = 0;

  /// Whole milliseconds, truncated.
  std::int64_t LengthMs() const { return SampleRate > 0 ? Frames * 1000 / SampleRate : 0; }
};

/// The format of a sound file; false with libsndfile's error text when it cannot be read.
bool ReadWavFormat(const std::string& path, WavFormat& format, std::string* error = nullptr);

/// The length in milliseconds, or -1 when the file cannot be read.
std::int64_t WavLengthMs(const std::string& path, std::string* error = nullptr);

/// Every frame as interleaved 16-bit samples, whatever the file's own encoding.
bool ReadWavSamples(const std::string& path, WavFormat& format, std::vector<std::int16_t>& samples,
                    std::string* error = nullptr);

/// Writes a 16-bit PCM WAV file of interleaved samples (a whole number of frames).
bool WriteWavPcm16(const std::string& path, int sampleRate, int channels,
                   const std::int16_t* samples, std::size_t sampleCount,
                   std::string* error = nullptr);

}  // namespace tess
