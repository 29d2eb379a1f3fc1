#include "tools/skintool/skin_input.h"

#include <string>

#include "skin/data/skin_stream.h"
#include "tools/skintool/tool_error.h"

namespace skintool {

namespace {

std::string FaultOf(const skin::TSkinReader& reader) {
  if (reader.Fault() == skin::TArchiveFault::OlderVersion) {
    return "archive version " + std::to_string(reader.Version()) + " is not 20000";
  }
  return std::string(skin::DescribeArchiveFault(reader.Fault()));
}

}  // namespace

std::string_view LayerName(TSkinLayer layer) {
  return layer == TSkinLayer::SkinStream ? "SkinStream value" : "skin file";
}

TLoadedSkin LoadSkin(std::span<const std::uint8_t> bytes) {
  TLoadedSkin skin;
  if (!skin.Reader.LoadArchive(bytes)) {
    const std::string fileFault = FaultOf(skin.Reader);
    if (!skin::LooksLikeSkinStream(bytes)) throw TToolError("not a loadable skin file: " + fileFault);
    skin.Layer = TSkinLayer::SkinStream;
    if (!skin.Reader.LoadArchive(*skin::ReadSkinStream(bytes))) {
      throw TToolError("not a loadable skin file (" + fileFault + ") nor SkinStream value (" + FaultOf(skin.Reader) +
                       ")");
    }
  }
  return skin;
}

}  // namespace skintool
