#include "skin/data/frame_counts.h"

#include <algorithm>

#include "skin/data/element_table.h"

namespace skin {
namespace {

// Glyphs are 13 pixels square in a picture under 16 pixels high, else 16; at least four states.
std::int32_t GlyphStates(std::int32_t given, const TSkinBitmap& glyphs) {
  if (given > 0) return UsableStates(given, glyphs.Width());
  const int side = glyphs.Height() < 16 ? 13 : 16;
  return std::max(glyphs.Width() / side, 4);
}

}  // namespace

void SetFrameCounts(TSkinSettings& skin, const TIniText& ini) {
  TDataSkinButton& buttons = skin.Buttons;
  buttons.FrameCount = 5;
  buttons.RadioFrameCount = GlyphStates(buttons.RadioFrameCount, buttons.RadioBitmap);
  buttons.CheckFrameCount = GlyphStates(buttons.CheckFrameCount, buttons.CheckBitmap);

  skin.Title.FrameCount = 2;
  if (skin.Progress) skin.Progress->FrameCount = 2;
  if (skin.MenuBar) skin.MenuBar->FrameCount = 2;
  for (const TElementEntry& entry : kElementTable) {
    TDataSkinObject* element = std::visit(
        [&skin](auto field) -> TDataSkinObject* {
          auto& record = skin.*field;
          return record ? &*record : nullptr;
        },
        entry.Record);
    if (!element) continue;
    element->FrameCount = entry.FrameCount == kFrameCountFromSection
                              ? UsableStates(ini.ReadInteger(entry.Section, "FrameCount", 3),
                                             std::max(element->Bitmap.Width(), element->Bitmap.Height()))
                              : entry.FrameCount;
  }
}

}  // namespace skin
