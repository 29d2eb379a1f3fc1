#include "ui/controls/list_view.h"

#include <commctrl.h>

#include "text/gbk.h"
#include "ui/base/common_controls.h"
#include "ui/graphics/image_list.h"

namespace ui {

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
  SetTabStop(true);
}

HWND TListView::MadeWindow() const { return HandleAllocated() ? const_cast<TListView*>(this)->Handle() : nullptr; }

void TListView::AddColumn(const THeaderSection& column) {
  columns_.push_back(column);
  if (const HWND window = MadeWindow()) InsertColumn(window, ColumnCount() - 1, column);
}

int TListView::AddItem(const std::string& caption, int imageIndex) {
  items_.push_back(TItem{{caption}, imageIndex});
  const int index = ItemCount() - 1;
  if (const HWND window = MadeWindow()) InsertItem(window, index, items_.back());
  return index;
}

std::string TListView::ItemText(int item, int column) const {
  const std::vector<std::string>& texts = items_.at(item).Texts;
  return column >= 0 && column < static_cast<int>(texts.size()) ? texts[column] : std::string();
}

void TListView::SetItemText(int item, int column, const std::string& text) {
  std::vector<std::string>& texts = items_.at(item).Texts;
  if (column < 0) return;
  if (column >= static_cast<int>(texts.size())) texts.resize(column + 1);
  texts[column] = text;
  if (const HWND window = MadeWindow()) SendItemText(window, item, column, text);
}

int TListView::ItemIndex() const {
  const HWND window = MadeWindow();
  return window ? static_cast<int>(SendMessageW(window, LVM_GETNEXTITEM, -1, LVNI_SELECTED)) : itemIndex_;
}

void TListView::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  const HWND window = MadeWindow();
  if (!window) return;
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  // Every row loses the selection, then the chosen one takes it.
  SendMessageW(window, LVM_SETITEMSTATE, -1, reinterpret_cast<LPARAM>(&state));
  if (itemIndex_ < 0) return;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(window, LVM_SETITEMSTATE, itemIndex_, reinterpret_cast<LPARAM>(&state));
}

void TListView::SetSmallImages(TImageList* images) {
  smallImages_ = images;
  if (const HWND window = MadeWindow())
    SendMessageW(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

HWND TListView::HeaderHandle() { return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0)); }

void TListView::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_LISTVIEWW;
  // The image list belongs to its TImageList, not to the window.
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

HWND TListView::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (!window) return window;
  SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  if (smallImages_)
    SendMessageW(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallImages_->Handle()));
  for (int i = 0; i < ColumnCount(); ++i) InsertColumn(window, i, columns_[i]);
  for (int i = 0; i < ItemCount(); ++i) InsertItem(window, i, items_[i]);
  if (itemIndex_ >= 0) {
    LVITEMW state{};
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(window, LVM_SETITEMSTATE, itemIndex_, reinterpret_cast<LPARAM>(&state));
  }
  return window;
}

void TListView::InsertColumn(HWND window, int index, const THeaderSection& column) {
  std::wstring text = text::GbkToWide(column.Text);
  LVCOLUMNW heading{};
  // An image index, even none, shows an image in some versions.
  heading.mask =
      LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM | (column.ImageIndex != kNoImageIndex ? LVCF_IMAGE : 0);
  heading.fmt = HeaderSectionFormat(column);
  heading.cx = column.Width;
  heading.pszText = text.data();
  heading.iSubItem = index;
  heading.iImage = column.ImageIndex;
  SendMessageW(window, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&heading));
}

void TListView::InsertItem(HWND window, int index, const TItem& item) {
  std::wstring caption = text::GbkToWide(item.Texts.front());
  LVITEMW row{};
  row.mask = LVIF_TEXT | LVIF_IMAGE;
  row.iItem = index;
  row.pszText = caption.data();
  row.iImage = item.ImageIndex;
  SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
  for (int column = 1; column < static_cast<int>(item.Texts.size()); ++column)
    SendItemText(window, index, column, item.Texts[column]);
}

void TListView::SendItemText(HWND window, int item, int column, const std::string& text) {
  std::wstring wide = text::GbkToWide(text);
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = wide.data();
  SendMessageW(window, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
}

void TListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == smallImages_) SetSmallImages(nullptr);
}

}  // namespace ui
