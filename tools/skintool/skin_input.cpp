#include "tools/skintool/skin_input.h"

#include <optional>
#include <string>
#include <vector>

#include "skin/data/skin_stream.h"
#include "tools/skintool/tool_error.h"

namespace skintool {

std::string_view LayerName(TSkinLayer layer) {
  return layer == TSkinLayer::SkinStream ? "SkinStream value" : "skin file";
}

TLoadedSkin LoadSkin(std::span<const std::uint8_t> bytes) {
  TLoadedSkin skin;
  std::vector<std::uint8_t> streamArchive;
  std::span<const std::uint8_t> archive = bytes;
  if (skin::LooksLikeSkinStream(bytes)) {
    skin.layer = TSkinLayer::SkinStream;
    streamArchive = *skin::ReadSkinStream(bytes);
    archive = streamArchive;
  }
  if (!skin.reader.LoadArchive(archive)) {
    std::string reason(skin::DescribeArchiveFault(skin.reader.Fault()));
    if (skin.reader.Fault() == skin::TArchiveFault::OlderVersion) {
      reason = "archive version " + std::to_string(skin.reader.Version()) + " is not 20000";
    }
    throw TToolError("not a loadable " + std::string(LayerName(skin.layer)) + ": " + reason);
  }
  return skin;
}

}  // namespace skintool
