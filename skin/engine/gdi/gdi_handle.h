#pragma once
// GDI objects owned like memory: deleted when their handle goes.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace skin {

struct TGdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using TBitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, TGdiObjectDeleter>;
using TBrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, TGdiObjectDeleter>;
using TPenHandle = std::unique_ptr<std::remove_pointer_t<HPEN>, TGdiObjectDeleter>;

}  // namespace skin
