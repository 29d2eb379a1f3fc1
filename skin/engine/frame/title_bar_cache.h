#pragma once
// TTitleBarCache: the composed title bars of one skinned frame, one for each
// activation, so that activation going back and forth composes nothing. Each
// remembers what it was composed for (a bar is made from the skin's pieces
// alone, so that is all it shows), and keeps a copy of itself from before the
// caption buttons were drawn on it, which a button's new state is laid over.

#include <windows.h>

#include <string>

#include "skin/engine/gdi/offscreen_bitmap.h"
#include "skin/engine/geometry/frame_layout.h"
#include "skin/engine/geometry/pixel_rect.h"

namespace skin {

// What a title bar was composed for; a repaint of the same copies it again.
struct TTitleKey {
  int Width = 0;
  // The side borders' pieces, whose top ends the bar shows, run the window's height.
  int WindowHeight = 0;
  bool Active = false;
  TShowState ShowState = TShowState::Normal;
  // An MDI frame whose active child is maximised shows other caption buttons.
  bool MdiChildMaximized = false;
  std::wstring Caption;
  bool operator==(const TTitleKey&) const = default;
};

struct TTitleBar {
  TOffscreenBitmap Bar;
  // The bar before the caption buttons were drawn on it.
  TOffscreenBitmap Background;
  TTitleKey Key;
  // Where the caption text (with its background's ends) was placed.
  TPixelRect TextRect;
};

class TTitleBarCache {
 public:
  // The bar of this activation with bitmaps of `width` x `height` in the
  // format of `dc`'s device, made anew (and what they showed forgotten) when
  // the size changed; nullptr when they cannot be made.
  TTitleBar* Sized(HDC dc, bool active, int width, int height);
  const TTitleBar& Bar(bool active) const { return bars_[active ? 1 : 0]; }
  // Forgets what the bars show (a new skin), keeping their bitmaps.
  void Forget();
  // Frees the bitmaps too.
  void Release();

 private:
  // Inactive and active.
  TTitleBar bars_[2];
};

}  // namespace skin
