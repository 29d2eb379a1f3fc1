#include "skin/engine/menus/system_menu_popup.h"

#include "skin/component/skin_data.h"
#include "skin/engine/menus/skinned_menu_items.h"
#include "ui/base/shortcut.h"
#include "ui/menus/menu_item.h"

namespace skin {

std::unique_ptr<ui::TPopupMenu> CreateSystemMenuPopup(TAllowedButtons allowed, TSkinData& data,
                                                      const TPopupBackgrounds* backgrounds,
                                                      std::function<void(int tag)> onClick) {
  auto menu = std::make_unique<ui::TPopupMenu>(nullptr);
  auto add = [&](const char* caption, int tag, ui::TShortCut shortCut = 0) {
    auto* item = new ui::TMenuItem(menu.get());
    item->SetCaption(caption);
    item->SetTag(tag);
    item->SetImageIndex(tag);
    item->SetShortCut(shortCut);
    if (tag != kSystemMenuLine) item->OnClick = [onClick, tag](ui::TComponent*) { onClick(tag); };
    menu->Items()->Add(item);
  };
  add(" Restore ", kSystemMenuRestore);
  if (allowed.Maximize) add(" Maximize ", kSystemMenuMaximize);
  if (allowed.Minimize) add(" Minimize ", kSystemMenuMinimize);
  add("-", kSystemMenuLine);
  add(" Close ", kSystemMenuClose, ui::scAlt | VK_F4);
  data.SysMenuGlyphs().SetMarks(true);  // black glyphs, drawn in the menu's text colour
  menu->SetImages(&data.SysMenuGlyphs());
  SetMenuItemsSkinned(*menu, data, backgrounds, true);
  return menu;
}

void EnableSystemMenuItems(ui::TPopupMenu& menu, TShowState state) {
  for (int i = 0; i < menu.Items()->Count(); ++i) {
    ui::TMenuItem& item = *menu.Items()->Items(i);
    switch (item.Tag()) {
      case kSystemMenuRestore:
        item.SetEnabled(state != TShowState::Normal);
        break;
      case kSystemMenuMaximize:
        item.SetEnabled(state != TShowState::Maximized);
        break;
      case kSystemMenuMinimize:
        item.SetEnabled(state != TShowState::Minimized);
        break;
      default:
        break;
    }
  }
}

}  // namespace skin
