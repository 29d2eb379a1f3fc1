#pragma once
// TSkinData: the component a window carries to be skinned. It holds a skin
// archive, loads it into element records and colours, keeps the settings that
// say which windows and controls get skinners, and asks the skin manager to
// activate, deactivate or refresh the skin.
//
// Life of the calendar window's component: construction, given the skin
// manager's requests; the stored properties are read (BeginLoading, then the
// setters only store); ReadSkinStream loads the embedded skin; Loaded hands
// the component to the skin manager, which installs its hook and enables
// skinning.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/component/skin_requests.h"
#include "skin/data/skin_component_types.h"
#include "skin/data/skin_settings.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "ui/base/component.h"
#include "ui/controls/control.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/image_list.h"

namespace skin {

class TSkinData;

// Asked whether windows of class `aName` get a frame skinner; leave `doSkin` true to skin them.
using TOnFormSkin = std::function<void(ui::TComponent* sender, const std::string& aName, bool& doSkin)>;
// Asked for every control before the built-in table; set `skinnedControl` to a
// control skinner to choose the control's skinner yourself.
using TOnSkinControl =
    std::function<void(ui::TComponent* sender, TSkinData* skinData, ui::TControl* form, ui::TComponent* control,
                       const std::string& controlClass, ui::TComponent*& skinnedControl)>;

class TSkinData : public ui::TComponent {
 public:
  static constexpr int kDefaultDisableTag = 99;
  static constexpr unsigned kActionDelayMs = 250;
  // The bitmap resource of the skinned system menu's glyphs: restore,
  // maximize, minimize, close, 16 x 16 each, white transparent.
  static constexpr std::string_view kSysMenuGlyphsResource = "QUORVELMENU";

  // `requests` reach the skin manager and outlive the component.
  TSkinData(ui::TComponent* owner, TSkinRequests& requests);
  ~TSkinData() override;
  std::string ClassName() const override { return "TSkinData"; }

  // --- Stored properties ---
  bool Active() const { return active_; }
  // Turning the skin on is refused (stored, nothing scheduled) while no skin is loaded.
  void SetActive(bool active);
  // A component whose Tag mod 100 equals it gets no control skinner.
  int DisableTag() const { return disableTag_; }
  void SetDisableTag(int tag) { disableTag_ = tag; }
  TSkinControls SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControls controls) { skinControls_ = controls; }
  // Lines "class=kind" mapping other libraries' control classes to control kinds.
  const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(std::vector<std::string> lines) { skin3rd_ = std::move(lines); }
  // A skin archive file (GBK path); setting it loads that file when it exists
  // and is no larger than kMaxSkinFileSize. True when the file's skin loaded;
  // otherwise the skin worn before stays: element records, archive and
  // SkinEmpty as they were, and the windows keep what they show.
  const std::string& SkinFile() const { return skinFile_; }
  bool SetSkinFile(std::string path);
  // A display value only: "(none)" at run time; writing it changes nothing.
  std::string SkinStore() const { return "(none)"; }
  void SetSkinStore(std::string_view) {}
  TSkinFormType SkinFormtype() const { return formType_; }
  void SetSkinFormtype(TSkinFormType type) { formType_ = type; }
  // The frame skinner rebuilds its skinned menu bar whenever the window's menu changes.
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool update) { menuUpdate_ = update; }

  TOnFormSkin OnFormSkin;
  // Fired after every scheduled activate, deactivate or refresh.
  ui::TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;

  // --- Reading from the window resource (between BeginLoading and Loaded
  // the property setters only store their values) ---
  // The stored SkinStream value: a 32-bit little-endian length L, then L bytes
  // of archive. With L > 0 the archive is loaded at once and replaces
  // ArchiveData when it loads; a value cut short loads nothing.
  void ReadSkinStream(std::span<const std::uint8_t> value);
  std::vector<std::uint8_t> WriteSkinStream() const;
  // Reading is done: hands the component to the skin manager (made now if
  // there is none). A main-form component installs the manager's hook and,
  // when Active, enables skinning; without a loaded skin Active turns off.
  // A component of another kind enables skinning and attaches its form at once.
  void Loaded() override;

  // --- The skin ---
  const std::vector<std::uint8_t>& ArchiveData() const { return archiveData_; }
  // Loads ArchiveData into the element records. False for an archive that is
  // refused or holds no settings text. A picture that is no valid BMP throws
  // EInvalidGraphic, a skin that would take more memory than a skin may
  // ESkinTooLarge. The records (SkinEmpty too) change only when the load
  // completes.
  bool LoadSkinStream();
  // Makes the manager refresh every window of this component after a new skin loaded.
  void ReapplySkin();
  // Shows the archive's older-version message; a message box by default.
  std::function<void(std::string_view text)> ShowMessage;

  const TSkinSettings& Skin() const { return skin_; }
  // True while no usable skin is loaded; skinning is refused then.
  bool SkinEmpty() const { return skin_.SkinEmpty; }
  // A solid brush of the skin's button face; replaced at every load.
  HBRUSH FaceBrush() const { return faceBrush_.get(); }
  // Empty until the frame skinner puts a window's small icon here.
  ui::TBitmap& IconImage() { return iconImage_; }
  // Images of the skinned system menu, in the order of kSysMenuGlyphsResource;
  // loaded when first asked for, as most windows never open that menu.
  ui::TImageList& SysMenuGlyphs();
  // While false the frame skinner leaves the non-client area unpainted.
  bool NcPaintEnabled() const { return ncPaintEnabled_; }
  void SetNcPaintEnabled(bool enabled) { ncPaintEnabled_ = enabled; }

 private:
  // The load of LoadSkinStream, from any archive.
  bool ReadSkin(std::span<const std::uint8_t> archive);
  void ReplaceFaceBrush();

  TSkinRequests& requests_;
  bool active_ = false;
  int disableTag_ = kDefaultDisableTag;
  TSkinControls skinControls_ = TSkinControls::Default();
  std::vector<std::string> skin3rd_;
  std::string skinFile_;
  TSkinFormType formType_ = TSkinFormType::sfMainform;
  bool menuUpdate_ = true;

  std::vector<std::uint8_t> archiveData_;
  TSkinSettings skin_;
  TBrushHandle faceBrush_;
  ui::TBitmap iconImage_;
  std::unique_ptr<ui::TImageList> sysMenuGlyphs_;
  bool ncPaintEnabled_ = true;
};

}  // namespace skin
