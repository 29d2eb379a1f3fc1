#pragma once
// Where the control walk gets its control skinners from: one factory that
// knows every kind.

#include <memory>

#include "skin/engine/controls/skin_control.h"
#include "skin/engine/geometry/control_skin_table.h"

namespace skin {

class TControlSkinnerFactory {
 public:
  virtual ~TControlSkinnerFactory() = default;
  // A new skinner of that kind, not yet attached; nullptr for a kind the
  // engine has no skinner for, whose controls stay drawn by themselves.
  virtual std::unique_ptr<TSkinControl> Create(TControlSkinKind kind) = 0;
};

// The factory of the skinners the engine has.
TControlSkinnerFactory& BuiltInControlSkinners();

}  // namespace skin
