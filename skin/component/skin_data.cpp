#include "skin/component/skin_data.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/component/default_skin3rd.h"
#include "skin/data/archive_settings.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"
#include "text/gbk.h"
#include "ui/forms/application.h"

namespace skin {
namespace {

constexpr int kGlyphSide = 16;

std::unique_ptr<ui::TImageList> LoadSysMenuGlyphs() {
  auto glyphs = std::make_unique<ui::TImageList>(nullptr, kGlyphSide, kGlyphSide);
  ui::TBitmap strip;
  if (strip.LoadFromResourceName(GetModuleHandleW(nullptr), TSkinData::kSysMenuGlyphsResource))
    glyphs->AddMasked(strip, clWhite);
  return glyphs;
}

bool ReadFileBytes(const std::string& gbkPath, std::vector<std::uint8_t>& bytes) {
  std::ifstream file(std::filesystem::path(text::GbkToWide(gbkPath)), std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

}  // namespace

TSkinData::TSkinData(ui::TComponent* owner, TSkinRequests& requests)
    : ui::TComponent(owner),
      ShowMessage([](std::string_view text) { ui::Application().ShowMessage(std::string(text)); }),
      requests_(requests),
      skin3rd_(kDefaultSkin3rd.begin(), kDefaultSkin3rd.end()) {
  ReplaceFaceBrush();
}

TSkinData::~TSkinData() {
  BeginDestroy();
  requests_.ComponentDestroyed(*this);
}

void TSkinData::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  // Until the component is handed to the manager the value is only stored; Loaded acts on it.
  if (!Loading()) requests_.ActiveChanged(*this);
}

void TSkinData::SetSkinFile(std::string path) {
  skin_.SkinEmpty = true;
  skinFile_ = std::move(path);
  std::vector<std::uint8_t> bytes;
  if (skinFile_.empty() || !ReadFileBytes(skinFile_, bytes)) return;
  archiveData_ = std::move(bytes);
  LoadSkinStream();
  ReapplySkin();
}

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> value) {
  std::optional<std::vector<std::uint8_t>> archive = skin::ReadSkinStream(value);
  if (!archive || archive->empty()) return;
  archiveData_ = std::move(*archive);
  LoadSkinStream();
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const { return skin::WriteSkinStream(archiveData_); }

bool TSkinData::LoadSkinStream() {
  skin_.SkinEmpty = true;
  TSkinReader reader(ShowMessage);
  if (!reader.LoadArchive(archiveData_) || !ReadArchiveSettings(skin_, reader)) return false;
  ReplaceFaceBrush();
  return true;
}

void TSkinData::Loaded() {
  ui::TComponent::Loaded();
  // A main-form component cannot be on without a skin.
  if (formType_ == TSkinFormType::sfMainform && SkinEmpty()) active_ = false;
  requests_.ComponentLoaded(*this);
}

void TSkinData::ReapplySkin() {
  if (Loading()) return;
  if (!requests_.Running()) Loaded();
  requests_.SkinChanged(*this);
}

ui::TImageList& TSkinData::SysMenuGlyphs() {
  if (!sysMenuGlyphs_) sysMenuGlyphs_ = LoadSysMenuGlyphs();
  return *sysMenuGlyphs_;
}

void TSkinData::ReplaceFaceBrush() { faceBrush_.reset(CreateSolidBrush(ui::ColourToRgb(skin_.ButtonFaceColour))); }

}  // namespace skin
