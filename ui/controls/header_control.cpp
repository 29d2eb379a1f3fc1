#include "ui/controls/header_control.h"

#include <commctrl.h>

#include "text/gbk.h"
#include "ui/base/common_controls.h"
#include "ui/graphics/image_list.h"

namespace ui {

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 300, 17); }

THeaderSection THeaderControl::Section(int index) const {
  THeaderSection section = sections_.at(index);
  if (HandleAllocated()) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    if (SendMessageW(const_cast<THeaderControl*>(this)->Handle(), HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)))
      section.Width = item.cxy;
  }
  return section;
}

void THeaderControl::AddSection(const THeaderSection& section) {
  sections_.push_back(section);
  if (HandleAllocated()) InsertSection(Handle(), SectionCount() - 1, section);
}

void THeaderControl::SetImages(TImageList* images) {
  images_ = images;
  if (HandleAllocated())
    SendMessageW(Handle(), HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void THeaderControl::CreateParams(TCreateParams& params) {
  UseCommonControls(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_HEADERW;
  params.Style |= HDS_HORZ | HDS_BUTTONS | HDS_HOTTRACK;
}

HWND THeaderControl::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (!window) return window;
  if (images_) SendMessageW(window, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  for (int i = 0; i < SectionCount(); ++i) InsertSection(window, i, sections_[i]);
  return window;
}

void THeaderControl::InsertSection(HWND window, int index, const THeaderSection& section) {
  std::wstring text = text::GbkToWide(section.Text);
  HDITEMW item{};
  // An image index, even none, shows an image in some header versions.
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | (section.ImageIndex != kNoImageIndex ? HDI_IMAGE : 0);
  item.pszText = text.data();
  item.cxy = section.Width;
  item.fmt = HeaderSectionFormat(section) | HDF_STRING;
  item.iImage = section.ImageIndex;
  SendMessageW(window, HDM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::WndProc(TMessage& message) {
  if (message.Msg != CN_NOTIFY) return TWinControl::WndProc(message);
  const auto* notice = reinterpret_cast<const NMHEADERW*>(message.LParam);
  // The system sends the ANSI or the wide notice, as the parent asked.
  const bool click =
      notice->hdr.code == static_cast<UINT>(HDN_ITEMCLICKW) || notice->hdr.code == static_cast<UINT>(HDN_ITEMCLICKA);
  if (!click) return TWinControl::WndProc(message);
  if (OnSectionClick) OnSectionClick(this, notice->iItem);
}

void THeaderControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

}  // namespace ui
