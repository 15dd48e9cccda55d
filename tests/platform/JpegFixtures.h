#pragma once
// JPEG fixtures written with libjpeg's encoder directly, so they do not depend on the
// decoder under test; no chroma subsampling, so colours survive almost exactly.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace tess::testing {

inline std::vector<unsigned char> EncodeJpeg(int width, int height, J_COLOR_SPACE space,
                                             const std::vector<unsigned char>& pixels,
                                             bool adobeMarker = true) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  if (space == JCS_CMYK) cinfo.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  const int stride = width * cinfo.input_components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(&pixels[cinfo.next_scanline * stride]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<unsigned char> bytes(out, out + outSize);
  std::free(out);
  return bytes;
}

/// A smooth RGB gradient, red across and green down; odd sizes catch row-stride mistakes.
inline std::vector<unsigned char> GradientPixels(int width, int height) {
  std::vector<unsigned char> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(static_cast<unsigned char>(x * 240 / width));
      pixels.push_back(static_cast<unsigned char>(y * 240 / height));
      pixels.push_back(static_cast<unsigned char>(200 - x * 100 / width));
    }
  }
  return pixels;
}

}  // namespace tess::testing
