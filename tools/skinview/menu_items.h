#pragma once
// Building the gallery's menus item by item.

#include <string>

#include "ui/menus/menu_item.h"

namespace skinview {

// A new item of `owner` under `parent`; a caption "-" makes a separator.
inline ui::TMenuItem* AddMenuItem(ui::TComponent* owner, ui::TMenuItem* parent, const std::string& caption,
                                  ui::TNotifyEvent onClick = nullptr) {
  auto* item = new ui::TMenuItem(owner);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  parent->Add(item);
  return item;
}

}  // namespace skinview
