#include "skin/engine/control_skinner_factory.h"

#include "skin/engine/skin_bit_button.h"
#include "skin/engine/skin_button.h"
#include "skin/engine/skin_speed_button.h"

namespace skin {
namespace {

// Each kind's skinner joins here as it is written; until then the control
// keeps its own look.
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
