#include "skin/engine/controls/control_skinner_factory.h"

#include "skin/engine/controls/skin_bit_button.h"
#include "skin/engine/controls/skin_box.h"
#include "skin/engine/controls/skin_button.h"
#include "skin/engine/controls/skin_check_box.h"
#include "skin/engine/controls/skin_com_box.h"
#include "skin/engine/controls/skin_edit.h"
#include "skin/engine/controls/skin_header.h"
#include "skin/engine/controls/skin_list_view.h"
#include "skin/engine/controls/skin_progress.h"
#include "skin/engine/controls/skin_radio_button.h"
#include "skin/engine/controls/skin_scroll_bar.h"
#include "skin/engine/controls/skin_sizer.h"
#include "skin/engine/controls/skin_speed_button.h"
#include "skin/engine/controls/skin_tab.h"
#include "skin/engine/controls/skin_tab31.h"
#include "skin/engine/controls/skin_track_bar.h"
#include "skin/engine/controls/skin_up_down.h"

namespace skin {
namespace {

// A skinner of each kind; None gets none, and its control keeps its own look.
class TBuiltInControlSkinners final : public TControlSkinnerFactory {
 public:
  std::unique_ptr<TSkinControl> Create(TControlSkinKind kind) override {
    switch (kind) {
      case TControlSkinKind::Button:
        return std::make_unique<TSkinButton>();
      case TControlSkinKind::BitButton:
        return std::make_unique<TSkinBitButton>();
      case TControlSkinKind::SpeedButton:
        return std::make_unique<TSkinSpeedButton>();
      case TControlSkinKind::Edit:
        return std::make_unique<TSkinEdit>();
      case TControlSkinKind::Box:
        return std::make_unique<TSkinBox>();
      case TControlSkinKind::Progress:
        return std::make_unique<TSkinProgress>();
      case TControlSkinKind::TrackBar:
        return std::make_unique<TSkinTrackBar>();
      case TControlSkinKind::UpDown:
        return std::make_unique<TSkinUpDown>();
      case TControlSkinKind::ComboBox:
        return std::make_unique<TSkinComBox>();
      case TControlSkinKind::ScrollBars:
        return std::make_unique<TSkinScrollBar>(TScrollBarMode::SystemScrolled);
      case TControlSkinKind::GridScrollBars:
        return std::make_unique<TSkinScrollBar>(TScrollBarMode::ScrollsItself);
      case TControlSkinKind::Sizer:
        return std::make_unique<TSkinSizer>();
      case TControlSkinKind::CheckBox:
        return std::make_unique<TSkinCheckBox>();
      case TControlSkinKind::RadioButton:
        return std::make_unique<TSkinRadioButton>();
      case TControlSkinKind::Tab:
        return std::make_unique<TSkinTab>();
      case TControlSkinKind::TabSet:
        return std::make_unique<TSkinTab31>();
      case TControlSkinKind::ListView:
        return std::make_unique<TSkinListView>();
      case TControlSkinKind::Header:
        return std::make_unique<TSkinHeader>();
      default:
        return nullptr;
    }
  }
};

}  // namespace

TControlSkinnerFactory& BuiltInControlSkinners() {
  static TBuiltInControlSkinners factory;
  return factory;
}

}  // namespace skin
