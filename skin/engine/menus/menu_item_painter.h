#pragma once
// Skinned menu items: each item is composed off-screen over the piece of its
// popup's skinned background that lies under it, with the skin's "MenuItem"
// face, its image or check mark, caption and shortcut, and copied to the menu
// in one transfer. Right-to-left menus are mirrored. A skin without a
// "MenuItem" picture gets flat items in the skin's menu colours.

#include <windows.h>

#include <memory>
#include <string>

#include "ui/graphics/canvas.h"

namespace ui {
class TMenuItem;
}

namespace skin {

class TPopupBackgrounds;
class TSkinData;

class TMenuItemPainter {
 public:
  // Items are composed over the popup backgrounds `backgrounds` finds, or
  // over the skin's menu colour without it.
  TMenuItemPainter(const TSkinData& data, const TPopupBackgrounds* backgrounds)
      : data_(data), backgrounds_(backgrounds) {}

  // The left margin of the skin's item face, 0 without a usable one.
  int FaceMargin() const;
  // Widens the library's default size of an item for the face's margin and the image column.
  void MeasurePopupItem(ui::TMenuItem& item, int& width) const;
  // `r` is the item's rectangle in the menu window's client area.
  void DrawPopupItem(ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& r, bool selected) const;
  void DrawPlainItem(ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& r, bool selected) const;
  // An item that exists only in the native menu `menu`; separators show the
  // item face with an etched line.
  void DrawNativeItem(HMENU menu, ui::TMenuItem& item, bool selected, const RECT& r, ui::TCanvas& canvas) const;

  // A temporary library item standing for a native one: its text ("-" when
  // it has none), enabled and checked states.
  static std::unique_ptr<ui::TMenuItem> NativeMenuItem(HMENU menu, UINT command);
  // The text of a native item, by command.
  static std::wstring NativeItemText(HMENU menu, UINT command);

 private:
  enum class TFace { Skinned, SkinnedWithLine, Plain };
  void Compose(HMENU menu, ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& r, bool selected, TFace face) const;
  void DrawItemContent(ui::TMenuItem& item, ui::TCanvas& canvas, bool selected, const RECT& r) const;
  void DrawItemText(ui::TMenuItem& item, ui::TCanvas& canvas, UINT format, bool selected, RECT& t,
                    std::string text) const;
  void DrawSeparatorImage(ui::TCanvas& canvas, const RECT& r) const;
  void DrawCheckBox(ui::TMenuItem& item, ui::TCanvas& canvas, const RECT& box, bool selected) const;
  // The skin's menu text (or highlight text) colour; dimmed, still readable, when disabled.
  COLORREF TextColour(const ui::TMenuItem& item, bool selected) const;

  const TSkinData& data_;
  const TPopupBackgrounds* backgrounds_;
};

}  // namespace skin
