// The 皮肤 submenu of the settings menu and the skin worn at start.

#include "ui/forms/application.h"
#include "window/frm_date.h"

namespace DateWin {

void TFRM_Date::WearStartingSkin(const std::wstring& skinFileForThisRun) {
  if (!skinFileForThisRun.empty()) {
    WearSkinChoice(SkinFileChoice(skinFileForThisRun));
    return;
  }
  const std::wstring remembered = RememberedSkinKey();
  if (remembered.empty() || remembered == wornSkinKey_) return;
  // A remembered file taken out of the skins folder since is no longer offered: the default stays.
  for (const TSkinChoice& choice : SkinChoices(SkinsFolderBesideProgram()))
    if (choice.Key() == remembered) return static_cast<void>(WearSkinChoice(choice));
}

bool TFRM_Date::WearSkinChoice(const TSkinChoice& choice) {
  const std::string problem = WearSkin(*SkinData1, choice);
  if (!problem.empty()) {
    ui::Application().ShowMessage(problem);
    return false;
  }
  wornSkinKey_ = choice.Key();
  return true;
}

void TFRM_Date::FillSkinMenu() {
  while (N6->Count() > 0) delete N6->Items(0);
  skinChoices_ = SkinChoices(SkinsFolderBesideProgram());
  for (std::size_t index = 0; index < skinChoices_.size(); ++index) {
    auto* item = new ui::TMenuItem(this);
    item->SetCaption(skinChoices_[index].Caption);
    item->SetTag(static_cast<int>(index));
    item->SetChecked(skinChoices_[index].Key() == wornSkinKey_);
    item->OnClick = [this](ui::TComponent* s) { SkinItemClick(s); };
    N6->Add(item);
  }
}

// The choice is remembered for the user's next start.
void TFRM_Date::SkinItemClick(ui::TComponent* sender) {
  const TSkinChoice choice = skinChoices_.at(static_cast<std::size_t>(sender->Tag()));
  if (WearSkinChoice(choice)) RememberSkinKey(choice.Key());
}

}  // namespace DateWin
