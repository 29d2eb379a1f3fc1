#include "window/picture/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <limits>

#include <jpeglib.h>

namespace window {
namespace {

// libjpeg reports a failure through callbacks that must not return to it. They
// jump back to TJpegDecoder::Decode, which then gives up; the jump passes only
// libjpeg's C frames, so no C++ destructor is skipped.
struct TFailureJump {
  jpeg_error_mgr Errors;  // first member: libjpeg hands the callbacks a pointer to it
  jpeg_progress_mgr Progress;
  std::jmp_buf Target;
};

[[noreturn]] void Fail(j_common_ptr codec) { std::longjmp(reinterpret_cast<TFailureJump*>(codec->err)->Target, 1); }

// Warnings mean corrupt or missing data, which libjpeg would paper over with grey.
void FailOnWarning(j_common_ptr codec, int messageLevel) {
  if (messageLevel < 0) Fail(codec);
}

void PrintNothing(j_common_ptr) {}

// Each scan of a progressive JPEG costs a pass over the whole picture.
void LimitScans(j_common_ptr codec) {
  if (codec->is_decompressor && reinterpret_cast<j_decompress_ptr>(codec)->input_scan_number > kMaxJpegScans) {
    Fail(codec);
  }
}

class TJpegDecoder {
 public:
  TJpegDecoder() {
    decompress_.err = jpeg_std_error(&failure_.Errors);
    failure_.Errors.error_exit = Fail;
    failure_.Errors.emit_message = FailOnWarning;
    failure_.Errors.output_message = PrintNothing;
    failure_.Progress.progress_monitor = LimitScans;
  }
  TJpegDecoder(const TJpegDecoder&) = delete;
  TJpegDecoder& operator=(const TJpegDecoder&) = delete;
  ~TJpegDecoder() { jpeg_destroy_decompress(&decompress_); }

  bool Decode(std::span<const std::uint8_t> jpeg, TJpegPicture& picture);

 private:
  TFailureJump failure_{};
  jpeg_decompress_struct decompress_{};
};

bool TJpegDecoder::Decode(std::span<const std::uint8_t> jpeg, TJpegPicture& picture) {
  if (jpeg.size() > std::numeric_limits<unsigned long>::max()) return false;
  if (setjmp(failure_.Target) != 0) return false;

  jpeg_create_decompress(&decompress_);  // clears everything but the error manager
  decompress_.progress = &failure_.Progress;
  jpeg_mem_src(&decompress_, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&decompress_, TRUE);
  if (std::uint64_t{decompress_.image_width} * decompress_.image_height > kMaxJpegPixels) return false;

  decompress_.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&decompress_);
  picture.Width = static_cast<int>(decompress_.output_width);
  picture.Height = static_cast<int>(decompress_.output_height);
  picture.Stride = (std::size_t{decompress_.output_width} * 3 + 3) / 4 * 4;
  picture.Pixels.assign(picture.Stride * decompress_.output_height, 0);
  while (decompress_.output_scanline < decompress_.output_height) {
    JSAMPROW row = picture.Pixels.data() + decompress_.output_scanline * picture.Stride;
    jpeg_read_scanlines(&decompress_, &row, 1);
  }
  jpeg_finish_decompress(&decompress_);
  return true;
}

}  // namespace

std::optional<TJpegPicture> DecodeJpeg(std::span<const std::uint8_t> jpeg) {
  TJpegPicture picture;
  TJpegDecoder decoder;
  if (!decoder.Decode(jpeg, picture)) return std::nullopt;
  return picture;
}

}  // namespace window
