#pragma once
// An item of a menu: caption ("-" makes a separator), state, shortcut, image,
// click handler and sub-items. Owned like any component (usually by the
// form); its parent item holds it in order and frees what is left of its
// sub-items when freed itself.

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/base/component.h"
#include "ui/base/shortcut.h"
#include "ui/graphics/canvas.h"

namespace ui {

class TMenu;
class TMenuItem;

// Rect is the item's rectangle in the menu window's client area.
using TMenuDrawItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, RECT rect, bool selected)>;
// Width and Height arrive holding the library's default size of the item.
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu this item belongs to, through its parents; nullptr when none.
  TMenu* GetParentMenu() const;

  // The command identifier the system reports for this item.
  UINT Command() const { return command_; }
  // The system menu of this item's sub-items, made on first use.
  HMENU Handle();

  virtual void Click();
  // The library's default size (for owner-drawn menus), then OnMeasureItem.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  // OnDrawItem when assigned, else the library's plain look.
  void DrawItem(TCanvas& canvas, const RECT& rect, bool selected);

  static TMenuItem* FindByCommand(UINT command);
  // WM_MEASUREITEM and WM_DRAWITEM of a menu's owner window; false when not an item of ours.
  static bool HandleOwnerDraw(UINT msg, LPARAM lParam);

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 private:
  friend class TMenu;
  // Any change makes the whole menu rebuild its system menus on next use.
  void Changed();
  void ForgetHandles();
  void AppendTo(HMENU menu);
  void DrawPlain(TCanvas& canvas, const RECT& rect, bool selected);

  std::string caption_;
  bool checked_ = false, enabled_ = true, visible_ = true, default_ = false;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  UINT command_;
  HMENU handle_ = nullptr;
};

}  // namespace ui
