// Any bytes given to the JPEG decoder yield a picture whose pixel block matches
// its size, or nothing; never a crash, an overrun or an exit.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "window/picture/jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = window::DecodeJpeg({data, size});
  if (!picture) return 0;
  const bool consistent = picture->Width > 0 && picture->Height > 0 &&
                          static_cast<std::uint64_t>(picture->Width) * picture->Height <= window::kMaxJpegPixels &&
                          picture->Stride >= static_cast<std::size_t>(picture->Width) * 3 && picture->Stride % 4 == 0 &&
                          picture->Pixels.size() == picture->Stride * static_cast<std::size_t>(picture->Height);
  if (!consistent) std::abort();
  return 0;
}
