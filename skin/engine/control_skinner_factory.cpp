#include "skin/engine/control_skinner_factory.h"

namespace skin {
namespace {

// Each kind's skinner joins here as it is written; until then the control
// keeps its own look.
class TBuiltInControlSkinners final : public TControlSkinnerFactory {
 public:
  std::unique_ptr<TSkinControl> Create(TControlSkinKind) override { return nullptr; }
};

}  // namespace

TControlSkinnerFactory& BuiltInControlSkinners() {
  static TBuiltInControlSkinners factory;
  return factory;
}

}  // namespace skin
