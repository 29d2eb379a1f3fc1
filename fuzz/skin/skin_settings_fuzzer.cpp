// Any bytes as the settings text of a skin whose pictures are the entries of
// the sample skin, plus one entry that is no BMP file and one whose pixels
// would pass the skin's memory budget: the read completes with every state
// count usable by the painters and every length within what a window can
// show, or ends with EInvalidGraphic or ESkinTooLarge and the skin still empty.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "skin/data/archive_settings.h"
#include "skin/data/bmp_decoder.h"
#include "skin/data/element_table.h"
#include "skin/data/skin_settings_reader.h"

namespace {

const skin::TSkinReader& SampleSkin() {
  static const skin::TSkinReader reader = [] {
    std::ifstream file(RILVANTA_TESTDATA_DIR "/skins/sample.skn", std::ios::binary);
    const std::vector<std::uint8_t> archive((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    skin::TSkinReader loaded;
    if (!loaded.LoadArchive(archive)) __builtin_trap();
    return loaded;
  }();
  return reader;
}

// A run-length picture of 16,384 x 16,384 pixels in 56 bytes: its header and
// one end-of-picture mark.
std::vector<std::uint8_t> PictureBomb() {
  std::vector<std::uint8_t> file(56, 0);
  const auto put = [&file](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B', file[1] = 'M';
  put(2, 56), put(10, 54), put(14, 40), put(18, 16384), put(22, 16384), put(26, 1 | 8 << 16), put(30, 1);
  file[55] = 1;
  return file;
}

// Every state count usable, every length within what a window can show (the
// title keeps places, which may be negative, in its length fields).
void CheckStates(const skin::TDataSkinObject& element) {
  if (element.FrameCount < 1) __builtin_trap();
  const int least = element.Name == "Title" ? -skin::kMaxSkinLength : 0;
  for (const std::int32_t length : {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight})
    if (length < least || length > skin::kMaxSkinLength) __builtin_trap();
}

void CheckLoaded(const skin::TSkinSettings& skin) {
  const std::initializer_list<const skin::TDataSkinObject*> permanent = {
      &skin.LeftBorder, &skin.RightBorder, &skin.TopBorder, &skin.BottomBorder, &skin.Title, &skin.Buttons};
  for (const skin::TDataSkinObject* element : permanent) CheckStates(*element);
  if (skin.Progress) CheckStates(*skin.Progress);
  if (skin.MenuBar) CheckStates(*skin.MenuBar);
  if (skin.Buttons.CheckFrameCount < 1 || skin.Buttons.RadioFrameCount < 1) __builtin_trap();
  if (skin.SysButtons.size() < 3) __builtin_trap();
  for (const skin::TDataSkinSysButton& button : skin.SysButtons) CheckStates(button);
  for (const skin::TElementEntry& entry : skin::kElementTable) {
    std::visit(
        [&skin](auto field) {
          if (const auto& element = skin.*field) CheckStates(*element);
        },
        entry.Record);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const skin::TEntryLookup sample = skin::ArchiveEntries(SampleSkin());
  static const std::vector<std::uint8_t> notBmp = {'B', 'M', 'x'};
  static const std::vector<std::uint8_t> bomb = PictureBomb();
  const skin::TEntryLookup entries = [&sample](std::string_view name) {
    if (name == "bad.bmp") return std::span<const std::uint8_t>(notBmp);
    return name == "bomb.bmp" ? std::span<const std::uint8_t>(bomb) : sample(name);
  };
  skin::TSkinSettings skin;
  try {
    skin::ReadSkinSettings(skin, std::string_view(reinterpret_cast<const char*>(data), size), entries);
    if (skin.SkinEmpty) __builtin_trap();
    CheckLoaded(skin);
  } catch (const skin::EInvalidGraphic&) {
    if (!skin.SkinEmpty) __builtin_trap();
  } catch (const skin::ESkinTooLarge&) {
    if (!skin.SkinEmpty) __builtin_trap();
  }
  return 0;
}
