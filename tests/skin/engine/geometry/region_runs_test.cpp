#include "skin/engine/geometry/region_runs.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace skin {
namespace {

// A row of 32-bit pixels (blue, green, red, unused), as read back from a bitmap.
std::vector<std::uint8_t> Row(std::initializer_list<std::array<std::uint8_t, 3>> pixels) {
  std::vector<std::uint8_t> row;
  for (const auto& [red, green, blue] : pixels) row.insert(row.end(), {blue, green, red, 0xAA});
  return row;
}

std::vector<TPixelRun> Runs(const std::vector<std::uint8_t>& row, const TKeyColourRange& key) {
  std::vector<TPixelRun> runs;
  AppendOpaqueRuns(row.data(), static_cast<int>(row.size() / 4), 4, key, runs);
  return runs;
}

const TKeyColourRange kFrameKey(255, 0, 255, 1, 1, 1);

TEST(RegionRuns, KeyColouredPixelsSplitARowIntoRuns) {
  const std::array<std::uint8_t, 3> m{255, 0, 255}, w{255, 255, 255};
  EXPECT_EQ(Runs(Row({m, m, m}), kFrameKey), std::vector<TPixelRun>{});
  EXPECT_EQ(Runs(Row({w, w, w}), kFrameKey), (std::vector<TPixelRun>{{0, 3}}));
  EXPECT_EQ(Runs(Row({m, w, w, m, m, w}), kFrameKey), (std::vector<TPixelRun>{{1, 3}, {5, 6}}));
  EXPECT_EQ(Runs(Row({w, m, w}), kFrameKey), (std::vector<TPixelRun>{{0, 1}, {2, 3}}));
}

TEST(RegionRuns, TolerancesReachUpFromTheKeyOnly) {
  // Red 255, green 0 or 1, blue 255 is cut out with tolerances of 1; green 2, red 254 or blue 254 stay.
  EXPECT_TRUE(kFrameKey.Matches(255, 1, 255));
  EXPECT_FALSE(kFrameKey.Matches(255, 2, 255));
  EXPECT_FALSE(kFrameKey.Matches(254, 0, 255));
  EXPECT_FALSE(kFrameKey.Matches(255, 0, 254));
  const TKeyColourRange exact(255, 0, 255, 0, 0, 0);
  EXPECT_TRUE(exact.Matches(255, 0, 255));
  EXPECT_FALSE(exact.Matches(255, 1, 255));
  const TKeyColourRange wide(10, 20, 30, 1000, 5, -1);
  EXPECT_FALSE(wide.Matches(10, 20, 30));  // a negative tolerance matches nothing
  const TKeyColourRange reaching(10, 20, 30, 1000, 5, 0);
  EXPECT_TRUE(reaching.Matches(255, 25, 30));
  EXPECT_FALSE(reaching.Matches(9, 20, 30));
}

TEST(RegionRuns, RowsOfThreeBytesPerPixelReadTheSame) {
  const std::uint8_t row[] = {255, 0, 255, 1, 2, 3, 1, 2, 3};  // magenta, then two dark pixels
  std::vector<TPixelRun> runs;
  AppendOpaqueRuns(row, 3, 3, kFrameKey, runs);
  EXPECT_EQ(runs, (std::vector<TPixelRun>{{1, 3}}));
}

}  // namespace
}  // namespace skin
