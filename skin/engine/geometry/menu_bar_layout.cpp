#include "skin/engine/geometry/menu_bar_layout.h"

#include <algorithm>
#include <cstdint>
#include <cwctype>

namespace skin {
namespace {

constexpr int kPlainOffset = 6;
constexpr int kNarrowBarOffset = 12;
constexpr int kLeftToRightLead = 4;
constexpr int kRightToLeftLead = 8;
constexpr int kCaptionPadding = 10;

}  // namespace

int FirstButtonOffset(const TMenuBarGeometry& bar) {
  if (!bar.HasPicture) return kPlainOffset;
  // An end of negative length counts as none, so no bar starts before its edge.
  const std::int64_t offset = bar.RightToLeft ? std::max(bar.RightWidth, 0) + std::int64_t{kRightToLeftLead}
                                              : std::max(bar.LeftWidth, 0) + std::int64_t{kLeftToRightLead};
  return bar.Width < offset ? kNarrowBarOffset : static_cast<int>(offset);
}

std::vector<TPixelRect> LayoutMenuBarButtons(const TMenuBarGeometry& bar, const std::vector<int>& captionWidths) {
  std::vector<TPixelRect> buttons;
  buttons.reserve(captionWidths.size());
  const int bottom = bar.Height - 1;
  int x = bar.RightToLeft ? bar.Width - FirstButtonOffset(bar) : FirstButtonOffset(bar);
  for (const int captionWidth : captionWidths) {
    const int width = captionWidth > 0 ? captionWidth + kCaptionPadding : 0;
    if (bar.RightToLeft) {
      buttons.push_back(TPixelRect{x - width, 0, x, bottom});
      x -= width;
    } else {
      buttons.push_back(TPixelRect{x, 0, x + width, bottom});
      x += width;
    }
  }
  return buttons;
}

wchar_t MenuAccelerator(std::wstring_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    ++i;  // an escaped ampersand
  }
  return 0;
}

bool IsMenuAccelerator(std::wstring_view caption, wchar_t key) {
  const wchar_t accelerator = MenuAccelerator(caption);
  return accelerator != 0 && accelerator == static_cast<wchar_t>(std::towupper(key));
}

}  // namespace skin
