// The frame skinner's answers to WM_MEASUREITEM and WM_DRAWITEM for the
// owner-drawn items of its skinned menu bar's popups.

#include <algorithm>
#include <utility>

#include "skin/component/skin_data.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/menus/menu_item_painter.h"
#include "skin/engine/menus/popup_skinner.h"
#include "text/gbk.h"
#include "ui/forms/screen.h"
#include "ui/graphics/image_list.h"
#include "ui/menus/menu.h"
#include "ui/menus/menu_item.h"

namespace skin {
namespace {

// An item of the library menu shown on the window's bar, found by command.
ui::TMenuItem* LibraryBarItem(const ui::TForm* form, UINT command) {
  return form ? ui::TMenuItem::FindByCommand(command) : nullptr;
}

}  // namespace

bool TWinSkinForm::HandleMeasureItem(LPARAM lParam) {
  auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (measure.CtlType != ODT_MENU || !menuBar_) return false;
  const int margin = TMenuItemPainter(*data_, &host_).FaceMargin();
  const HDC dc = GetDC(window_);
  ui::TCanvas canvas(dc);
  canvas.Font.Assign(ui::Screen().MenuFont());
  if (ui::TMenuItem* item = LibraryBarItem(form_, measure.itemID)) {
    // The library's own size, without the item's measuring event.
    const ui::TMenuMeasureItemEvent own = std::exchange(item->OnMeasureItem, nullptr);
    int width = 0, height = 0;
    item->MeasureItem(canvas, width, height);
    item->OnMeasureItem = own;
    const ui::TMenu* menu = item->GetParentMenu();
    measure.itemWidth = static_cast<UINT>(width + margin + (menu && menu->Images() ? 10 : 35));
    measure.itemHeight = static_cast<UINT>(height);
  } else {
    const std::wstring text = TMenuItemPainter::NativeItemText(menuBar_->TrackedMenu(), measure.itemID);
    const SIZE size = canvas.TextExtent(text::WideToGbk(text.empty() ? L" " : text));
    measure.itemWidth = static_cast<UINT>(size.cx + 26 + margin);
    // The system may leave the height at 0: the text's height is the least.
    measure.itemHeight = text.empty() ? 8 : std::max<UINT>(measure.itemHeight, static_cast<UINT>(size.cy)) + 4;
  }
  ReleaseDC(window_, dc);
  return true;
}

bool TWinSkinForm::HandleDrawItem(LPARAM lParam) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (draw.CtlType != ODT_MENU || !menuBar_) return false;
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  HandMenuToPendingPopup(menu);
  ui::TCanvas canvas(draw.hDC);
  canvas.Font.Assign(ui::Screen().MenuFont());
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const TMenuItemPainter painter(*data_, &host_);
  if (ui::TMenuItem* item = LibraryBarItem(form_, draw.itemID)) {
    painter.DrawPopupItem(*item, canvas, draw.rcItem, selected);
  } else {
    const std::unique_ptr<ui::TMenuItem> native = TMenuItemPainter::NativeMenuItem(menu, draw.itemID);
    painter.DrawNativeItem(menu, *native, selected, draw.rcItem, canvas);
  }
  return true;
}

}  // namespace skin
