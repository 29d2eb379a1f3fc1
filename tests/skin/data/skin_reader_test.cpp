#include "skin/data/skin_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "sha256.h"
#include "skin/data/little_endian.h"
#include "skin/data/lzh_encoder.h"
#include "skin/data/skin_stream.h"
#include "test_files.h"

namespace {

using skin::TArchiveFault;
using skin::TSkinReader;
using skintest::ReadTestFile;
using TBytes = std::vector<std::uint8_t>;

// Collects the messages a reader shows.
struct TShownMessages {
  std::vector<std::string> Texts;
  TSkinReader::TShowMessage Sink() {
    return [this](std::string_view text) { Texts.emplace_back(text); };
  }
};

TSkinReader LoadedSample() {
  TSkinReader reader;
  EXPECT_TRUE(reader.LoadArchive(ReadTestFile("skins/sample.skn")));
  return reader;
}

TEST(SkinReaderSample, DirectoryMatchesTheManifestInArchiveOrder) {
  const TSkinReader reader = LoadedSample();
  EXPECT_EQ(reader.Version(), 20000);
  EXPECT_EQ(reader.ImageSize(), 23522u);
  EXPECT_EQ(reader.DeclaredSize(), 23522);

  const std::vector<skintest::TManifestEntry> manifest = skintest::SampleSkinManifest();
  ASSERT_EQ(manifest.size(), 10u);
  ASSERT_EQ(reader.EntryCount(), manifest.size());
  std::size_t total = 0;
  for (std::size_t i = 0; i < manifest.size(); ++i) {
    SCOPED_TRACE(manifest[i].Name);
    EXPECT_EQ(reader.Names()[i], manifest[i].Name);
    EXPECT_EQ(static_cast<std::size_t>(reader.Sizes()[i]), manifest[i].Size);
    EXPECT_EQ(skintest::Sha256Hex(reader.Entry(i)), manifest[i].Sha256);
    total += manifest[i].Size;
  }
  EXPECT_EQ(reader.DataArea().size(), total);
}

TEST(SkinReaderSample, LookupsIgnoreCaseAndTakeTheFirstOfEqualNames) {
  const TSkinReader reader = LoadedSample();
  TBytes entry;
  ASSERT_TRUE(reader.ExtractEntry("LEFT.BMP", entry));
  EXPECT_EQ(entry.size(), 534u);  // the later left.bmp has 70 bytes
  ASSERT_TRUE(reader.ExtractEntry("Top.Bmp", entry));
  EXPECT_EQ(entry.size(), 1462u);

  TBytes settings;
  ASSERT_TRUE(reader.ExtractEntry("sample.ini", settings));
  EXPECT_EQ(settings, ReadTestFile("skins/sample.ini"));
}

TEST(SkinReaderSample, MissingNameEmptiesTheDestination) {
  const TSkinReader reader = LoadedSample();
  TBytes entry = {1, 2, 3};
  EXPECT_FALSE(reader.ExtractEntry("missing.bmp", entry));
  EXPECT_TRUE(entry.empty());
  entry = {1, 2, 3};
  EXPECT_FALSE(reader.ExtractEntry("left.bm", entry));
  EXPECT_TRUE(entry.empty());
}

TEST(SkinReaderSample, ContainingLookupTakesThePatternAsGiven) {
  const TSkinReader reader = LoadedSample();
  TBytes entry;
  std::string found = "unchanged";
  ASSERT_TRUE(reader.ExtractEntryContaining(".ini", entry, found));
  EXPECT_EQ(found, "sample.ini");
  EXPECT_EQ(entry, ReadTestFile("skins/sample.ini"));

  ASSERT_TRUE(reader.ExtractEntryContaining("eft", entry, found));
  EXPECT_EQ(found, "left.bmp");
  EXPECT_EQ(entry.size(), 534u);

  found = "unchanged";
  EXPECT_FALSE(reader.ExtractEntryContaining(".INI", entry, found));
  EXPECT_TRUE(entry.empty());
  EXPECT_EQ(found, "unchanged");

  entry = {1};
  EXPECT_FALSE(reader.ExtractEntryContaining("", entry, found));
  EXPECT_TRUE(entry.empty());
  EXPECT_EQ(found, "unchanged");
}

TEST(SkinReaderSample, SkinStreamValueHoldsTheSameArchive) {
  const TBytes value = ReadTestFile("skins/sample.skinstream");
  const TBytes file = ReadTestFile("skins/sample.skn");
  EXPECT_TRUE(skin::LooksLikeSkinStream(value));
  EXPECT_FALSE(skin::LooksLikeSkinStream(file));
  const std::optional<TBytes> archive = skin::ReadSkinStream(value);
  ASSERT_TRUE(archive.has_value());
  EXPECT_EQ(*archive, file);
  EXPECT_EQ(skin::WriteSkinStream(file), value);
}

TEST(SkinStream, LengthOfZeroOrLessMeansNoArchive) {
  EXPECT_EQ(skin::ReadSkinStream(TBytes{0, 0, 0, 0}), TBytes());
  EXPECT_EQ(skin::ReadSkinStream(TBytes{0xFF, 0xFF, 0xFF, 0xFF, 7, 7}), TBytes());
}

TEST(SkinStream, ValueShorterThanItsPrefixOrItsLengthIsRefused) {
  EXPECT_FALSE(skin::ReadSkinStream(TBytes{5, 0, 0}).has_value());
  EXPECT_FALSE(skin::ReadSkinStream(TBytes{5, 0, 0, 0, 1, 2, 3, 4}).has_value());
  EXPECT_FALSE(skin::ReadSkinStream(TBytes{0xFF, 0xFF, 0xFF, 0x7F, 1}).has_value());
  EXPECT_EQ(skin::ReadSkinStream(TBytes{2, 0, 0, 0, 8, 9, 10}), (TBytes{8, 9}));
}

TEST(SkinReaderVersion, OlderVersionIsRefusedWithTheMessage) {
  TShownMessages shown;
  TSkinReader reader(shown.Sink());
  EXPECT_FALSE(reader.LoadArchive(ReadTestFile("skins/oldversion.skn")));
  EXPECT_EQ(reader.Fault(), TArchiveFault::OlderVersion);
  EXPECT_EQ(reader.Version(), 19999);
  EXPECT_EQ(reader.EntryCount(), 0u);
  ASSERT_EQ(shown.Texts.size(), 1u);
  EXPECT_EQ(shown.Texts[0], "This is Older Skin File\rPlease update to new version !");
}

// A decompressed image written field by field, so that each field can be wrong.
struct TRawImage {
  TRawImage() = default;
  TRawImage(std::string names, std::vector<std::int32_t> sizes, TBytes data = {})
      : Names(std::move(names)), Sizes(std::move(sizes)), Data(std::move(data)) {}

