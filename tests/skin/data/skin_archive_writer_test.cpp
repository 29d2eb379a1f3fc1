#include "skin/data/skin_archive_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/skin_reader.h"
#include "test_files.h"

namespace {

using skin::TSkinEntry;
using skin::TSkinReader;
using TBytes = std::vector<std::uint8_t>;

TEST(SkinArchiveWriter, SampleEntriesPackAndLoadBackUnchanged) {
  TSkinReader sample;
  ASSERT_TRUE(sample.LoadArchive(skintest::ReadTestFile("skins/sample.skn")));
  std::vector<TSkinEntry> entries;
  for (std::size_t i = 0; i < sample.EntryCount(); ++i) {
    const std::span<const std::uint8_t> bytes = sample.Entry(i);
    entries.push_back({sample.Names()[i], TBytes(bytes.begin(), bytes.end())});
  }

  TSkinReader packed;
  ASSERT_TRUE(packed.LoadArchive(skin::ComposeSkinArchive(entries)));
  EXPECT_EQ(packed.Names(), sample.Names());
  EXPECT_EQ(packed.Sizes(), sample.Sizes());
  EXPECT_TRUE(std::ranges::equal(packed.DataArea(), sample.DataArea()));
  TBytes first;
  ASSERT_TRUE(packed.ExtractEntry("left.bmp", first));
  EXPECT_EQ(first.size(), 534u);
}

TEST(SkinArchiveWriter, RandomEntrySetsRoundTrip) {
  std::mt19937 random(2024);
  for (int round = 0; round < 20; ++round) {
    std::vector<TSkinEntry> entries(random() % 40);
    for (TSkinEntry& entry : entries) {
      entry.Name = "Entry" + std::to_string(random() % 30) + (random() % 2 ? ".bmp" : ".INI");
      entry.Bytes.resize(random() % 3000);
      for (std::uint8_t& b : entry.Bytes) b = static_cast<std::uint8_t>(random() % 7);
    }
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(skin::ComposeSkinArchive(entries)));
    ASSERT_EQ(reader.EntryCount(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_TRUE(std::ranges::equal(reader.Entry(i), entries[i].Bytes));
      TBytes found;
      reader.ExtractEntry(entries[i].Name, found);
      // Lookups return the first entry of the name, which may be an earlier one.
      std::size_t first = 0;
      while (reader.Names()[first] != reader.Names()[i]) ++first;
      EXPECT_EQ(found, entries[first].Bytes);
    }
  }
}

TEST(SkinArchiveWriter, NamesTheBlockCannotHoldAreRefused) {
  EXPECT_THROW(skin::ComposeSkinImage({{"a\r\nb.bmp", {}}}), std::invalid_argument);
  EXPECT_THROW(skin::ComposeSkinImage({{std::string("a\0b", 3), {}}}), std::invalid_argument);
  EXPECT_THROW(skin::ComposeSkinImage(std::vector<TSkinEntry>(1002)), std::invalid_argument);
  EXPECT_NO_THROW(skin::ComposeSkinImage(std::vector<TSkinEntry>(1001)));
}

}  // namespace
