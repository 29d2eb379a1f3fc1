#include "skin/engine/skin_manage.h"

#include <algorithm>
#include <exception>
#include <string>

#include "skin/component/skin_data.h"
#include "skin/engine/geometry/ascii_case.h"
#include "skin/engine/win32/skin_messages.h"
#include "skin/engine/win32/window_class_name.h"
#include "ui/forms/form.h"
#include "ui/forms/screen.h"

namespace skin {
namespace {

constexpr unsigned kInitialActionDelayMs = 250;
// How long after a window's destruction its frame skinner is freed.
constexpr unsigned kPurgeDelayMs = 250;
// A hook procedure's answer to HCBT_CREATEWND that makes the creation fail.
constexpr LRESULT kRefuseCreation = 10;

// A plain pointer, so that it can still be read while other statics are torn down.
TSkinManage* theManager = nullptr;

bool AnswersSkinned(HWND window) { return SendMessageW(window, SKM_QUERYSKINNED, 0, 0) == kSkinnedAnswer; }

bool IsMdiChild(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0 &&
         AsciiLowered(WindowClassName(GetParent(window))) == "mdiclient";
}

bool HasArea(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return static_cast<long long>(bounds.right - bounds.left) * (bounds.bottom - bounds.top) != 0;
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
    const std::unique_ptr<TFormSkinner> skinner = std::move(formSkinners_.back());
    formSkinners_.pop_back();
    skinner->SetState(TFormSkinnerState::Destroying);
    skinner->UnskinOnDestroy();
  }
  popupSkinners_.clear();
}

void TSkinManage::ComponentLoaded(TSkinData& data) {
  RegisterSkinData(&data);
  if (data.SkinFormtype() != TSkinFormType::sfMainform) {
    enabled_ = true;
    ++started_;
    if (auto* form = dynamic_cast<ui::TForm*>(data.Owner())) AttachWindow(form->Handle());
    return;
  }
  InstallHook();
  if (!data.Active()) return;
  ScheduleAction(TSkinAction::Activate, TSkinData::kActionDelayMs);
  // Loaded after the first activation, the action waits for the timer, which
  // carries out only a component's own request.
  if (started_ != 0) pendingSkinData_ = &data;
}

void TSkinManage::ActiveChanged(TSkinData& data) {
  const bool refused = data.Active() && data.SkinEmpty();
  const TSkinAction action = data.Active() ? TSkinAction::Activate : TSkinAction::Deactivate;
  switch (data.SkinFormtype()) {
    case TSkinFormType::sfMainform:
      if (refused) return;
      ScheduleAction(action, TSkinData::kActionDelayMs);
      pendingSkinData_ = &data;
      return;
    case TSkinFormType::sfOnlyThisForm:
      pendingSkinData_ = &data;
      if (!refused) ScheduleAction(action, TSkinData::kActionDelayMs);
      return;
    case TSkinFormType::sfDialog:
      return;
  }
}

void TSkinManage::SkinChanged(TSkinData& data) {
  pendingSkinData_ = &data;
  ReleaseAllCaptionButtons();
  ScheduleAction(TSkinAction::SkinChanged, TSkinData::kActionDelayMs);
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
  const std::string className = AsciiLowered(WindowClassName(window));
  const bool isDialog = className == "tmessageform" || className == "#32770";
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
    // No exception may cross the system's call.
    try {
      if (manager->HandleHookCode(code, reinterpret_cast<HWND>(wParam), lParam)) return kRefuseCreation;
    } catch (const std::exception&) {
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

bool TSkinManage::HandleHookCode(int code, HWND window, LPARAM lParam) {
  switch (code) {
    case HCBT_CREATEWND:
      if (RefusesCreation(window, *reinterpret_cast<const CBT_CREATEWNDW*>(lParam))) return true;
      if (WindowClassName(window) == "#32768") AttachPopupMenu(window);
      break;
    case HCBT_DESTROYWND:
      DetachPopupMenu(window);
      break;
    case HCBT_ACTIVATE:
      if (started_ == 0) started_ = 1;
      AttachWindow(window);
      break;
  }
  return false;
}

bool TSkinManage::RefusesCreation(HWND window, const CBT_CREATEWNDW& creation) const {
  return WindowClassName(window) == "ScrollBar" && (creation.lpcs->style & SBS_SIZEGRIP) != 0 &&
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

void TSkinManage::SchedulePurge(TSkinData& data, unsigned delayMs) {
  if (actionTimer_.Enabled() && pendingAction_ != TSkinAction::Purge) return;
  pendingSkinData_ = &data;
  ScheduleAction(TSkinAction::Purge, delayMs);
}

void TSkinManage::RunPendingAction() {
  TSkinData* data = pendingSkinData_;
  if (!data) return;
  actionTimer_.SetEnabled(false);
  // A skin change must not reach a destroyed window's freed form, and it may
  // have taken the place of the purge that window asked for.
  Purge();
  const bool onlyThisForm = data->SkinFormtype() == TSkinFormType::sfOnlyThisForm;
  switch (pendingAction_) {
    case TSkinAction::Activate:
      enabled_ = true;
      Sweep(onlyThisForm ? data : nullptr);
      break;
    case TSkinAction::Deactivate:
      enabled_ = false;
      Deactivate(onlyThisForm ? data : nullptr);
      break;
    case TSkinAction::SkinChanged:
      RefreshSkins(data, onlyThisForm);
      break;
    case TSkinAction::Purge:  // done above
    case TSkinAction::None:
      break;
  }
  // Forgotten before the event, so that a request the handler makes stands.
  pendingSkinData_ = nullptr;
  if (data->OnSkinChanged) data->OnSkinChanged(data);
}

bool TSkinManage::AttachWindow(HWND window) {
  if (!enabled_) return false;
  if (AnswersSkinned(window) || FindFormSkinner(window)) return false;
  ui::TForm* form = FindLibraryForm(window);
  if (!sweeping_ && IsMdiChild(window)) return false;
  if (!HasArea(window)) return false;
  if (form && form->Tag() == kUnskinnedFormTag) return false;
  const std::string className = WindowClassName(window);
  if (className == "TApplication" || !AskFormSkin(className)) return false;
  TSkinData* data = FindSkinData(window);
  if (!data || data->SkinEmpty()) return false;
  std::unique_ptr<TFormSkinner> skinner;
  try {
    skinner = formSkinnerMaker_(window, form, *data, *this);
  } catch (const std::exception&) {
    return false;  // the window stays plain
  }
  if (!skinner) return false;
  formSkinners_.push_back(std::move(skinner));
  PostMessageW(window, SKM_ATTACHED, 0, kAttachedTag);
  return true;
}

bool TSkinManage::AttachMdiChild(HWND child) {
  const bool sweeping = sweeping_;
  sweeping_ = true;
  const bool attached = AttachWindow(child);
  sweeping_ = sweeping;
  return attached;
}

ui::TForm* TSkinManage::FindLibraryForm(HWND window) const {
  const ui::TScreen& screen = ui::Screen();
  for (int i = screen.FormCount(); i-- > 0;) {
    ui::TForm* form = screen.Forms(i);
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return nullptr;
}

void TSkinManage::Sweep(const TSkinData* onlyOwnerOf) {
  sweeping_ = true;
  const ui::TScreen& screen = ui::Screen();
  // Forms without a window yet are attached when they are first activated.
  for (int i = screen.FormCount(); i-- > 0;) {
    ui::TForm* form = screen.Forms(i);
    if (onlyOwnerOf && form != onlyOwnerOf->Owner()) continue;
    if (form->HandleAllocated()) AttachWindow(form->Handle());
    if (onlyOwnerOf) break;
  }
  sweeping_ = false;
}

void TSkinManage::AttachPopupMenu(HWND window) {
  if (!enabled_ || AnswersSkinned(window) || IsPopupMenuSkinned(window)) return;
  TSkinData* data = FindSkinData(window);
  if (!data || data->SkinEmpty() || !data->SkinControls().Contains(TSkinControlType::xcMainMenu)) return;
  if (std::unique_ptr<TPopupSkinner> skinner = popupSkinnerMaker_(window, *data))
    popupSkinners_.push_back(std::move(skinner));
}

bool TSkinManage::DetachPopupMenu(HWND window) {
  const auto found =
      std::ranges::find_if(popupSkinners_, [window](const auto& skinner) { return skinner->WindowHandle() == window; });
  if (found == popupSkinners_.end()) return false;
  (*found)->Detach();
  popupSkinners_.erase(found);
  return true;
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
  return std::ranges::any_of(popupSkinners_,
                             [window](const auto& skinner) { return skinner->WindowHandle() == window; });
}

const TPopupBackground* TSkinManage::FindPopupBackground(HMENU menu) const {
  if (!menu) return nullptr;
  const auto found =
      std::ranges::find_if(popupSkinners_, [menu](const auto& skinner) { return skinner->MenuHandle() == menu; });
  return found == popupSkinners_.end() ? nullptr : (*found)->Background();
}

void TSkinManage::Deactivate(const TSkinData* onlyOf) {
  for (std::size_t i = formSkinners_.size(); i-- > 0;) {
    TFormSkinner* skinner = formSkinners_[i].get();
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
  for (const auto& skinner : formSkinners_) {
    if (skinner->SkinData() != data) continue;
    skinners.push_back(skinner.get());
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
    if (formSkinners_[i]->State() == TFormSkinnerState::Destroyed) FreeFormSkinner(i);
}

void TSkinManage::FreeFormSkinner(std::size_t index) {
  // Out of the list before it is freed, so that its going finds the list whole.
  const std::unique_ptr<TFormSkinner> skinner = std::move(formSkinners_[index]);
  formSkinners_.erase(formSkinners_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TSkinManage::AddFormSkinner(std::unique_ptr<TFormSkinner> skinner) { formSkinners_.push_back(std::move(skinner)); }

TFormSkinner* TSkinManage::FindFormSkinner(HWND window) const {
  const auto found =
      std::ranges::find_if(formSkinners_, [window](const auto& skinner) { return skinner->WindowHandle() == window; });
  return found == formSkinners_.end() ? nullptr : found->get();
}

void TSkinManage::SkinnedWindowDestroyed(TFormSkinner& skinner) { SchedulePurge(*skinner.SkinData(), kPurgeDelayMs); }

void TSkinManage::ReleaseAllCaptionButtons() {
  for (const auto& skinner : formSkinners_) skinner->ReleaseCaptionButtons();
}

void TSkinManage::SetMdiMaximized(bool maximized) {
  if (maximized == mdiMaximized_) return;
  mdiMaximized_ = maximized;
  for (const auto& skinner : formSkinners_)
    if (skinner->MdiKind() == TMdiKind::Child) skinner->MdiMaximizedChanged(maximized);
}

int TSkinManage::CountMdiChildren() const {
  return static_cast<int>(
      std::ranges::count_if(formSkinners_, [](const auto& skinner) { return skinner->MdiKind() == TMdiKind::Child; }));
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

TSkinRequests& ManagerRequests() {
  // Reaches whichever manager is there when asked, so a component outlives a
  // manager freed to start afresh; only loading makes one.
  class TManagerRequests final : public TSkinRequests {
   public:
    bool Running() const override { return SkinManager() != nullptr; }
    void ComponentLoaded(TSkinData& data) override { CreateSkinManager().ComponentLoaded(data); }
    void ComponentDestroyed(TSkinData& data) override {
      if (TSkinManage* manager = SkinManager()) manager->UnregisterSkinData(&data);
    }
    void ActiveChanged(TSkinData& data) override {
      if (TSkinManage* manager = SkinManager()) manager->ActiveChanged(data);
    }
    void SkinChanged(TSkinData& data) override { CreateSkinManager().SkinChanged(data); }
  };
  static TManagerRequests requests;
  return requests;
}

}  // namespace skin
