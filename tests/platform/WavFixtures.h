#pragma once
// Small sound files written in the test with libsndfile's encoders (apart from our reader):
// a quiet 440 Hz tone of a given number of frames in any WAV encoding.
#include <sndfile.h>

#include <cmath>
#include <string>
#include <vector>

namespace tess::testing {

/// `subtype` is SF_FORMAT_PCM_16, SF_FORMAT_IMA_ADPCM, SF_FORMAT_ULAW, ...
inline bool WriteToneWav(const std::string& path, int subtype, int rate, int channels,
                         long frames) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | subtype;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return false;
  std::vector<short> samples(static_cast<std::size_t>(frames * channels));
  for (long i = 0; i < frames; ++i) {
    const short value = static_cast<short>(3000 * std::sin(2 * 3.14159265 * 440 * i / rate));
    for (int c = 0; c < channels; ++c) samples[static_cast<std::size_t>(i * channels + c)] = value;
  }
  const bool written = sf_writef_short(file, samples.data(), frames) == frames;
  return sf_close(file) == 0 && written;
}

/// An IMA ADPCM file as Windows' sound recorder writes it: mono, 256-byte blocks of 505 samples
/// each, silent; the "fact" chunk holds `frames`, the data `blocks` whole blocks.
inline std::string ImaAdpcmWavBytes(int rate, int blocks, int frames) {
  const auto le = [](std::string& out, unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  constexpr int kBlockAlign = 256;
  constexpr int kSamplesPerBlock = (kBlockAlign - 4) * 2 + 1;
  std::string fmt;
  le(fmt, 0x11, 2);  // WAVE_FORMAT_IMA_ADPCM
  le(fmt, 1, 2);
  le(fmt, static_cast<unsigned>(rate), 4);
  le(fmt, static_cast<unsigned>(rate * kBlockAlign / kSamplesPerBlock), 4);
  le(fmt, kBlockAlign, 2);
  le(fmt, 4, 2);  // bits per sample
  le(fmt, 2, 2);  // extra bytes
  le(fmt, kSamplesPerBlock, 2);
  // Each block: predictor 0, step index 0, a reserved byte, then nibbles of silence.
  const std::string data(static_cast<std::size_t>(blocks) * kBlockAlign, '\0');
  std::string body = "WAVEfmt ";
  le(body, static_cast<unsigned>(fmt.size()), 4);
  body += fmt + "fact";
  le(body, 4, 4);
  le(body, static_cast<unsigned>(frames), 4);
  body += "data";
  le(body, static_cast<unsigned>(data.size()), 4);
  body += data;
  std::string file = "RIFF";
  le(file, static_cast<unsigned>(body.size()), 4);
  return file + body;
}

}  // namespace tess::testing
