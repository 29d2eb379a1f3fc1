// Any sizes, margins, frame counts and indexes for the drawing geometry: every
// cell lies inside its picture, every piece's source inside its cell and a
// nine-slice's targets inside the target bitmap; drawing the pieces, stretching
// between any rectangles and finding region runs stay inside their bitmaps
// (the sanitizers watch every pixel); an item's icon and caption find their
// places for any sizes; a tab strip's layout holds any rectangles, and its
// pictures and drawn strip turn to any side whole; a menu bar of any picture
// ends lays its buttons out from inside the bar.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/engine/geometry/frame_cell.h"
#include "skin/engine/geometry/icon_caption_layout.h"
#include "skin/engine/geometry/key_colour_copy.h"
#include "skin/engine/geometry/menu_bar_layout.h"
#include "skin/engine/geometry/nine_slice.h"
#include "skin/engine/geometry/pixel_stretch.h"
#include "skin/engine/geometry/region_runs.h"
#include "skin/engine/geometry/scroll_bar_layout.h"
#include "skin/engine/geometry/slice_render.h"
#include "skin/engine/geometry/tab_strip_layout.h"
#include "skin/engine/geometry/three_slice.h"

namespace {

using skin::TPixelRect;

bool Inside(const TPixelRect& inner, const TPixelRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

// Mostly small values, now and then any value at all.
int Size(FuzzedDataProvider& in, int usual) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, usual) : in.ConsumeIntegral<int>();
}

skin::TSkinBitmap Picture(FuzzedDataProvider& in) {
  skin::TSkinBitmap picture(in.ConsumeIntegralInRange(0, 48), in.ConsumeIntegralInRange(0, 48));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, in.ConsumeIntegral<std::uint32_t>() & 0xFFFFFF);
  return picture;
}

