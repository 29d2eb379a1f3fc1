// Skin drawing under Wine or Windows: a window-sized nine-slice made with our
// own pixel code (what RenderNineSlice does) against the same pieces copied
// by GDI's StretchBlt; drawing it opaque and transparent; transparent
// copies by GdiTransparentBlt against a monochrome mask and MaskBlt; the
// region of a window's title strip.

#include <benchmark/benchmark.h>
#include <windows.h>

#include "bench/skin/engine/frame_pictures.h"
#include "skin/engine/gdi/skin_dib.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/geometry/frame_cell.h"
#include "skin/engine/geometry/nine_slice.h"

namespace {

constexpr RECT kWindow{0, 0, 800, 600};
constexpr skin::TSliceMargins kMargins{12, 12, 12, 12};

// A memory DC over a bitmap like the screen's, the target of the drawing calls.
class TScreenLikeTarget {
 public:
  TScreenLikeTarget() {
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, 800, 600);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~TScreenLikeTarget() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC Dc() const { return dc_; }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ old_;
};

void RenderNineSliceOwnCode(benchmark::State& state) {
  const skin::TSkinBitmap picture = skinbench::FrameStrip(3, 60);
  const bool tiled = state.range(0) != 0;
  for (auto _ : state) {
    const skin::TBitmapHandle bitmap = skin::RenderNineSlice(kWindow, picture, kMargins, false, tiled, 3, 2);
    benchmark::DoNotOptimize(bitmap.get());
  }
  state.SetLabel(tiled ? "tiled centre" : "stretched centre");
}
BENCHMARK(RenderNineSliceOwnCode)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same bitmap and the same pieces, every copy a StretchBlt from a DIB section of the picture.
void RenderNineSliceByGdi(benchmark::State& state) {
  const skin::TSkinBitmap picture = skinbench::FrameStrip(3, 60);
  const skin::TBitmapHandle pictureDib = skin::CreateSkinDib(picture);
  HDC pictureDc = CreateCompatibleDC(nullptr);
  const HGDIOBJ oldPicture = SelectObject(pictureDc, pictureDib.get());
  const skin::TPixelRect cell = skin::FrameCellRect(picture.Width(), picture.Height(), false, 3, 2);
  const bool tiled = state.range(0) != 0;
  const BITMAPINFO info = skin::SkinBitmapInfo(skin::TSkinBitmap(800, 600));
  for (auto _ : state) {
    void* bits = nullptr;
    const skin::TBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap.get());
    SetStretchBltMode(dc, COLORONCOLOR);
    for (const skin::TSlicePiece& piece : skin::NineSlicePlan(cell, 800, 600, kMargins, tiled).Pieces()) {
      const skin::TTileGrid copies = piece.Copies();
      for (int row = 0; row < copies.Rows; ++row) {
        for (int column = 0; column < copies.Columns; ++column) {
          const skin::TPixelRect to = copies.Tile(column, row);
          StretchBlt(dc, to.Left, to.Top, to.Width(), to.Height(), pictureDc, piece.Source.Left, piece.Source.Top,
                     piece.Source.Width(), piece.Source.Height(), SRCCOPY);
        }
      }
    }
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
    benchmark::DoNotOptimize(bitmap.get());
  }
  SelectObject(pictureDc, oldPicture);
  DeleteDC(pictureDc);
  state.SetLabel(tiled ? "tiled centre" : "stretched centre");
}
BENCHMARK(RenderNineSliceByGdi)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void DrawNineSlice800x600(benchmark::State& state) {
  const skin::TSkinBitmap picture = skinbench::FrameStrip(3, 60);
  const bool transparent = state.range(0) != 0;
  const TScreenLikeTarget target;
  for (auto _ : state) {
    skin::DrawNineSlice(target.Dc(), kWindow, picture, false, false, transparent, 3, 2, kMargins);
    GdiFlush();
  }
  state.SetLabel(transparent ? "transparent" : "opaque");
}
BENCHMARK(DrawNineSlice800x600)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A caption button: cell 3 of a 4-cell strip of 21-pixel cells, drawn as it is.
void DrawCaptionButton(benchmark::State& state) {
  const skin::TSkinBitmap strip = skinbench::FrameStrip(4, 21);
  const bool transparent = state.range(0) != 0;
  const TScreenLikeTarget target;
  for (auto _ : state) {
    skin::DrawFrameCell(target.Dc(), {700, 5, 721, 26}, strip, transparent, 4, 3);
    GdiFlush();
  }
  state.SetLabel(transparent ? "transparent" : "opaque");
}
BENCHMARK(DrawCaptionButton)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Transparent copies of a rendered 800 x 600 nine-slice: one GdiTransparentBlt ...
void TransparentBlitByKey(benchmark::State& state) {
  const skin::TBitmapHandle bitmap =
      skin::RenderNineSlice(kWindow, skinbench::FrameStrip(3, 60), kMargins, false, false, 3, 2);
  const TScreenLikeTarget target;
  for (auto _ : state) {
    skin::TransparentBlit(target.Dc(), kWindow, bitmap.get());
    GdiFlush();
  }
}
BENCHMARK(TransparentBlitByKey)->Unit(benchmark::kMicrosecond);

// ... against a monochrome mask made for every copy and one MaskBlt.
void TransparentBlitByMask(benchmark::State& state) {
  const skin::TBitmapHandle bitmap =
      skin::RenderNineSlice(kWindow, skinbench::FrameStrip(3, 60), kMargins, false, false, 3, 2);
  const TScreenLikeTarget target;
  for (auto _ : state) {
    HDC source = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldSource = SelectObject(source, bitmap.get());
    const HBITMAP mask = CreateBitmap(800, 600, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(source, skin::kTransparentKey);
    BitBlt(maskDc, 0, 0, 800, 600, source, 0, 0, SRCCOPY);  // key colour set, the rest clear
    MaskBlt(target.Dc(), 0, 0, 800, 600, source, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
    GdiFlush();
    SelectObject(maskDc, oldMask);
    DeleteDC(maskDc);
    DeleteObject(mask);
    SelectObject(source, oldSource);
    DeleteDC(source);
  }
}
BENCHMARK(TransparentBlitByMask)->Unit(benchmark::kMicrosecond);

void RegionFromTitleStrip(benchmark::State& state) {
  const skin::TBitmapHandle strip = skin::CreateSkinDib(skinbench::TitleStrip());
  for (auto _ : state) {
    const HRGN region = skin::RegionFromBitmap(strip.get(), 4, 0, 1, 1, 1);
    benchmark::DoNotOptimize(region);
    DeleteObject(region);
  }
}
BENCHMARK(RegionFromTitleStrip)->Unit(benchmark::kMicrosecond);

}  // namespace
