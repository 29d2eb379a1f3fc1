#pragma once
// The common part of menus: the root item, the image list, owner drawing and
// the right-to-left request.

#include <memory>

#include "ui/base/component.h"
#include "ui/menus/menu_item.h"

namespace ui {

class TImageList;

enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  std::string ClassName() const override { return "TMenu"; }

  TMenuItem* Items() const { return items_.get(); }
  HMENU Handle() { return items_->Handle(); }

  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // Every item is then measured and drawn through its MeasureItem and DrawItem.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  // The request holds only under a right-to-left (Middle East) system locale.
  bool IsRightToLeft() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // A menu bar's root is a bar (CreateMenu), a popup menu's a popup.
  virtual bool IsMenuBar() const { return false; }
  // After any item changed; the root's system menu is made again on next use.
  virtual void ItemsChanged() {}

 private:
  friend class TMenuItem;
  std::unique_ptr<TMenuItem> items_;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};

}  // namespace ui
