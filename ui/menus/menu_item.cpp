#include "ui/menus/menu_item.h"

#include <algorithm>
#include <map>

#include "text/gbk.h"
#include "ui/graphics/font.h"
#include "ui/graphics/image_list.h"
#include "ui/menus/menu.h"

namespace ui {
namespace {

// Never destroyed: items owned by objects of static storage may be freed at
// exit after any function-local static.
std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static auto* items = new std::map<UINT, TMenuItem*>;
  return *items;
}

UINT NextCommand() {
  static UINT next = 100;
  return next++;
}

constexpr int kCheckSize = 16;  // the check-mark box of items without an image list

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {
  ItemsByCommand()[command_] = this;
}

TMenuItem::~TMenuItem() {
  BeginDestroy();
  while (!items_.empty()) delete items_.back();  // each removes itself
  if (parent_) parent_->Remove(this);
  if (handle_) DestroyMenu(handle_);
  ItemsByCommand().erase(command_);
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
  auto found = ItemsByCommand().find(command);
  return found == ItemsByCommand().end() ? nullptr : found->second;
}

void TMenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
  default_ = isDefault;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  shortCut_ = shortCut;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  imageIndex_ = index;
  Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  items_.insert(items_.begin() + std::clamp(index, 0, Count()), item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  // The item's submenu must not be destroyed along with this menu.
  if (handle_) RemoveMenu(handle_, item->command_, MF_BYCOMMAND);
  items_.erase(found);
  item->parent_ = nullptr;
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Changed() {
  TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  const HMENU old = root->handle_;
  root->ForgetHandles();
  // A bar on a window is replaced there before the old one goes.
  if (root->menu_) root->menu_->ItemsChanged();
  if (old) DestroyMenu(old);  // takes the submenus with it
}

void TMenuItem::ForgetHandles() {
  handle_ = nullptr;
  for (TMenuItem* item : items_) item->ForgetHandles();
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    handle_ = menu_ && menu_->IsMenuBar() ? CreateMenu() : CreatePopupMenu();
    for (TMenuItem* item : items_)
      if (item->visible_) item->AppendTo(handle_);
  }
  return handle_;
}

void TMenuItem::AppendTo(HMENU menu) {
  const TMenu* owner = GetParentMenu();
  std::string text = caption_;
  if (shortCut_) text.append("\t").append(ShortCutToText(shortCut_));
  std::wstring wide = text::GbkToWide(text);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | (IsLine() ? 0 : MIIM_STRING);
  info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (owner && owner->OwnerDraw()) info.fType |= MFT_OWNERDRAW;
  if (owner && owner->IsRightToLeft()) info.fType |= MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
  info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_DISABLED) | (default_ ? MFS_DEFAULT : 0);
  info.wID = command_;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.dwTypeData = wide.data();
  if (!items_.empty()) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = Handle();
  }
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  const TMenu* owner = GetParentMenu();
  const TImageList* images = owner ? owner->Images() : nullptr;
  const int imageWidth = images ? images->Width() : kCheckSize;
  const int imageHeight = images ? images->Height() : kCheckSize;
  if (IsLine()) {
    width = imageWidth;
    height = 8;
  } else {
    const SIZE text = canvas.TextExtent(caption_.empty() ? " " : caption_);
    width = imageWidth + 8 + text.cx + 8;
    if (shortCut_) width += 16 + canvas.TextWidth(ShortCutToText(shortCut_));
    height = std::max<int>(text.cy + 6, imageHeight + 4);
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, bool selected) {
  if (OnDrawItem)
    OnDrawItem(this, canvas, rect, selected);
  else
    DrawPlain(canvas, rect, selected);
}

void TMenuItem::DrawPlain(TCanvas& canvas, const RECT& rect, bool selected) {
  canvas.Brush.Color = selected && !IsLine() ? clHighlight : clMenu;
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TMenu* owner = GetParentMenu();
  TImageList* images = owner ? owner->Images() : nullptr;
  const bool rightToLeft = owner && owner->IsRightToLeft();
  const int boxWidth = images ? images->Width() : kCheckSize;
  const int boxLeft = rightToLeft ? rect.right - 2 - boxWidth : rect.left + 2;
  const int height = rect.bottom - rect.top;
  if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    images->Draw(canvas, boxLeft, rect.top + (height - images->Height()) / 2, imageIndex_, enabled_);
  } else if (checked_) {
    RECT box{boxLeft, rect.top + (height - kCheckSize) / 2, boxLeft + kCheckSize, rect.top + (height + kCheckSize) / 2};
    DrawFrameControl(canvas.Handle(), &box, DFC_MENU, DFCS_MENUCHECK);
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
  canvas.Font.SetStyle(default_ ? fsBold : 0);
  RECT text = rect;
  if (rightToLeft)
    text.right = boxLeft - 6, text.left += 8;
  else
    text.left = boxLeft + boxWidth + 6, text.right -= 8;
  const UINT align = rightToLeft ? DT_RIGHT : DT_LEFT;
  canvas.DrawText(caption_, text, align | DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
  if (shortCut_)
    canvas.DrawText(ShortCutToText(shortCut_), text, (rightToLeft ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE | DT_VCENTER);
}

bool TMenuItem::HandleOwnerDraw(UINT msg, LPARAM lParam) {
  if (msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    TMenuItem* item = measure->CtlType == ODT_MENU ? FindByCommand(measure->itemID) : nullptr;
    if (!item) return false;
    HDC screen = GetDC(nullptr);
    TCanvas canvas(screen);
    AssignMenuFont(canvas.Font);
    int width = 0, height = 0;
    item->MeasureItem(canvas, width, height);
    ReleaseDC(nullptr, screen);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
  }
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  TMenuItem* item = draw->CtlType == ODT_MENU ? FindByCommand(draw->itemID) : nullptr;
  if (!item) return false;
  TCanvas canvas(draw->hDC);
  AssignMenuFont(canvas.Font);
  item->DrawItem(canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
  return true;
}

}  // namespace ui
