#include "platform/WavFile.h"

#include <sndfile.h>

#include <memory>
#include <vector>

#include "shared/Paths.h"

namespace tess {

namespace {

struct CloseSndfile {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfilePtr = std::unique_ptr<SNDFILE, CloseSndfile>;

SndfilePtr OpenForReading(const std::string& path, SF_INFO& info, std::string* error) {
  info = SF_INFO{};
  SNDFILE* file = sf_open(ResolvePath(path).c_str(), SFM_READ, &info);
  if (file == nullptr && error != nullptr) *error = sf_strerror(nullptr);
  return SndfilePtr(file);
}

}  // namespace

bool ReadWavFormat(const std::string& path, WavFormat& format, std::string* error) {
  SF_INFO info;
  const SndfilePtr file = OpenForReading(path, info, error);
  if (!file) return false;
  format = WavFormat{info.samplerate, info.channels, static_cast<std::int64_t>(info.frames)};
  return true;
}

std::int64_t WavLengthMs(const std::string& path, std::string* error) {
  WavFormat format;
  return ReadWavFormat(path, format, error) ? format.LengthMs() : -1;
}

bool ReadWavSamples(const std::string& path, WavFormat& format, std::vector<std::int16_t>& samples,
                    std::string* error) {
  SF_INFO info;
  const SndfilePtr file = OpenForReading(path, info, error);
  if (!file) return false;
  const sf_count_t frames = info.frames;
  format = WavFormat{info.samplerate, info.channels, frames};
  samples.assign(static_cast<std::size_t>(frames) * static_cast<std::size_t>(info.channels), 0);
  // A file may hold fewer frames than it announces; keep what was read.
  const sf_count_t read = sf_readf_short(file.get(), samples.data(), frames);
  samples.resize(static_cast<std::size_t>(read > 0 ? read : 0) *
                 static_cast<std::size_t>(info.channels));
  format.Frames = read > 0 ? read : 0;
  return true;
}

bool WriteWavPcm16(const std::string& path, int sampleRate, int channels,
                   const std::int16_t* samples, std::size_t sampleCount, std::string* error) {
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  if (channels <= 0 || sf_format_check(&info) == 0) {
    if (error != nullptr) *error = "unsupported wave format";
    return false;
  }
  SNDFILE* raw = sf_open(ResolvePath(path).c_str(), SFM_WRITE, &info);
  if (raw == nullptr) {
    if (error != nullptr) *error = sf_strerror(nullptr);
    return false;
  }
  SndfilePtr file(raw);
  const auto frames = static_cast<sf_count_t>(sampleCount / static_cast<std::size_t>(channels));
  if (frames > 0 && sf_writef_short(file.get(), samples, frames) != frames) {
    if (error != nullptr) *error = sf_strerror(file.get());
    return false;
  }
  return true;
}

}  // namespace tess
