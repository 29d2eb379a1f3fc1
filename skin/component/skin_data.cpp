#include "skin/component/skin_data.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/component/default_skin3rd.h"
#include "skin/data/archive_settings.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/skin_manage.h"
#include "text/gbk.h"
#include "ui/forms/application.h"
#include "ui/forms/form.h"

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

TSkinData::TSkinData(ui::TComponent* owner)
    : ui::TComponent(owner),
      ShowMessage([](std::string_view text) { ui::Application().ShowMessage(std::string(text)); }),
      skin3rd_(kDefaultSkin3rd.begin(), kDefaultSkin3rd.end()) {
  ReplaceFaceBrush();
}

TSkinData::~TSkinData() {
  BeginDestroy();
  if (TSkinManage* manager = SkinManager()) manager->UnregisterSkinData(this);
}

void TSkinData::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  TSkinManage* manager = SkinManager();
  // Until the component is handed to the manager the value is only stored; Loaded acts on it.
  if (Loading() || !manager) return;
  const bool refused = active && SkinEmpty();
  const TSkinAction action = active ? TSkinAction::Activate : TSkinAction::Deactivate;
  switch (formType_) {
    case TSkinFormType::sfMainform:
      if (refused) return;
      manager->ScheduleAction(action, kActionDelayMs);
      manager->SetPendingSkinData(this);
      return;
    case TSkinFormType::sfOnlyThisForm:
      manager->SetPendingSkinData(this);
      if (!refused) manager->ScheduleAction(action, kActionDelayMs);
      return;
    case TSkinFormType::sfDialog:
      return;
  }
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
  TSkinManage& manager = CreateSkinManager();
  manager.RegisterSkinData(this);
  if (formType_ != TSkinFormType::sfMainform) {
    manager.SetEnabled(true);
    manager.SetStarted(manager.Started() + 1);
    if (auto* form = dynamic_cast<ui::TForm*>(Owner())) manager.AttachWindow(form->Handle());
    return;
  }
  manager.InstallHook();
  if (!active_) return;
  if (SkinEmpty()) {
    active_ = false;
    return;
  }
  manager.ScheduleAction(TSkinAction::Activate, kActionDelayMs);
  // Loaded after the first activation, the action waits for the timer, which
  // carries out only a component's own request.
  if (manager.Started() != 0) manager.SetPendingSkinData(this);
}

void TSkinData::ReapplySkin() {
  if (Loading()) return;
  if (!SkinManager()) Loaded();
  TSkinManage& manager = *SkinManager();
  manager.SetPendingSkinData(this);
  manager.ReleaseAllCaptionButtons();
  manager.ScheduleAction(TSkinAction::SkinChanged, kActionDelayMs);
}

ui::TImageList& TSkinData::SysMenuGlyphs() {
  if (!sysMenuGlyphs_) sysMenuGlyphs_ = LoadSysMenuGlyphs();
  return *sysMenuGlyphs_;
}

void TSkinData::ReplaceFaceBrush() { faceBrush_.reset(CreateSolidBrush(ui::ColourToRgb(skin_.ButtonFaceColour))); }

}  // namespace skin
