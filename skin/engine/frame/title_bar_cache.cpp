#include "skin/engine/frame/title_bar_cache.h"

namespace skin {

TTitleBar* TTitleBarCache::Sized(HDC dc, bool active, int width, int height) {
  TTitleBar& bar = bars_[active ? 1 : 0];
  if (bar.Bar.Empty() || bar.Bar.Width() != width || bar.Bar.Height() != height) {
    bar.Bar.Create(dc, width, height);
    bar.Background.Create(dc, width, height);
    bar.Key = TTitleKey{};
  }
  return bar.Bar.Empty() || bar.Background.Empty() ? nullptr : &bar;
}

void TTitleBarCache::Forget() {
  for (TTitleBar& bar : bars_) bar.Key = TTitleKey{};
}

void TTitleBarCache::Release() {
  for (TTitleBar& bar : bars_) {
    bar.Bar.Reset();
    bar.Background.Reset();
    bar.Key = TTitleKey{};
  }
}

}  // namespace skin
