#include "ui/image_list.h"

namespace ui {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner),
      width_(width),
      height_(height),
      // 24-bit colour: the images carry no alpha channel, the mask makes them transparent.
      handle_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)) {}

TImageList::~TImageList() {
  BeginDestroy();
  if (handle_) ImageList_Destroy(handle_);
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  if (!handle_ || image.Empty()) return -1;
  image.Dormant();  // a bitmap must not be selected into a device context here
  if (mask) mask->Dormant();
  return ImageList_Add(handle_, image.Handle(), mask ? mask->Handle() : nullptr);
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
  if (!handle_ || image.Empty()) return -1;
  image.Dormant();
  return ImageList_AddMasked(handle_, image.Handle(), ColorToRGB(maskColor));
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(handle_, index, canvas.Handle(), x, y, ILD_TRANSPARENT);
    return;
  }
  HICON icon = ImageList_GetIcon(handle_, index, ILD_TRANSPARENT);
  DrawStateW(canvas.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, width_, height_,
             DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

}  // namespace ui
