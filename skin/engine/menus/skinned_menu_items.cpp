#include "skin/engine/menus/skinned_menu_items.h"

#include "skin/component/skin_data.h"
#include "skin/engine/menus/menu_item_painter.h"
#include "ui/forms/form.h"
#include "ui/menus/popup_menu.h"

namespace skin {
namespace {

// Handler types of their own, so that switching off can tell the skinned
// drawing from an application's.
struct TSkinnedItemDrawing {
  const TSkinData* Data;
  const TPopupBackgrounds* Backgrounds;
  void operator()(ui::TMenuItem* item, ui::TCanvas& canvas, RECT rect, bool selected) const {
    TMenuItemPainter(*Data, Backgrounds).DrawPopupItem(*item, canvas, rect, selected);
  }
};

struct TSkinnedItemMeasuring {
  const TSkinData* Data;
  void operator()(ui::TMenuItem* item, ui::TCanvas&, int& width, int&) const {
    TMenuItemPainter(*Data, nullptr).MeasurePopupItem(*item, width);
  }
};

// Answers whether the item or one of its sub-items carried the skin's drawing.
bool SetItemSkinned(ui::TMenuItem& item, const TSkinData& data, const TPopupBackgrounds* backgrounds, bool on) {
  bool skinned = false;
  if (on && !item.OnDrawItem) {
    item.OnDrawItem = TSkinnedItemDrawing{&data, backgrounds};
    item.OnMeasureItem = TSkinnedItemMeasuring{&data};
  } else if (!on && item.OnDrawItem.target<TSkinnedItemDrawing>()) {
    item.OnDrawItem = nullptr;
    if (item.OnMeasureItem.target<TSkinnedItemMeasuring>()) item.OnMeasureItem = nullptr;
    skinned = true;
  }
  for (int i = 0; i < item.Count(); ++i) skinned |= SetItemSkinned(*item.Items(i), data, backgrounds, on);
  return skinned;
}

}  // namespace

void SetMenuItemsSkinned(ui::TMenu& menu, const TSkinData& data, const TPopupBackgrounds* backgrounds, bool on) {
  bool skinned = false;
  for (int i = 0; i < menu.Items()->Count(); ++i)
    skinned |= SetItemSkinned(*menu.Items()->Items(i), data, backgrounds, on);
  if (on || skinned) menu.SetOwnerDraw(on);
}

void SetPopupMenusOwnerDraw(ui::TForm& form, const TSkinData& data, const TPopupBackgrounds* backgrounds, bool on) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* menu = dynamic_cast<ui::TPopupMenu*>(form.Components(i));
    if (!menu) continue;
    // Switching off takes the skin's drawing from every menu that has it,
    // whatever the skin says now: no handler outlives the skinning.
    const bool chosen =
        data.SkinControls().Contains(TSkinControlType::xcPopupMenu) && menu->Tag() % 100 != data.DisableTag();
    if (chosen || !on) SetMenuItemsSkinned(*menu, data, backgrounds, on);
  }
}

}  // namespace skin