void CheckPlan(const skin::TSlicePlan& plan, const TPixelRect& cell) {
  for (const skin::TSlicePiece& piece : plan.Pieces()) {
    if (!Inside(piece.Source, cell) || piece.Source.Empty()) __builtin_trap();
    const skin::TTileGrid copies = piece.Copies();
    if (copies.Columns < 1 || copies.Rows < 1) __builtin_trap();
    const TPixelRect last = copies.Tile(copies.Columns - 1, copies.Rows - 1);
    if (last.Right < piece.Target.Right || last.Bottom < piece.Target.Bottom) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const skin::TSkinBitmap picture = Picture(in);
  const bool vertical = in.ConsumeBool();
  const TPixelRect cell = skin::FrameCellRect(picture.Width(), picture.Height(), vertical, Size(in, 8), Size(in, 9));
  if (!Inside(cell, {0, 0, picture.Width(), picture.Height()}) && !cell.Empty()) __builtin_trap();

  const int width = Size(in, 160);
  const int height = Size(in, 120);
  const skin::TSliceMargins margins{Size(in, 40), Size(in, 40), Size(in, 40), Size(in, 40)};
  const skin::TSlicePlan nine = skin::NineSlicePlan(cell, width, height, margins, in.ConsumeBool());
  CheckPlan(nine, cell);
  for (const skin::TSlicePiece& piece : nine.Pieces())
    if (!Inside(piece.Target, {0, 0, width, height})) __builtin_trap();
  const skin::TSlicePlan edges = skin::FrameEdgesPlan(cell, width, height, margins);
  CheckPlan(edges, cell);
  for (const skin::TSlicePiece& piece : edges.Pieces())
    if (!Inside(piece.Target, {0, 0, width, height})) __builtin_trap();
  const skin::TSlicePlan three = skin::ThreeSlicePlan(cell, width, height, margins.Left, margins.Right);
  CheckPlan(three, cell);

  // Drawn only into bitmaps of a bounded size; plans for any size are checked above.
  if (width > 0 && height > 0 && width <= 400 && height <= 400) {
    skin::TSkinBitmap target(width, height);
    skin::RenderSlicePlan(skin::PixelsOf(picture), nine, skin::PixelsOf(target));
    skin::RenderSlicePlan(skin::PixelsOf(picture), three, skin::PixelsOf(target));
    skin::CopyUnlessKey(skin::PixelsOf(picture), skin::PixelsOf(target), 255, 0, 255);
    skin::CopyPixelsAt(skin::PixelsOf(picture), skin::PixelsOf(target), Size(in, 200), Size(in, 200), in.ConsumeBool(),
                       255, 0, 255);
  }

  // Stretching between any two rectangles into a small bitmap.
  skin::TSkinBitmap small(in.ConsumeIntegralInRange(0, 64), in.ConsumeIntegralInRange(0, 64));
  const TPixelRect from{Size(in, 60), Size(in, 60), Size(in, 60), Size(in, 60)};
  const TPixelRect to{Size(in, 80), Size(in, 80), Size(in, 80), Size(in, 80)};
  skin::StretchPixels(skin::PixelsOf(picture), from, skin::PixelsOf(small), to);

  // Region runs of every row: in order, inside the row, apart.
  const skin::TKeyColourRange key(in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>(),
                                  in.ConsumeIntegral<std::uint8_t>(), Size(in, 3), Size(in, 3), Size(in, 3));
  std::vector<skin::TPixelRun> runs;
  for (int y = 0; y < picture.Height(); ++y) {
    runs.clear();
    skin::AppendOpaqueRuns(picture.Row(y), picture.Width(), 3, key, runs);
    int end = -1;
    for (const skin::TPixelRun& run : runs) {
      if (run.Begin <= end || run.End <= run.Begin || run.End > picture.Width()) __builtin_trap();
      end = run.End;
    }
  }

  // An item's icon and caption for any item and sizes: no overflow on the way
  // (the undefined-behaviour sanitizer watches), and a caption as wide as measured.
  const TPixelRect item{Size(in, 200), Size(in, 40), Size(in, 400), Size(in, 60)};
  const auto alignment = static_cast<skin::TCaptionAlignment>(in.ConsumeIntegralInRange(0, 2));
  const int textWidth = Size(in, 300);
  const skin::TIconCaptionPlaces places =
      skin::PlaceIconCaption(item, alignment, Size(in, 32), Size(in, 32), textWidth, Size(in, 30));
  if (textWidth >= 0 && textWidth <= 300 && places.Text.Left < 1000000 && places.Text.Left > -1000000 &&
      places.Text.Width() != textWidth)
    __builtin_trap();

  // A tab strip for any control, page area and tab (the sanitizer watches for
  // overflow); a drawn strip and the pictures keep their pixels when turned.
  const auto side = static_cast<skin::TTabPosition>(in.ConsumeIntegralInRange(0, 3));
  const TPixelRect control{Size(in, 50), Size(in, 50), Size(in, 400), Size(in, 300)};
  const TPixelRect pageArea{Size(in, 100), Size(in, 100), Size(in, 400), Size(in, 300)};
  const TPixelRect page = skin::PageBorderRect(pageArea, side);
  const TPixelRect strip = skin::TabStripRect(control, page, side);
  const skin::TStripSize stripSize = skin::WorkStripSize(strip, side);
  skin::TabInWorkStrip({Size(in, 400), Size(in, 300), Size(in, 400), Size(in, 300)}, side, control, page,
                       stripSize.Width);
  if (stripSize.Width > 0 && stripSize.Height > 0 && stripSize.Width <= 400 && stripSize.Height <= 400) {
    skin::TSkinBitmap work(stripSize.Width, stripSize.Height);
    skin::TurnWorkStrip(side, work);
    if (static_cast<long long>(work.Width()) * work.Height() !=
        static_cast<long long>(stripSize.Width) * stripSize.Height)
      __builtin_trap();
  }
  skin::TSkinBitmap tabPicture = picture, borderPicture = picture;
  skin::TurnTabPictures(side, tabPicture, borderPicture);
  if (tabPicture.Width() * tabPicture.Height() != picture.Width() * picture.Height()) __builtin_trap();

  // A scroll bar of any rectangle and range: every part inside the bar, the
  // thumb on the track.
  const TPixelRect bar{Size(in, 300), Size(in, 300), Size(in, 300), Size(in, 300)};
  const skin::TScrollRange range{in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                                 in.ConsumeIntegral<int>()};
  const skin::TScrollBarLayout scroll =
      skin::LayoutScrollBar(bar, in.ConsumeBool(), range, {Size(in, 20), Size(in, 10), Size(in, 6)}, in.ConsumeBool());
  for (const TPixelRect& part :
       {scroll.FirstArrow, scroll.SecondArrow, scroll.Track, scroll.FirstTrack(), scroll.SecondTrack()})
    if (!part.Empty() && !Inside(part, bar)) __builtin_trap();
  if (!scroll.Thumb.Empty() && !Inside(scroll.Thumb, scroll.Track)) __builtin_trap();

  // A menu bar of a window's size with picture ends of any length (the
  // sanitizer watches the sums): the first button stands inside the bar, or
  // at the narrow bar's fixed offset.
  const skin::TMenuBarGeometry menuBar{
      in.ConsumeIntegralInRange(0, 32767), in.ConsumeIntegralInRange(0, 100), in.ConsumeBool(),
      in.ConsumeIntegral<int>(),           in.ConsumeIntegral<int>(),         in.ConsumeBool()};
  const int first = skin::FirstButtonOffset(menuBar);
  if (first < 0 || first > std::max(menuBar.Width, 12)) __builtin_trap();
  const std::vector<TPixelRect> buttons =
      skin::LayoutMenuBarButtons(menuBar, {in.ConsumeIntegralInRange(0, 2000), in.ConsumeIntegralInRange(0, 2000)});
  if (buttons.size() != 2) __builtin_trap();
  return 0;
}
