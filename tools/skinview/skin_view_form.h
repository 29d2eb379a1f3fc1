#pragma once
// The gallery's main window: a sizeable form wearing the chosen skin, its
// client area showing the library's controls by kind, one page at a time,
// with menus to choose the skin, to switch skinning off and on, to choose the
// page and to open every kind of window the skin engine dresses. Its caption names the skin: "Skin Viewer - " + name.

#include <memory>
#include <string>

#include "tools/skinview/control_pages.h"
#include "tools/skinview/skin_source.h"
#include "ui/forms/form.h"

namespace skin {
class TSkinData;
}
namespace ui {
class TMainMenu;
class TMenuItem;
}  // namespace ui

namespace skinview {

inline constexpr char kCaptionPrefix[] = "Skin Viewer - ";
inline constexpr int kClientWidth = 640, kClientHeight = 480;

class TSkinViewForm : public ui::TForm {
 public:
  // `skinFile` (GBK) is the skin to show; empty: the default skin.
  TSkinViewForm(ui::TComponent* owner, const std::string& skinFile);
  std::string ClassName() const override { return "TSkinViewForm"; }

 protected:
  void WndProc(ui::TMessage& message) override;

 private:
  void BuildMenu();
  // Loads a skin file and tells the user when it fell back to the default skin.
  void OpenSkinFile(const std::string& path);
  void ChooseSkinFile();
  // After every load: the caption names the skin, the menu checks the source
  // and the skinning state, and a problem with the file is shown.
  void SkinLoaded(const std::string& problem);
  void ShowProblem(const std::string& problem);

  skin::TSkinData* skinData_;
  TSkinSource source_;
  ui::TMainMenu* menu_ = nullptr;
  ui::TMenuItem* defaultSkinItem_ = nullptr;
  ui::TMenuItem* darkSkinItem_ = nullptr;
  ui::TMenuItem* skinningItem_ = nullptr;
  std::unique_ptr<TControlPages> pages_;
  std::string pendingProblem_;  // shown once the window is up
};

}  // namespace skinview