  std::int32_t Version = 20000;
  std::optional<std::int32_t> NamesLength;  // the block's length when not given
  std::string Names;
  std::vector<std::int32_t> Sizes;
  TBytes Data;

  TBytes Image() const {
    TBytes image;
    skin::AppendInt32Le(image, Version);
    skin::AppendInt32Le(image, NamesLength.value_or(static_cast<std::int32_t>(Names.size())));
    skin::AppendInt32Le(image, 0x12345678);  // reserved words are never read
    skin::AppendInt32Le(image, -1);
    image.insert(image.end(), Names.begin(), Names.end());
    for (std::int32_t size : Sizes) skin::AppendInt32Le(image, size);
    image.insert(image.end(), Data.begin(), Data.end());
    return image;
  }
};

TBytes ArchiveOf(const TBytes& image) {
  TBytes archive;
  skin::AppendInt32Le(archive, static_cast<std::int32_t>(image.size()));
  const TBytes stream = skin::LzhEncode(image);
  archive.insert(archive.end(), stream.begin(), stream.end());
  return archive;
}

// Loads and returns the fault; messages shown are collected.
struct TLoadOutcome {
  bool Loaded;
  TArchiveFault Fault;
  std::size_t Messages;
  std::size_t Entries;
};

TLoadOutcome Load(const TBytes& archive) {
  TShownMessages shown;
  TSkinReader reader(shown.Sink());
  const bool loaded = reader.LoadArchive(archive);
  return {loaded, reader.Fault(), shown.Texts.size(), reader.EntryCount()};
}

TEST(SkinReaderVersion, VersionsNextTo20000AndAnEmptyImageShowTheMessage) {
  for (std::int32_t version : {19999, 20001, 0}) {
    TRawImage image;
    image.Version = version;
    const TLoadOutcome outcome = Load(ArchiveOf(image.Image()));
    EXPECT_FALSE(outcome.Loaded) << version;
    EXPECT_EQ(outcome.Messages, 1u) << version;
  }
  for (TBytes declared : {TBytes{0, 0, 0, 0}, TBytes{0xFE, 0xFF, 0xFF, 0xFF, 0x55}}) {
    const TLoadOutcome outcome = Load(declared);
    EXPECT_EQ(outcome.Fault, TArchiveFault::OlderVersion);
    EXPECT_EQ(outcome.Messages, 1u);
  }
  // An image too short for its header still has a version to tell the user about.
  for (const TBytes& shortImage :
       {TBytes{0x1F, 0x4E, 0, 0}, TBytes{0x21, 0x4E, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}) {
    const TLoadOutcome outcome = Load(ArchiveOf(shortImage));
    EXPECT_EQ(outcome.Fault, TArchiveFault::OlderVersion);
    EXPECT_EQ(outcome.Messages, 1u);
  }
}

TEST(SkinReaderMalformed, ShortArchiveOrHeaderIsRefusedSilently) {
  EXPECT_EQ(Load(TBytes{0x10, 0}).Fault, TArchiveFault::NoDeclaredSize);

  TBytes cutHeader;
  skin::AppendInt32Le(cutHeader, 20000);
  skin::AppendInt32Le(cutHeader, 0);
  const TLoadOutcome outcome = Load(ArchiveOf(cutHeader));
  EXPECT_FALSE(outcome.Loaded);
  EXPECT_EQ(outcome.Fault, TArchiveFault::HeaderCut);
  EXPECT_EQ(outcome.Messages, 0u);
}

TEST(SkinReaderMalformed, DeclaredSizeAbove32MiBIsRefusedWithoutDecoding) {
  TBytes archive;
  skin::AppendInt32Le(archive, (32 << 20) + 1);
  const TLoadOutcome outcome = Load(archive);
  EXPECT_EQ(outcome.Fault, TArchiveFault::ImageTooLarge);
  EXPECT_EQ(outcome.Messages, 0u);
  skin::AppendInt32Le(archive, 0);
  archive[0] = 0xFF, archive[1] = 0xFF, archive[2] = 0xFF, archive[3] = 0x7F;
  EXPECT_EQ(Load(archive).Fault, TArchiveFault::ImageTooLarge);
}

TEST(SkinReaderMalformed, NamesBlockOutsideTheImageIsRefused) {
  TRawImage image("a.bmp\r\n", {2}, TBytes{7, 8});
  const std::int32_t room = static_cast<std::int32_t>(image.Image().size()) - 16;
  image.NamesLength = room;
  EXPECT_TRUE(Load(ArchiveOf(image.Image())).Fault != TArchiveFault::NamesBeyondImage);
  image.NamesLength = room + 1;
  EXPECT_EQ(Load(ArchiveOf(image.Image())).Fault, TArchiveFault::NamesBeyondImage);
  image.NamesLength = -1;
  EXPECT_EQ(Load(ArchiveOf(image.Image())).Fault, TArchiveFault::NamesBeyondImage);
}

std::string ManyNames(std::size_t count) {
  std::string names;
  for (std::size_t i = 0; i < count; ++i) names.append("e").append(std::to_string(i)).append("\r\n");
  return names;
}

TEST(SkinReaderMalformed, MoreThan1001EntriesAreRefused) {
  TRawImage image(ManyNames(1001), std::vector<std::int32_t>(1001, 0));
  const TLoadOutcome most = Load(ArchiveOf(image.Image()));
  EXPECT_TRUE(most.Loaded);
  EXPECT_EQ(most.Entries, 1001u);

  image = TRawImage(ManyNames(1002), std::vector<std::int32_t>(1002, 0));
  const TLoadOutcome tooMany = Load(ArchiveOf(image.Image()));
  EXPECT_FALSE(tooMany.Loaded);
  EXPECT_EQ(tooMany.Fault, TArchiveFault::TooManyEntries);
  EXPECT_EQ(tooMany.Messages, 0u);
  EXPECT_EQ(tooMany.Entries, 0u);
}

TEST(SkinReaderMalformed, SizeTableOrSizesPastTheDataAreaAreRefused) {
  TRawImage image("a\r\nb\r\n", {3, 2}, TBytes{1, 2, 3, 4, 5});
  EXPECT_TRUE(Load(ArchiveOf(image.Image())).Loaded);

  image.Sizes = {3, 3};
  EXPECT_EQ(Load(ArchiveOf(image.Image())).Fault, TArchiveFault::SizesBeyondData);
  image.Sizes = {-1, 2};
  EXPECT_EQ(Load(ArchiveOf(image.Image())).Fault, TArchiveFault::NegativeSize);
  // Sizes whose 32-bit sum wraps round to a small number.
  image.Sizes = {0x7FFFFFFF, 0x7FFFFFFF};
  EXPECT_EQ(Load(ArchiveOf(image.Image())).Fault, TArchiveFault::SizesBeyondData);

  image = TRawImage("a\r\nb\r\nc\r\n", {0, 0});
  EXPECT_EQ(Load(ArchiveOf(image.Image())).Fault, TArchiveFault::SizesBeyondImage);
}

TEST(SkinReaderMalformed, RefusedLoadLeavesNothingOfAnEarlierArchive) {
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(ReadTestFile("skins/sample.skn")));
  const TRawImage image("a\r\n", {-4});
  EXPECT_FALSE(reader.LoadArchive(ArchiveOf(image.Image())));
  TBytes entry;
  EXPECT_FALSE(reader.ExtractEntry("sample.ini", entry));
  EXPECT_EQ(reader.EntryCount(), 0u);
  EXPECT_TRUE(reader.DataArea().empty());
}

// Small archives that would cost much: each is refused by the reader with its
// reason, having decoded no more than the refusal needed.
TEST(SkinReaderHostile, RefusedForWhatTheyWouldCost) {
  struct THostile {
    const char* What;
    TBytes Archive;
    std::size_t Budget;
    TArchiveFault Fault;
    std::size_t MostDecoded;
    std::size_t Messages;
  };
  const TBytes sample = ReadTestFile("skins/sample.skn");
  TRawImage manyLines;
  manyLines.Names.assign(std::size_t{4} << 20, '\n');
  const std::vector<THostile> cases = {
      {"sample cut short by 200 bytes", TBytes(sample.begin(), sample.end() - 200), skin::kSkinMemoryBudget,
       TArchiveFault::StreamCut, 23522 + 60, 1},
      {"sample cut after one byte of stream", TBytes(sample.begin(), sample.begin() + 5), skin::kSkinMemoryBudget,
       TArchiveFault::StreamCut, 4096 + 60, 1},
      {"4 MiB names block of empty lines", ArchiveOf(manyLines.Image()), skin::kSkinMemoryBudget,
       TArchiveFault::TooManyEntries, 8192 + 60, 0},
      {"image larger than a small budget", sample, 16 << 10, TArchiveFault::OverBudget, 0, 0},
  };
  for (const THostile& hostile : cases) {
    SCOPED_TRACE(hostile.What);
    TShownMessages shown;
    TSkinReader reader(shown.Sink());
    skin::TSkinBudget budget(hostile.Budget);
    EXPECT_FALSE(reader.LoadArchive(hostile.Archive, budget));
    EXPECT_EQ(reader.Fault(), hostile.Fault);
    EXPECT_LE(reader.ImageSize(), hostile.MostDecoded);
    EXPECT_EQ(shown.Texts.size(), hostile.Messages);
    EXPECT_EQ(reader.EntryCount(), 0u);
  }
  EXPECT_EQ(skin::DescribeArchiveFault(TArchiveFault::StreamCut),
            "the compressed stream ends before the declared size is decoded");
}

TEST(SkinReaderImage, DataAfterTheLastEntryIsKeptAndIgnoredByLookups) {
  const TRawImage image("One.BMP\r\n\r\nthree", {1, 2, 1}, TBytes{1, 2, 3, 4, 5, 6});
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(ArchiveOf(image.Image())));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"one.bmp", "", "three"}));
  TBytes entry;
  ASSERT_TRUE(reader.ExtractEntry("", entry));
  EXPECT_EQ(entry, (TBytes{2, 3}));
  ASSERT_TRUE(reader.ExtractEntry("THREE", entry));
  EXPECT_EQ(entry, (TBytes{4}));
  EXPECT_EQ(reader.DataArea().size(), 6u);
}

}  // namespace
