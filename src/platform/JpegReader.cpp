#include "platform/JpegReader.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstring>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace tess {
namespace {

// Progressive files may carry any number of scans; a hostile one could keep the decoder
// busy for minutes. Real pictures have a dozen at most.
constexpr int kMaxScans = 500;

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailWith(j_common_ptr cinfo, const char* text) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::snprintf(err->message, sizeof err->message, "%s", text);
  std::longjmp(err->jump, 1);
}

// libjpeg's default would print the message and call exit().
[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings about lost picture data (a truncated file, broken entropy data) fail the load, so
// a picture either loads whole or not at all; harmless warnings are ignored.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace output
  switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
      OnError(cinfo);
    default:
      cinfo->err->num_warnings++;
  }
}

void Silent(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    FailWith(cinfo, "Too many scans in JPEG file");
  }
}

// Everything that must survive a jump back to setjmp lives in the caller's frame, so no
// object with a destructor is skipped or left in an indeterminate state.
struct DecodeState {
  QImage image;
  std::vector<JSAMPLE> row;
  std::string message;
};

void ConvertRow(const JSAMPLE* in, uchar* out, int width, J_COLOR_SPACE space, bool inverted) {
  switch (space) {
    case JCS_GRAYSCALE:
      for (int x = 0; x < width; ++x, out += 3) out[0] = out[1] = out[2] = in[x];
      break;
    case JCS_CMYK:
      for (int x = 0; x < width; ++x, in += 4, out += 3) {
        // Adobe's writers store CMYK inverted (0 = full ink); others store it plainly.
        const int c = inverted ? in[0] : 255 - in[0];
        const int m = inverted ? in[1] : 255 - in[1];
        const int y = inverted ? in[2] : 255 - in[2];
        const int k = inverted ? in[3] : 255 - in[3];
        out[0] = static_cast<uchar>(c * k / 255);
        out[1] = static_cast<uchar>(m * k / 255);
        out[2] = static_cast<uchar>(y * k / 255);
      }
      break;
    default:
      std::memcpy(out, in, static_cast<std::size_t>(width) * 3);
  }
}

bool RunDecoder(const unsigned char* data, std::size_t size, DecodeState& state) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
  std::memset(&cinfo, 0, sizeof cinfo);
  std::memset(&progress, 0, sizeof progress);
  err.message[0] = '\0';
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.pub.output_message = Silent;
  progress.progress_monitor = OnProgress;

  if (setjmp(err.jump) != 0) {
    state.message = err.message;
    jpeg_destroy_decompress(&cinfo);
    return false;
  }

  jpeg_create_decompress(&cinfo);
  cinfo.progress = &progress;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);

  if (static_cast<std::int64_t>(cinfo.image_width) * cinfo.image_height > kMaxPicturePixels) {
    FailWith(reinterpret_cast<j_common_ptr>(&cinfo), "JPEG picture too large");
  }
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo.out_color_space = JCS_GRAYSCALE;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      break;
    default:
      cinfo.out_color_space = JCS_RGB;
  }
  const J_COLOR_SPACE space = cinfo.out_color_space;
  const bool inverted = cinfo.saw_Adobe_marker;

  jpeg_start_decompress(&cinfo);
  const int width = static_cast<int>(cinfo.output_width);
  state.image = QImage(width, static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
  if (state.image.isNull()) FailWith(reinterpret_cast<j_common_ptr>(&cinfo), "Out of memory");
  state.row.resize(static_cast<std::size_t>(width) * cinfo.output_components);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    JSAMPROW rows[1] = {state.row.data()};
    if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) {
      FailWith(reinterpret_cast<j_common_ptr>(&cinfo), "JPEG data ended early");
    }
    ConvertRow(state.row.data(), state.image.scanLine(y), width, space, inverted);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

bool ReadHeader(const unsigned char* data, std::size_t size, QSize& dimensions) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.pub.output_message = Silent;
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  dimensions = QSize(static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height));
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

QSize JpegSize(const unsigned char* data, std::size_t size) {
  QSize dimensions;
  if (!IsJpegData(data, size) || !ReadHeader(data, size, dimensions)) return QSize();
  return dimensions;
}

bool IsJpegData(const unsigned char* data, std::size_t size) {
  return size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
}

QImage DecodeJpeg(const unsigned char* data, std::size_t size, std::string* error) {
  if (!IsJpegData(data, size)) {
    if (error) *error = "Not a JPEG file";
    return QImage();
  }
  DecodeState state;
  if (!RunDecoder(data, size, state)) {
    if (error) *error = state.message;
    return QImage();
  }
  return std::move(state.image);
}

}  // namespace tess
