#pragma once
// What the screen shows, read back as a test sees it.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace window_test {

// The pixels of an area of the screen, row by row from the top, each as
// 0x00RRGGBB.
std::vector<std::uint32_t> ScreenPixels(const RECT& area);

}  // namespace window_test
