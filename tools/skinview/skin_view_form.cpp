#include "tools/skinview/skin_view_form.h"

#include "skin/component/skin_data.h"
#include "skin/engine/skin_manage.h"
#include "tools/skinview/bare_window.h"
#include "tools/skinview/control_gallery.h"
#include "tools/skinview/control_pages.h"
#include "tools/skinview/mdi_gallery.h"
#include "tools/skinview/menu_items.h"
#include "tools/skinview/right_to_left_window.h"
#include "tools/skinview/window_kinds.h"
#include "ui/forms/application.h"
#include "ui/forms/open_dialog.h"
#include "ui/menus/main_menu.h"

namespace skinview {
namespace {

// Posted to itself once shown, so that a message about the skin file stands over the gallery.
constexpr UINT kShowPendingProblem = WM_APP + 1;
// The gallery opens near the top-left corner, leaving room for the windows it opens beside it.
constexpr int kScreenMargin = 24;

skin::TSkinData* CreateSkinData(ui::TForm* form) {
  auto* data = new skin::TSkinData(form, skin::ManagerRequests());
  data->SetName("SkinData1");
  data->BeginLoading();
  data->SetActive(true);
  data->SetSkinFormtype(skin::TSkinFormType::sfMainform);
  // The control table has no rows for the library's progress bar, check
  // boxes, radio buttons and radio groups: the gallery maps them, and its check group.
  std::vector<std::string> skin3rd = data->Skin3rd();
  skin3rd.push_back("TProgressBar=progress");
  for (const char* line :
       {"TCheckBox=Checkbox", "TRadioButton=Radiobutton", "TRadioGroup=Radiogroup", "TCheckGroup=CheckGroup"})
    skin3rd.push_back(line);
  data->SetSkin3rd(std::move(skin3rd));
  return data;
}

}  // namespace

TSkinViewForm::TSkinViewForm(ui::TComponent* owner, const std::string& skinFile)
    : TForm(owner), skinData_(CreateSkinData(this)), source_(*skinData_) {
  if (skinFile.empty())
    source_.LoadBuiltIn(TBuiltInSkin::Default);
  else
    pendingProblem_ = source_.LoadFile(skinFile);
  skinData_->Loaded();

  SetBorderStyle(ui::TFormBorderStyle::bsSizeable);
  BuildMenu();
  SetClientSize(kClientWidth, kClientHeight);
  SetLeft(kScreenMargin);
  SetTop(kScreenMargin);
  AddControlPages(*this, *pages_);
  SetAcceptFiles(true);
  OnDropFiles = [this](ui::TComponent*, const std::vector<std::string>& files) {
    if (!files.empty()) OpenSkinFile(files.front());
  };
  OnShow = [this](ui::TComponent*) {
    if (!pendingProblem_.empty()) PostMessageW(Handle(), kShowPendingProblem, 0, 0);
  };
  SkinLoaded({});
}

void TSkinViewForm::BuildMenu() {
  menu_ = new ui::TMainMenu(this);
  ui::TMenuItem* skins = AddMenuItem(this, menu_->Items(), "&Skin");
  AddMenuItem(this, skins, "&Open skin file...", [this](ui::TComponent*) { ChooseSkinFile(); });
  AddMenuItem(this, skins, "&Reload", [this](ui::TComponent*) { SkinLoaded(source_.Reload()); });
  AddMenuItem(this, skins, "-");
  defaultSkinItem_ = AddMenuItem(this, skins, "&Default skin (built in)", [this](ui::TComponent*) {
    source_.LoadBuiltIn(TBuiltInSkin::Default);
    SkinLoaded({});
  });
  darkSkinItem_ = AddMenuItem(this, skins, "Dar&k skin (built in)", [this](ui::TComponent*) {
    source_.LoadBuiltIn(TBuiltInSkin::Dark);
    SkinLoaded({});
  });
  AddMenuItem(this, skins, "-");
  skinningItem_ = AddMenuItem(this, skins, "Skinni&ng", [this](ui::TComponent*) {
    skinData_->SetActive(!skinData_->Active());
    skinningItem_->SetChecked(skinData_->Active());
  });
  AddMenuItem(this, skins, "-");
  AddMenuItem(this, skins, "E&xit", [this](ui::TComponent*) { Close(); });

  pages_ = std::make_unique<TControlPages>(*this, *AddMenuItem(this, menu_->Items(), "&Controls"), kClientWidth,
                                           kClientHeight);

  ui::TMenuItem* windows = AddMenuItem(this, menu_->Items(), "&Windows");
  AddMenuItem(this, windows, "&Dialog...", [this](ui::TComponent*) { ShowSampleDialog(this); });
  AddMenuItem(this, windows, "&System dialog...", [this](ui::TComponent*) { ShowSystemSampleDialog(Handle()); });
  AddMenuItem(this, windows, "&Message box...", [](ui::TComponent*) { ShowSampleMessage(); });
  AddMenuItem(this, windows, "&Tool window", [this](ui::TComponent*) { OpenToolWindow(this); });
  AddMenuItem(this, windows, "MD&I window", [this](ui::TComponent*) { OpenMdiGallery(this); });
  AddMenuItem(this, windows, "&Right-to-left window", [this](ui::TComponent*) { OpenRightToLeftWindow(this); });
  AddMenuItem(this, windows, "&Bare Win32 window", [this](ui::TComponent*) {
    OpenBareWindow(POINT{Left() + Width() + 12, Top() + 220});  // beside the gallery, under the tool window
  });
  SetMenu(menu_);
}

void TSkinViewForm::ChooseSkinFile() {
  ui::TOpenDialog dialog(nullptr);
  dialog.SetTitle("Open a skin");
  dialog.SetFilter("Skin files (*.skn)|*.skn|All files (*.*)|*.*");
  dialog.SetFileName(source_.FilePath());
  if (dialog.Execute()) OpenSkinFile(dialog.FileName());
}

void TSkinViewForm::OpenSkinFile(const std::string& path) {
  const std::string problem = source_.LoadFile(path);
  SkinLoaded(problem);
}

void TSkinViewForm::SkinLoaded(const std::string& problem) {
  SetCaption(kCaptionPrefix + skinData_->Skin().SkinName);
  const bool builtIn = source_.FilePath().empty();
  defaultSkinItem_->SetChecked(builtIn && source_.BuiltIn() == TBuiltInSkin::Default);
  darkSkinItem_->SetChecked(builtIn && source_.BuiltIn() == TBuiltInSkin::Dark);
  skinningItem_->SetChecked(skinData_->Active());
  if (!problem.empty()) ShowProblem(problem);
}

void TSkinViewForm::ShowProblem(const std::string& problem) {
  ui::Application().ShowMessageBox(problem, ui::Application().Title(), MB_OK | MB_ICONWARNING);
}

void TSkinViewForm::WndProc(ui::TMessage& message) {
  if (message.Msg != kShowPendingProblem) return TForm::WndProc(message);
  std::string problem;
  problem.swap(pendingProblem_);
  if (!problem.empty()) ShowProblem(problem);
}

}  // namespace skinview
