// Drawing all 150 items of the calendar's year menu: skinned (each composed
// over its piece of the popup's skinned background) against the library's
// plain owner-drawn items, on the same memory canvas in the same run.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "skin/component/skin_data.h"
#include "skin/engine/menus/skinned_menu_items.h"
#include "skin/engine/skin_manage.h"
#include "ui/forms/screen.h"
#include "ui/graphics/bitmap.h"
#include "ui/menus/menu_item.h"
#include "ui/menus/popup_menu.h"

namespace {

constexpr int kItems = 150;
constexpr int kItemWidth = 120;
constexpr int kItemHeight = 20;

struct TYearMenus {
  TYearMenus() {
    skin::TSkinManage& manager = skin::CreateSkinManager();
    data.SetSkinFile(RILVANTA_DEFAULT_SKIN);
    manager.RegisterSkinData(&data);
    manager.InstallHook();
    manager.SetEnabled(true);
    for (ui::TPopupMenu* menu : {&plain, &skinned})
      for (int year = 1901; year < 1901 + kItems; ++year) {
        auto* item = new ui::TMenuItem(nullptr);
        item->SetCaption(std::to_string(year) + "\xC4\xEA");  // the year and "年" in GBK
        menu->Items()->Add(item);
      }
    skin::SetMenuItemsSkinned(skinned, data, &manager, true);
    // A popup window of the whole menu's size, its background rendered as when it is shown.
    popup = CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 0, 0, kItemWidth + 6, kItems * kItemHeight + 6,
                            nullptr, nullptr, nullptr, nullptr);
    SendMessageW(popup, WM_NCPAINT, 1, 0);
    canvas.SetSize(kItemWidth, kItems * kItemHeight);
    canvas.Canvas().Font.Assign(ui::Screen().MenuFont());
  }
  ~TYearMenus() { DestroyWindow(popup); }

  void DrawAll(ui::TPopupMenu& menu) {
    for (int i = 0; i < kItems; ++i)
      menu.Items()->Items(i)->DrawItem(canvas.Canvas(), RECT{0, i * kItemHeight, kItemWidth, (i + 1) * kItemHeight},
                                       i == 0);
    GdiFlush();
  }

  skin::TSkinData data{nullptr, skin::ManagerRequests()};
  ui::TPopupMenu plain{nullptr};
  ui::TPopupMenu skinned{nullptr};
  HWND popup = nullptr;
  ui::TBitmap canvas;
};

TYearMenus& Menus() {
  static TYearMenus menus;
  return menus;
}

void BM_YearMenuItemsPlain(benchmark::State& state) {
  TYearMenus& menus = Menus();
  for (auto _ : state) menus.DrawAll(menus.plain);
}
BENCHMARK(BM_YearMenuItemsPlain)->Unit(benchmark::kMicrosecond);

void BM_YearMenuItemsSkinned(benchmark::State& state) {
  TYearMenus& menus = Menus();
  menus.DrawAll(menus.skinned);
  if (!skin::SkinManager()->FindPopupBackground(menus.skinned.Handle()))
    state.SkipWithError("the items found no popup background");
  for (auto _ : state) menus.DrawAll(menus.skinned);
}
BENCHMARK(BM_YearMenuItemsSkinned)->Unit(benchmark::kMicrosecond);

}  // namespace
