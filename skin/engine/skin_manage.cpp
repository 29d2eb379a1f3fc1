#include "skin/engine/skin_manage.h"

#include <algorithm>
#include <string>

#include "skin/component/skin_data.h"
#include "ui/win_control.h"

namespace skin {
namespace {

constexpr unsigned kInitialActionDelayMs = 250;
// A hook procedure's answer to HCBT_CREATEWND that makes the creation fail.
constexpr LRESULT kRefuseCreation = 10;

// A plain pointer, so that it can still be read while other statics are torn down.
TSkinManage* theManager = nullptr;

std::wstring WindowClassName(HWND window) {
  wchar_t name[101] = {};
  const int length = GetClassNameW(window, name, 101);
  return std::wstring(name, length > 0 ? length : 0);
}

std::wstring Lowered(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; });
  return text;
}

bool OwnerWindowIs(const TSkinData& data, HWND window) {
  auto* owner = dynamic_cast<ui::TWinControl*>(data.Owner());
  return owner && owner->HandleAllocated() && owner->Handle() == window;
}

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

TSkinManage::TSkinManage() : actionTimer_(kInitialActionDelayMs) {
  actionTimer_.OnTimer = [this] { RunPendingAction(); };
}

TSkinManage::~TSkinManage() {
  started_ = kStartedDestroying;
  actionTimer_.SetEnabled(false);
  if (cbtHook_) UnhookWindowsHookEx(cbtHook_);
  while (!formSkinners_.empty()) {
    TFormSkinner* skinner = formSkinners_.back();
    formSkinners_.pop_back();
    skinner->UnskinOnDestroy();
    delete skinner;
  }
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
  if (std::find(skinDatas_.begin(), skinDatas_.end(), data) == skinDatas_.end()) skinDatas_.push_back(data);
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  skinDatas_.erase(std::remove(skinDatas_.begin(), skinDatas_.end(), data), skinDatas_.end());
  // The timer must not reach a component that is gone.
  if (pendingSkinData_ == data) pendingSkinData_ = nullptr;
}

TSkinData* TSkinManage::FindSkinData(HWND window) const {
  TSkinData* onlyThisForm = nullptr;
  TSkinData* dialog = nullptr;
  TSkinData* mainForm = nullptr;
  const std::wstring className = Lowered(WindowClassName(window));
  const bool isDialog = className == L"tmessageform" || className == L"#32770";
  for (TSkinData* data : skinDatas_) {
    switch (data->SkinFormtype()) {
      case TSkinFormType::sfOnlyThisForm:
        if (OwnerWindowIs(*data, window)) onlyThisForm = data;
        break;
      case TSkinFormType::sfDialog:
        if (isDialog) dialog = data;
        break;
      case TSkinFormType::sfMainform:
        mainForm = data;
        break;
    }
  }
  if (onlyThisForm) return onlyThisForm;
  if (dialog) return dialog;
  if (mainForm) return mainForm;
  return skinDatas_.empty() ? nullptr : skinDatas_.front();
}

bool TSkinManage::AskFormSkin(const std::string& className) const {
  const auto first = std::find_if(skinDatas_.begin(), skinDatas_.end(), [](const TSkinData* data) {
    return data->SkinFormtype() == TSkinFormType::sfMainform;
  });
  if (first == skinDatas_.end()) return true;
  TSkinData& data = **first;
  bool doSkin = true;
  if (data.OnFormSkin) {
    data.OnFormSkin(&data, className, doSkin);
    return doSkin;
  }
  if (className == "SysMonthCal32") return false;
  return !(data.SkinControls().Contains(TSkinControlType::xcFastReport) && className.starts_with("Tfr"));
}

void TSkinManage::InstallHook() {
  // Every main-form component installs it; one hook is enough, so the old one goes.
  if (cbtHook_) UnhookWindowsHookEx(cbtHook_);
  cbtHook_ = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
}

