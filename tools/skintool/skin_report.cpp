#include "tools/skintool/skin_report.h"

#include <vector>

#include "skin/data/ini_text.h"
#include "text/gbk.h"
#include "tools/skintool/printable.h"

namespace skintool {

std::string SkinNameOf(const skin::TSkinReader& reader) {
  std::vector<std::uint8_t> settings;
  std::string settingsName;
  if (!reader.ExtractEntryContaining(".ini", settings, settingsName)) return {};
  const skin::TIniText ini(std::string_view(reinterpret_cast<const char*>(settings.data()), settings.size()));
  return text::GbkToUtf8(ini.ReadString("TitlebarSkin", "SkinName", ""));
}

void PrintInfo(const TLoadedSkin& skin, std::ostream& out) {
  const skin::TSkinReader& reader = skin.Reader;
  out << "read as: " << LayerName(skin.Layer) << '\n'
      << "version: " << reader.Version() << '\n'
      << "declared decompressed size: " << reader.DeclaredSize() << '\n'
      << "actual decompressed size: " << reader.ImageSize() << '\n'
      << "names length: " << reader.NamesLength() << '\n'
      << "entries: " << reader.EntryCount() << '\n'
      << "skin name: " << Printable(SkinNameOf(reader)) << '\n';
}

void PrintList(const TLoadedSkin& skin, std::ostream& out) {
  for (std::size_t i = 0; i < skin.Reader.EntryCount(); ++i) {
    out << Printable(text::GbkToUtf8(skin.Reader.Names()[i])) << '\t' << skin.Reader.Sizes()[i] << '\n';
  }
}

}  // namespace skintool
