#pragma once
// The settings a skin component keeps about what it skins: the kinds of
// windows and controls that get skinners, and which windows it serves.

#include <cstdint>

namespace skin {

// Value n is bit n of a TSkinControls set.
enum class TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcSystemMenu,
  xcFastReport,
};

inline constexpr int kSkinControlTypeCount = 19;

// A set of TSkinControlType, stored as its bits.
class TSkinControls {
 public:
  constexpr TSkinControls() = default;
  constexpr explicit TSkinControls(std::uint32_t bits) : bits_(bits & kAllBits) {}

  // Every kind except xcFastReport: what a new component skins.
  static constexpr TSkinControls Default() { return TSkinControls(kAllBits & ~Bit(TSkinControlType::xcFastReport)); }

  constexpr bool Contains(TSkinControlType type) const { return (bits_ & Bit(type)) != 0; }
  constexpr TSkinControls& Include(TSkinControlType type) {
    bits_ |= Bit(type);
    return *this;
  }
  constexpr TSkinControls& Exclude(TSkinControlType type) {
    bits_ &= ~Bit(type);
    return *this;
  }
  constexpr std::uint32_t Bits() const { return bits_; }

  constexpr bool operator==(const TSkinControls&) const = default;

 private:
  static constexpr std::uint32_t kAllBits = (1u << kSkinControlTypeCount) - 1;
  static constexpr std::uint32_t Bit(TSkinControlType type) { return 1u << static_cast<int>(type); }

  std::uint32_t bits_ = 0;
};

// Which windows a component serves: every window of the program, only its
// owner form, or the program's dialogs.
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

}  // namespace skin