LRESULT CALLBACK TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = theManager;
  const HHOOK hook = manager ? manager->cbtHook_ : nullptr;
  if (code >= 0 && manager) {
    const auto window = reinterpret_cast<HWND>(wParam);
    switch (code) {
      case HCBT_CREATEWND:
        if (manager->RefusesCreation(window, *reinterpret_cast<const CBT_CREATEWNDW*>(lParam))) return kRefuseCreation;
        break;
      case HCBT_ACTIVATE:
        if (manager->started_ == 0) manager->started_ = 1;
        break;
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

bool TSkinManage::RefusesCreation(HWND window, const CBT_CREATEWNDW& creation) const {
  return WindowClassName(window) == L"ScrollBar" && (creation.lpcs->style & SBS_SIZEGRIP) != 0 &&
         FindFormSkinner(creation.lpcs->hwndParent) != nullptr;
}

void TSkinManage::ScheduleAction(TSkinAction action, unsigned delayMs) {
  pendingAction_ = action;
  actionTimer_.SetInterval(delayMs);
  if (started_ != 0) {
    actionTimer_.SetEnabled(true);
    return;
  }
  if (action == TSkinAction::Activate) enabled_ = true;
  if (action == TSkinAction::Deactivate) enabled_ = false;
}

void TSkinManage::RunPendingAction() {
  TSkinData* data = pendingSkinData_;
  if (!data) return;
  actionTimer_.SetEnabled(false);
  const bool onlyThisForm = data->SkinFormtype() == TSkinFormType::sfOnlyThisForm;
  switch (pendingAction_) {
    case TSkinAction::Activate:
      enabled_ = true;
      break;
    case TSkinAction::Deactivate:
      enabled_ = false;
      Deactivate(onlyThisForm ? data : nullptr);
      break;
    case TSkinAction::SkinChanged:
      RefreshSkins(data, onlyThisForm);
      break;
    case TSkinAction::Purge:
      Purge();
      break;
    case TSkinAction::None:
      break;
  }
  // Forgotten before the event, so that a request the handler makes stands.
  pendingSkinData_ = nullptr;
  if (data->OnSkinChanged) data->OnSkinChanged(data);
}

void TSkinManage::Deactivate(const TSkinData* onlyOf) {
  for (std::size_t i = formSkinners_.size(); i-- > 0;) {
    TFormSkinner* skinner = formSkinners_[i];
    if (onlyOf && skinner->SkinData() != onlyOf) continue;
    const HWND window = skinner->WindowHandle();
    skinner->Unskin();
    Repaint(window);
    FreeFormSkinner(i);
    if (onlyOf) return;
  }
}

void TSkinManage::RefreshSkins(const TSkinData* data, bool firstOnly) {
  std::vector<TFormSkinner*> skinners;
  for (TFormSkinner* skinner : formSkinners_) {
    if (skinner->SkinData() != data) continue;
    skinners.push_back(skinner);
    if (firstOnly) break;
  }
  // All frames are measured anew before any window repaints with them.
  for (TFormSkinner* skinner : skinners) {
    skinner->ReleaseCaptionButtons();
    skinner->RebuildFrameMetrics();
  }
  for (TFormSkinner* skinner : skinners) skinner->RefreshSkin();
}

void TSkinManage::Purge() {
  for (std::size_t i = formSkinners_.size(); i-- > 0;)
    if (formSkinners_[i]->WindowDestroyed()) FreeFormSkinner(i);
}

void TSkinManage::FreeFormSkinner(std::size_t index) {
  TFormSkinner* skinner = formSkinners_[index];
  formSkinners_.erase(formSkinners_.begin() + static_cast<std::ptrdiff_t>(index));
  delete skinner;
}

void TSkinManage::AddFormSkinner(TFormSkinner* skinner) { formSkinners_.push_back(skinner); }

std::vector<TFormSkinner*>::const_iterator TSkinManage::FormSkinnerEntry(HWND window) const {
  return std::find_if(formSkinners_.begin(), formSkinners_.end(),
                      [window](const TFormSkinner* skinner) { return skinner->WindowHandle() == window; });
}

TFormSkinner* TSkinManage::FindFormSkinner(HWND window) const {
  const auto found = FormSkinnerEntry(window);
  return found == formSkinners_.end() ? nullptr : *found;
}

void TSkinManage::RemoveFormSkinner(HWND window) {
  const auto found = FormSkinnerEntry(window);
  if (found != formSkinners_.end()) formSkinners_.erase(found);
}

void TSkinManage::ReleaseAllCaptionButtons() {
  for (TFormSkinner* skinner : formSkinners_) skinner->ReleaseCaptionButtons();
}

TSkinManage* SkinManager() { return theManager; }

TSkinManage& CreateSkinManager() {
  // Made with the first manager, so torn down before the statics made earlier
  // (the application and its forms): the manager goes first, as it should.
  struct TFinalization {
    ~TFinalization() { FreeSkinManager(); }
  };
  static TFinalization finalization;
  if (!theManager) theManager = new TSkinManage;
  return *theManager;
}

void FreeSkinManager() {
  delete theManager;
  theManager = nullptr;
}

}  // namespace skin
