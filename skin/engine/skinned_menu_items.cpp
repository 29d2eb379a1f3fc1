#include "skin/engine/skinned_menu_items.h"

#include "skin/component/skin_data.h"
#include "skin/engine/menu_item_painter.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

namespace skin {
namespace {

// Handler types of their own, so that switching off can tell the skinned
// drawing from an application's.
struct TSkinnedItemDrawing {
  const TSkinData* Data;
  void operator()(ui::TMenuItem* item, ui::TCanvas& canvas, RECT rect, bool selected) const {
    TMenuItemPainter(*Data).DrawPopupItem(*item, canvas, rect, selected);
  }
};

struct TSkinnedItemMeasuring {
  const TSkinData* Data;
  void operator()(ui::TMenuItem* item, ui::TCanvas&, int& width, int&) const {
    TMenuItemPainter(*Data).MeasurePopupItem(*item, width);
  }
};

void SetItemSkinned(ui::TMenuItem& item, const TSkinData& data, bool on) {
  if (on && !item.OnDrawItem) {
    item.OnDrawItem = TSkinnedItemDrawing{&data};
    item.OnMeasureItem = TSkinnedItemMeasuring{&data};
  } else if (!on && item.OnDrawItem.target<TSkinnedItemDrawing>()) {
    item.OnDrawItem = nullptr;
    if (item.OnMeasureItem.target<TSkinnedItemMeasuring>()) item.OnMeasureItem = nullptr;
  }
  for (int i = 0; i < item.Count(); ++i) SetItemSkinned(*item.Items(i), data, on);
}

}  // namespace

void SetMenuItemsSkinned(ui::TMenu& menu, const TSkinData& data, bool on) {
  menu.SetOwnerDraw(on);
  for (int i = 0; i < menu.Items()->Count(); ++i) SetItemSkinned(*menu.Items()->Items(i), data, on);
}

void SetPopupMenusOwnerDraw(ui::TForm& form, const TSkinData& data, bool on) {
  if (!data.SkinControls().Contains(TSkinControlType::xcPopupMenu)) return;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* menu = dynamic_cast<ui::TPopupMenu*>(form.Components(i));
    if (menu && menu->Tag() % 100 != data.DisableTag()) SetMenuItemsSkinned(*menu, data, on);
  }
}

}  // namespace skin
