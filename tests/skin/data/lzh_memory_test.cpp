#include <gtest/gtest.h>

#include <string>

#include "allocation_failure.h"
#include "skin/data/lzh_decoder.h"
#include "skin/data/lzh_exception.h"
#include "skin/data/skin_reader.h"

namespace {

TEST(LzhMemory, TablesThatCannotBeAllocatedRaiseTheCodecsException) {
  std::string message;
  std::size_t written = 0;
  const skin::TLZH::TReadByte read = [](std::uint8_t&) -> std::size_t { return 0; };
  const skin::TLZH::TWriteByte write = [&](std::uint8_t) { ++written; };
  try {
    // Only the tables are this large; the exception's message still finds memory.
    const skintest::TFailingAllocations failing(1024);
    skin::TLZH().Unpack(100, read, write);
  } catch (const skin::ElzhException& error) {
    message = error.what();
  }
  EXPECT_EQ(message, "LZH : Cannot get memory for dictionary tables");
  EXPECT_EQ(written, 0u);
}

TEST(LzhMemory, OversizedDeclarationIsRefusedBeforeAnythingIsAllocated) {
  // 64 MiB + 1 declared, no stream: refused without touching the heap.
  const std::vector<std::uint8_t> archive = {0x01, 0x00, 0x00, 0x04};
  skin::TSkinReader reader;
  bool loaded = true;
  {
    const skintest::TFailingAllocations failing;
    loaded = reader.LoadArchive(archive);
  }
  EXPECT_FALSE(loaded);
  EXPECT_EQ(reader.Fault(), skin::TArchiveFault::ImageTooLarge);
}

}  // namespace
