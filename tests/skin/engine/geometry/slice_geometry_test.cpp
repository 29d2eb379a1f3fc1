#include <gtest/gtest.h>

#include <vector>

#include "skin/engine/geometry/frame_cell.h"
#include "skin/engine/geometry/nine_slice.h"
#include "skin/engine/geometry/three_slice.h"
#include "skin/engine/geometry/tile_grid.h"

namespace skin {

void PrintTo(const TPixelRect& r, std::ostream* out) {
  *out << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}

namespace {

struct TExpectedPiece {
  TPixelRect Source;
  TPixelRect Target;
};

void ExpectStretchedPieces(const TSlicePlan& plan, const std::vector<TExpectedPiece>& expected) {
  ASSERT_EQ(plan.Pieces().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const TSlicePiece& piece = plan.Pieces()[i];
    EXPECT_EQ(piece.Source, expected[i].Source) << "piece " << i;
    EXPECT_EQ(piece.Target, expected[i].Target) << "piece " << i;
    EXPECT_EQ(piece.CopyWidth, piece.Target.Width()) << "piece " << i;
    EXPECT_EQ(piece.CopyHeight, piece.Target.Height()) << "piece " << i;
  }
}

// A repeated piece: each copy's size, how many copies, and where the last one lies.
void ExpectCopies(const TSlicePiece& piece, int copyWidth, int copyHeight, int columns, int rows,
                  const TPixelRect& last) {
  EXPECT_EQ(piece.CopyWidth, copyWidth);
  EXPECT_EQ(piece.CopyHeight, copyHeight);
  const TTileGrid copies = piece.Copies();
  EXPECT_EQ(copies.Columns, columns);
  EXPECT_EQ(copies.Rows, rows);
  EXPECT_EQ(copies.Tile(columns - 1, rows - 1), last);
}

TEST(FrameCell, CellsAreNumberedFromOneAlongTheStrip) {
  // 31 wide in 3 cells: 10 each, the odd column unused; frame 3 is the right-most.
  EXPECT_EQ(FrameCellRect(31, 8, false, 3, 1), (TPixelRect{0, 0, 10, 8}));
  EXPECT_EQ(FrameCellRect(31, 8, false, 3, 3), (TPixelRect{20, 0, 30, 8}));
  EXPECT_EQ(FrameCellRect(8, 31, true, 3, 2), (TPixelRect{0, 10, 8, 20}));
}

TEST(FrameCell, IndexesOutsideTheStripAreClampedIntoIt) {
  EXPECT_EQ(FrameCellRect(30, 8, false, 3, 0), FrameCellRect(30, 8, false, 3, 1));
  EXPECT_EQ(FrameCellRect(30, 8, false, 3, -7), FrameCellRect(30, 8, false, 3, 1));
  EXPECT_EQ(FrameCellRect(30, 8, false, 3, 4), FrameCellRect(30, 8, false, 3, 3));
  EXPECT_EQ(FrameCellRect(8, 30, true, 3, 1 << 30), (TPixelRect{0, 20, 8, 30}));
  // No count is one cell, the whole picture.
  EXPECT_EQ(FrameCellRect(30, 8, false, 0, 2), (TPixelRect{0, 0, 30, 8}));
  // More cells than pixels: every cell is empty, none reaches outside.
  const TPixelRect tiny = FrameCellRect(2, 8, false, 5, 5);
  EXPECT_TRUE(tiny.Empty());
  EXPECT_LE(tiny.Right, 2);
}

// Cell 2 of a 2-cell strip 20 x 10: columns 10..20. Margins left 3, top 2, right 4, bottom 1.
constexpr TPixelRect kCell{10, 0, 20, 10};
constexpr TSliceMargins kMargins{3, 2, 4, 1};

TEST(NineSlice, PiecesComeInDrawingOrderWithTheirCellParts) {
  ExpectStretchedPieces(NineSlicePlan(kCell, 30, 20, kMargins, false),
                        {
                            {{10, 0, 13, 2}, {0, 0, 3, 2}},       // top-left corner
                            {{10, 9, 13, 10}, {0, 19, 3, 20}},    // bottom-left corner
                            {{16, 0, 20, 2}, {26, 0, 30, 2}},     // top-right corner
                            {{10, 2, 13, 9}, {0, 2, 3, 19}},      // left edge
                            {{13, 0, 16, 2}, {3, 0, 26, 2}},      // top edge
                            {{13, 2, 16, 9}, {3, 2, 26, 19}},     // centre
                            {{16, 9, 20, 10}, {26, 19, 30, 20}},  // bottom-right corner
                            {{16, 2, 20, 9}, {26, 2, 30, 19}},    // right edge
                            {{13, 9, 16, 10}, {3, 19, 26, 20}},   // bottom edge
                        });
}

TEST(NineSlice, MarginsThatDoNotFitAreDroppedInPairs) {
  // 6 wide < 3 + 4: no left or right pieces, the full cell width fills the target.
  ExpectStretchedPieces(NineSlicePlan(kCell, 6, 20, kMargins, false),
                        {
                            {{10, 0, 20, 2}, {0, 0, 6, 2}},     // top edge
                            {{10, 2, 20, 9}, {0, 2, 6, 19}},    // centre
                            {{10, 9, 20, 10}, {0, 19, 6, 20}},  // bottom edge
                        });
  // 2 high < 2 + 1: only left edge, centre and right edge remain.
  ExpectStretchedPieces(NineSlicePlan(kCell, 30, 2, kMargins, false), {
                                                                          {{10, 0, 13, 10}, {0, 0, 3, 2}},
                                                                          {{13, 0, 16, 10}, {3, 0, 26, 2}},
                                                                          {{16, 0, 20, 10}, {26, 0, 30, 2}},
                                                                      });
  // Exactly fitting margins are kept: corners and side edges; the empty centre, top and bottom are left out.
  EXPECT_EQ(NineSlicePlan(kCell, 7, 20, kMargins, false).Pieces().size(), 6u);
}

TEST(NineSlice, FrameEdgesAreTheNineSliceWithoutItsCentre) {
  const TSlicePlan nine = NineSlicePlan(kCell, 30, 20, kMargins, false);
  std::vector<TExpectedPiece> edges;
  for (const TSlicePiece& piece : nine.Pieces())
    if (piece.Target != TPixelRect{3, 2, 26, 19}) edges.push_back({piece.Source, piece.Target});
  ASSERT_EQ(edges.size(), 8u);
  ExpectStretchedPieces(FrameEdgesPlan(kCell, 30, 20, kMargins), edges);
  // A target narrower than its side margins loses them: only the top and bottom edges are left.
  EXPECT_EQ(FrameEdgesPlan(kCell, 6, 20, kMargins).Pieces().size(), 2u);
}

TEST(NineSlice, ATiledCentreRepeatsAtItsOwnSize) {
  const TSlicePlan plan = NineSlicePlan(kCell, 30, 20, kMargins, true);
  const TSlicePiece& centre = plan.Pieces()[5];
  EXPECT_EQ(centre.Target, (TPixelRect{3, 2, 26, 19}));
  // 23 x 17 in 3 x 7 tiles: 8 columns, 3 rows; the last ones run under the right and bottom pieces.
  ExpectCopies(centre, 3, 7, 8, 3, {24, 16, 27, 23});
}

TEST(NineSlice, MarginsLargerThanTheCellNeverReachOutsideIt) {
  const TSlicePlan plan = NineSlicePlan(kCell, 500, 500, {40, 40, 40, 40}, false);
  ASSERT_FALSE(plan.Pieces().empty());
  for (const TSlicePiece& piece : plan.Pieces()) {
    EXPECT_GE(piece.Source.Left, kCell.Left);
    EXPECT_LE(piece.Source.Right, kCell.Right);
    EXPECT_GE(piece.Source.Top, kCell.Top);
    EXPECT_LE(piece.Source.Bottom, kCell.Bottom);
  }
  EXPECT_TRUE(NineSlicePlan({}, 30, 20, kMargins, false).Pieces().empty());
  EXPECT_TRUE(NineSlicePlan(kCell, 0, 20, kMargins, false).Pieces().empty());
}

TEST(ThreeSlice, EndsKeepTheirWidthAndTheMiddleRepeats) {
  // Cell 10 wide, ends 3 and 4: a middle of 3, copied at x = 3, 6, ..., 24 (< 30 - 4), then the right end.
  const TSlicePlan plan = ThreeSlicePlan(kCell, 30, 6, 3, 4);
  ASSERT_EQ(plan.Pieces().size(), 3u);
  EXPECT_EQ(plan.Pieces()[0].Source, (TPixelRect{10, 0, 13, 10}));
  EXPECT_EQ(plan.Pieces()[0].Target, (TPixelRect{0, 0, 3, 6}));
  EXPECT_EQ(plan.Pieces()[1].Source, (TPixelRect{13, 0, 16, 10}));
  ExpectCopies(plan.Pieces()[1], 3, 6, 8, 1, {24, 0, 27, 6});
  EXPECT_EQ(plan.Pieces()[2].Source, (TPixelRect{16, 0, 20, 10}));
  EXPECT_EQ(plan.Pieces()[2].Target, (TPixelRect{26, 0, 30, 6}));
}

TEST(ThreeSlice, ACellNoWiderThanItsEndsDrawsTheEndsOnly) {
  const TSlicePlan plan = ThreeSlicePlan(kCell, 30, 6, 6, 4);
  ASSERT_EQ(plan.Pieces().size(), 2u);
  EXPECT_EQ(plan.Pieces()[0].Target, (TPixelRect{0, 0, 6, 6}));
  EXPECT_EQ(plan.Pieces()[1].Target, (TPixelRect{26, 0, 30, 6}));
}

TEST(TileGrid, TheLastRowAndColumnAreWholeTiles) {
  const TTileGrid grid = TileGrid({5, 1, 15, 8}, 4, 3);
  EXPECT_EQ(grid.Columns, 3);
  EXPECT_EQ(grid.Rows, 3);
  EXPECT_EQ(grid.Tile(0, 0), (TPixelRect{5, 1, 9, 4}));
  EXPECT_EQ(grid.Tile(2, 2), (TPixelRect{13, 7, 17, 10}));
  EXPECT_EQ(TileGrid({0, 0, 8, 6}, 4, 3).Columns, 2);  // dividing evenly: no extra column
  EXPECT_EQ(TileGrid({0, 0, 8, 6}, 0, 3).Columns, 0);
  EXPECT_EQ(TileGrid({0, 0, 0, 6}, 4, 3).Rows, 0);
}

}  // namespace
}  // namespace skin
