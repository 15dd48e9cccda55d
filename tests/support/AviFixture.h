#pragma once
// Small AVI files laid out chunk by chunk from the RIFF and bitmap header layouts, so tests
// of the strip player do not read files made by the code under test.
#include <cstdint>
#include <string>
#include <vector>

namespace tess::testing {

inline std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF),
          static_cast<char>(v >> 16 & 0xFF), static_cast<char>(v >> 24 & 0xFF)};
}
inline std::string Le16(std::uint16_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}
inline std::string AviChunk(const std::string& id, const std::string& body) {
  return id + Le32(static_cast<std::uint32_t>(body.size())) + body +
         (body.size() % 2 ? std::string(1, '\0') : std::string());
}
inline std::string AviList(const std::string& type, const std::string& body) {
  return AviChunk("LIST", type + body);
}

/// One video stream; `Frames` hold the pixel bytes exactly as stored (rows bottom-up when
/// `Height` is positive, each padded to 4 bytes).
struct AviFixture {
  std::int32_t Width = 3;
  std::int32_t Height = 2;
  std::uint16_t Bits = 24;
  std::uint32_t Compression = 0;  // BI_RGB
  std::string StreamType = "vids";
  std::string Handler = "DIB ";
  std::uint32_t MicroSecPerFrame = 50000;
  std::string Palette;  // BGRA entries after the bitmap header
  std::uint32_t ColoursUsed = 0;
  std::vector<std::string> Frames;

  std::string Bytes() const {
    std::string avih = Le32(MicroSecPerFrame) + Le32(0) + Le32(0) + Le32(0x10) +
                       Le32(static_cast<std::uint32_t>(Frames.size())) + Le32(0) + Le32(1) +
                       Le32(0) + Le32(static_cast<std::uint32_t>(Width)) +
                       Le32(static_cast<std::uint32_t>(Height)) + std::string(16, '\0');
    std::string strh = StreamType + Handler + Le32(0) + Le16(0) + Le16(0) + Le32(0) + Le32(1) +
                       Le32(20) + Le32(0) + Le32(static_cast<std::uint32_t>(Frames.size())) +
                       Le32(0) + Le32(0) + Le32(0) + std::string(8, '\0');
    std::string strf = Le32(40) + Le32(static_cast<std::uint32_t>(Width)) +
                       Le32(static_cast<std::uint32_t>(Height)) + Le16(1) + Le16(Bits) +
                       Le32(Compression) + Le32(0) + Le32(0) + Le32(0) + Le32(ColoursUsed) +
                       Le32(0) + Palette;
    std::string movi;
    for (const std::string& frame : Frames) movi += AviChunk("00db", frame);
    const std::string body =
        AviList("hdrl", AviChunk("avih", avih) +
                            AviList("strl", AviChunk("strh", strh) + AviChunk("strf", strf))) +
        AviList("movi", movi);
    return "RIFF" + Le32(static_cast<std::uint32_t>(body.size() + 4)) + "AVI " + body;
  }
};

/// A 3 x 2 24-bit frame: the bottom row (stored first) blue, green, red; the top row white,
/// black, and the frame's own colour `b`,`g`,`r`; rows padded to 12 bytes.
inline std::string Frame3x2(unsigned char b, unsigned char g, unsigned char r) {
  const std::string bottom =
      std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 9) + std::string(3, '\0');
  std::string top = std::string("\xFF\xFF\xFF\x00\x00\x00", 6);
  top += static_cast<char>(b);
  top += static_cast<char>(g);
  top += static_cast<char>(r);
  top += std::string(3, '\0');
  return bottom + top;
}

}  // namespace tess::testing
