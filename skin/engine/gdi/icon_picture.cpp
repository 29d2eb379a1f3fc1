#include "skin/engine/gdi/icon_picture.h"

#include <algorithm>

#include "skin/engine/gdi/skin_dib.h"

namespace skin {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A magenta picture of the small-icon size, with whatever `draw` puts on it.
template <class Draw>
TSkinBitmap SmallIconPicture(Draw draw) {
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  TSkinBitmap picture(width, height);
  if (picture.Empty()) return picture;
  BITMAPINFO info = SkinBitmapInfo(picture);
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) {
    DeleteDC(dc);
    return TSkinBitmap();
  }
  HGDIOBJ old = SelectObject(dc, dib);
  HBRUSH magenta = CreateSolidBrush(kMagenta);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, magenta);
  DeleteObject(magenta);
  draw(dc, width, height);
  GdiFlush();
  for (int y = 0; y < height; ++y)
    std::copy_n(static_cast<const std::uint8_t*>(bits) + static_cast<std::size_t>(y) * picture.Stride(),
                picture.Stride(), picture.Row(y));
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  return picture;
}

HICON WindowIcon(HWND window) {
  DWORD_PTR icon = 0;
  for (WPARAM kind : {ICON_SMALL, ICON_BIG}) {
    if (SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 100, &icon) && icon)
      return reinterpret_cast<HICON>(icon);
  }
  return reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
}

}  // namespace

TSkinBitmap WindowIconPicture(HWND window) {
  HICON icon = WindowIcon(window);
  if (!icon) return TSkinBitmap();
  return SmallIconPicture([icon](HDC dc, int width, int height) {
    HICON sized = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
    if (!sized) sized = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0));
    DrawIconEx(dc, 0, 0, sized ? sized : icon, width, height, 0, nullptr, DI_NORMAL);
    if (sized) DestroyIcon(sized);
  });
}

TSkinBitmap IconPictureFrom(ui::TBitmap* icon) {
  return SmallIconPicture([icon](HDC dc, int width, int height) {
    if (!icon || icon->Empty()) return;
    StretchBlt(dc, 0, 0, width, height, icon->Canvas().Handle(), 0, 0, icon->Width(), icon->Height(), SRCCOPY);
  });
}

void AssignIconPicture(ui::TBitmap& target, const TSkinBitmap& picture) {
  target.SetSize(picture.Width(), picture.Height());
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint32_t* row = target.ScanLine(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const TColour colour = picture.Pixel(x, y);
      row[x] = static_cast<std::uint32_t>(RedOf(colour)) << 16 | static_cast<std::uint32_t>(GreenOf(colour)) << 8 |
               BlueOf(colour);
    }
  }
}

}  // namespace skin
