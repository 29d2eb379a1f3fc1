#include "window/picture/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <limits>

#include <jpeglib.h>

namespace window {
namespace {

// libjpeg reports a failure through callbacks that must not return to it. They
// jump back to JpegDecoder::Decode, which then gives up; the jump passes only
// libjpeg's C frames, so no C++ destructor is skipped.
struct FailureJump {
  jpeg_error_mgr errors;  // first member: libjpeg hands the callbacks a pointer to it
  jpeg_progress_mgr progress;
  std::jmp_buf target;
};

[[noreturn]] void Fail(j_common_ptr codec) { std::longjmp(reinterpret_cast<FailureJump*>(codec->err)->target, 1); }

// Warnings mean corrupt or missing data, which libjpeg would paper over with grey.
void FailOnWarning(j_common_ptr codec, int message_level) {
  if (message_level < 0) Fail(codec);
}

void PrintNothing(j_common_ptr) {}

// Each scan of a progressive JPEG costs a pass over the whole picture.
void LimitScans(j_common_ptr codec) {
  if (codec->is_decompressor && reinterpret_cast<j_decompress_ptr>(codec)->input_scan_number > kMaxJpegScans) {
    Fail(codec);
  }
}

class JpegDecoder {
 public:
  JpegDecoder() {
    decompress_.err = jpeg_std_error(&failure_.errors);
    failure_.errors.error_exit = Fail;
    failure_.errors.emit_message = FailOnWarning;
    failure_.errors.output_message = PrintNothing;
    failure_.progress.progress_monitor = LimitScans;
  }
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;
  ~JpegDecoder() { jpeg_destroy_decompress(&decompress_); }

  bool Decode(std::span<const std::uint8_t> jpeg, JpegPicture& picture);

 private:
  FailureJump failure_{};
  jpeg_decompress_struct decompress_{};
};

bool JpegDecoder::Decode(std::span<const std::uint8_t> jpeg, JpegPicture& picture) {
  if (jpeg.size() > std::numeric_limits<unsigned long>::max()) return false;
  if (setjmp(failure_.target) != 0) return false;

  jpeg_create_decompress(&decompress_);  // clears everything but the error manager
  decompress_.progress = &failure_.progress;
  jpeg_mem_src(&decompress_, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&decompress_, TRUE);
  if (std::uint64_t{decompress_.image_width} * decompress_.image_height > kMaxJpegPixels) return false;

  decompress_.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&decompress_);
  picture.width = static_cast<int>(decompress_.output_width);
  picture.height = static_cast<int>(decompress_.output_height);
  picture.stride = (std::size_t{decompress_.output_width} * 3 + 3) / 4 * 4;
  picture.pixels.assign(picture.stride * decompress_.output_height, 0);
  while (decompress_.output_scanline < decompress_.output_height) {
    JSAMPROW row = picture.pixels.data() + decompress_.output_scanline * picture.stride;
    jpeg_read_scanlines(&decompress_, &row, 1);
  }
  jpeg_finish_decompress(&decompress_);
  return true;
}

}  // namespace

std::optional<JpegPicture> DecodeJpeg(std::span<const std::uint8_t> jpeg) {
  JpegPicture picture;
  JpegDecoder decoder;
  if (!decoder.Decode(jpeg, picture)) return std::nullopt;
  return picture;
}

}  // namespace window
