#include "ui/graphics/image_list.h"

#include "ui/base/system_library.h"

namespace ui {
namespace {

// comctl32 comes with the first image list.
template <class Function>
Function Comctl32(const char* name) {
  return SystemLibraryFunction<Function>(L"comctl32.dll", name);
}

struct TImageListFunctions {
  decltype(&ImageList_Create) Create = Comctl32<decltype(&ImageList_Create)>("ImageList_Create");
  decltype(&ImageList_Destroy) Destroy = Comctl32<decltype(&ImageList_Destroy)>("ImageList_Destroy");
  decltype(&ImageList_GetImageCount) GetImageCount =
      Comctl32<decltype(&ImageList_GetImageCount)>("ImageList_GetImageCount");
  decltype(&ImageList_Add) Add = Comctl32<decltype(&ImageList_Add)>("ImageList_Add");
  decltype(&ImageList_AddMasked) AddMasked = Comctl32<decltype(&ImageList_AddMasked)>("ImageList_AddMasked");
  decltype(&ImageList_Draw) Draw = Comctl32<decltype(&ImageList_Draw)>("ImageList_Draw");
  decltype(&ImageList_GetIconSize) GetIconSize = Comctl32<decltype(&ImageList_GetIconSize)>("ImageList_GetIconSize");
  decltype(&ImageList_GetIcon) GetIcon = Comctl32<decltype(&ImageList_GetIcon)>("ImageList_GetIcon");
};

const TImageListFunctions& ImageLists() {
  static const TImageListFunctions functions;
  return functions;
}

// 24-bit colour: the images carry no alpha channel, the mask makes them
// transparent. Without comctl32 the list stays empty.
HIMAGELIST CreateImageList(int width, int height) {
  const auto create = ImageLists().Create;
  return create ? create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4) : nullptr;
}

}  // namespace

// A handle exists only once comctl32 is loaded, so the functions are found.
bool ImageListIconSize(HIMAGELIST images, int& width, int& height) {
  return images && ImageLists().GetIconSize(images, &width, &height);
}

void DrawImageListImage(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style) {
  if (images) ImageLists().Draw(images, index, dc, x, y, style);
}

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height), handle_(CreateImageList(width, height)) {}

TImageList::~TImageList() {
  BeginDestroy();
  if (handle_) ImageLists().Destroy(handle_);
}

int TImageList::Count() const { return handle_ ? ImageLists().GetImageCount(handle_) : 0; }

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  if (!handle_ || image.Empty()) return -1;
  image.Dormant();  // a bitmap must not be selected into a device context here
  if (mask) mask->Dormant();
  return ImageLists().Add(handle_, image.Handle(), mask ? mask->Handle() : nullptr);
}

int TImageList::AddMasked(TBitmap& image, TColour maskColor) {
  if (!handle_ || image.Empty()) return -1;
  image.Dormant();
  return ImageLists().AddMasked(handle_, image.Handle(), ColourToRgb(maskColor));
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count()) return;
  if (enabled) {
    DrawImageListImage(handle_, index, canvas.Handle(), x, y);
    return;
  }
  HICON icon = ImageLists().GetIcon(handle_, index, ILD_TRANSPARENT);
  DrawStateW(canvas.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, width_, height_,
             DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

}  // namespace ui
