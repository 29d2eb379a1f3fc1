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

// A file larger than any skin is refused by its size, unread.
bool ReadFileBytes(const std::string& gbkPath, std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path path(text::GbkToWide(gbkPath));
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxSkinFileSize) return false;
  std::ifstream file(path, std::ios::binary);
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

bool TSkinData::SetSkinFile(std::string path) {
  skinFile_ = std::move(path);
  std::vector<std::uint8_t> bytes;
  if (skinFile_.empty() || !ReadFileBytes(skinFile_, bytes) || !ReadSkin(bytes)) return false;
  archiveData_ = std::move(bytes);
  ReapplySkin();
  return true;
}

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> value) {
  std::optional<std::vector<std::uint8_t>> archive = skin::ReadSkinStream(value);
  if (!archive || archive->empty()) return;
  if (ReadSkin(*archive)) archiveData_ = std::move(*archive);
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const { return skin::WriteSkinStream(archiveData_); }

bool TSkinData::LoadSkinStream() { return ReadSkin(archiveData_); }

bool TSkinData::ReadSkin(std::span<const std::uint8_t> archive) {
  // One budget for the image, the settings and the pictures together.
  TSkinBudget budget;
  TSkinReader reader(ShowMessage);
  TSkinSettings loaded;
  if (!reader.LoadArchive(archive, budget) || !ReadArchiveSettings(loaded, reader, budget)) return false;
  skin_ = std::move(loaded);
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
