#pragma once
// TSkinManage: the program's one skin manager. It keeps the loaded skin
// components, watches the user-interface thread's windows through a CBT hook,
// holds the frame skinners of skinned top-level windows, and carries out the
// skin components' activate, deactivate and refresh requests on a 250 ms
// one-shot timer, so that they run outside the code that made them.
//
// Before the first window activation (Started 0) requests take effect at
// once; after it they go through the timer.
//
// It alone owns the frame skinners it holds and is the host they are made
// with: a skinner whose window is destroyed says so, and the next action of
// the timer frees it.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/component/skin_requests.h"
#include "skin/engine/frame/form_skinner.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/form_skinner_host.h"
#include "skin/engine/menus/popup_skinner.h"
#include "skin/engine/win32/message_timer.h"

namespace ui {
class TForm;
}  // namespace ui

namespace skin {

class TSkinData;

enum class TSkinAction { None = 0, Activate = 1, Deactivate = 2, SkinChanged = 3, Purge = 6 };

// Makes the frame skinner of a window (CreateFormSkinner by default).
using TFormSkinnerMaker =
    std::function<std::unique_ptr<TFormSkinner>(HWND window, ui::TForm* form, TSkinData& data, TFormSkinnerHost& host)>;
// Makes the skinner of a menu popup window (by default CreatePopupSkinner,
// skinning while the manager is enabled).
using TPopupSkinnerMaker = std::function<std::unique_ptr<TPopupSkinner>(HWND window, TSkinData& data)>;

class TSkinManage final : public TFormSkinnerHost {
 public:
  static constexpr int kStartedDestroying = 4;
  // A form with this Tag never gets a frame skinner, whatever DisableTag says.
  static constexpr int kUnskinnedFormTag = 99;

  TSkinManage();
  // Removes the hook, detaches every frame skinner without restoring its
  // window (as if the window were being destroyed) and frees the popup skinners.
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // What a skin component asks for (see TSkinRequests): it has loaded, its
  // Active was switched, or a new skin was loaded into it.
  void ComponentLoaded(TSkinData& data);
  void ActiveChanged(TSkinData& data);
  void SkinChanged(TSkinData& data);

  // Skin components in load order; a component is registered once.
  void RegisterSkinData(TSkinData* data);
  // Also forgets a pending action of that component.
  void UnregisterSkinData(TSkinData* data);
  const std::vector<TSkinData*>& SkinDatas() const override { return skinDatas_; }

  // The skin component for a window: the last one serving only that window,
  // else for a dialog the last dialog component, else the last main one, else
  // the first of all; nullptr when none is registered.
  TSkinData* FindSkinData(HWND window) const;
  // Whether windows of this class get a frame skinner, as the first main-form
  // component says (its OnFormSkin, or else everything but month calendars and
  // report designer windows).
  bool AskFormSkin(const std::string& className) const;

  // Hangs a frame skinner on the window unless skinning is off, it is skinned
  // already, it is an MDI child (outside a sweep over all forms), it has no
  // size, its form is tagged kUnskinnedFormTag, it is the application's
  // window, its class is refused by AskFormSkin, or no loaded skin serves it.
  bool AttachWindow(HWND window);
  // Attaches an MDI child that the client window of a skinned MDI frame has
  // just made: the MDI-child exclusion of AttachWindow does not apply to it.
  bool AttachMdiChild(HWND child) override;
  // The library form of a window, searching the screen's forms from the last.
  ui::TForm* FindLibraryForm(HWND window) const;
  void SetFormSkinnerMaker(TFormSkinnerMaker maker) { formSkinnerMaker_ = std::move(maker); }

  // Menu popup windows get a popup skinner while skinning is on and the
  // window's skin component skins menus; it goes with the window.
  void AttachPopupMenu(HWND window);
  bool DetachPopupMenu(HWND window);
  bool IsPopupMenuSkinned(HWND window) const;
  // The rendered background of the skinned popup showing that menu, or nullptr.
  const TPopupBackground* FindPopupBackground(HMENU menu) const override;
  std::size_t PopupSkinnerCount() const { return popupSkinners_.size(); }
  void SetPopupSkinnerMaker(TPopupSkinnerMaker maker) { popupSkinnerMaker_ = std::move(maker); }

  // Installs the CBT hook for the current thread; a second call replaces the first hook.
  void InstallHook();
  HHOOK CbtHook() const { return cbtHook_; }

  // Runs `action` after `delayMs` on the timer for PendingSkinData, or, before
  // the first activation, applies it at once (activate and deactivate only
  // switch Enabled then).
  void ScheduleAction(TSkinAction action, unsigned delayMs);
  // Schedules freeing the skinners of destroyed windows for `data`, unless
  // another action waits for the timer: every action frees them first.
  void SchedulePurge(TSkinData& data, unsigned delayMs);
  // The timer tick: frees the skinners of destroyed windows, whose forms may
  // be gone, then carries out the pending action, forgets the component
  // and fires its OnSkinChanged. Without a pending component the timer goes
  // on ticking.
  void RunPendingAction();
  TSkinAction PendingAction() const { return pendingAction_; }
  TSkinData* PendingSkinData() const { return pendingSkinData_; }
  void SetPendingSkinData(TSkinData* data) { pendingSkinData_ = data; }
  const TMessageTimer& ActionTimer() const { return actionTimer_; }

  // When false no new window is attached.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // 0 until the first window activation (or a component serving only some
  // windows loaded); kStartedDestroying while the manager is destroyed.
  int Started() const { return started_; }
  void SetStarted(int started) { started_ = started; }

  // Frame skinners, in attach order. The manager takes over the skinner.
  void AddFormSkinner(std::unique_ptr<TFormSkinner> skinner);
  TFormSkinner* FindFormSkinner(HWND window) const;
  const std::vector<std::unique_ptr<TFormSkinner>>& FormSkinners() const { return formSkinners_; }
  // Schedules the purge that frees the skinner (SchedulePurge).
  void SkinnedWindowDestroyed(TFormSkinner& skinner) override;
  // Every frame skinner frees its caption buttons (before a skin change).
  void ReleaseAllCaptionButtons();

  // MDI children shown maximised; a change is passed to every MDI child's skinner.
  bool MdiMaximized() const override { return mdiMaximized_; }
  void SetMdiMaximized(bool maximized) override;
  // The frame skinners of MDI children.
  int CountMdiChildren() const;

 private:
  static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
  // True when the window's creation is refused.
  bool HandleHookCode(int code, HWND window, LPARAM lParam);
  // A size grip inside a skinned window is refused: the skin draws its own frame.
  bool RefusesCreation(HWND window, const CBT_CREATEWNDW& creation) const;

  // Attaches the screen's forms from the last: only the owner of `onlyOwnerOf` when given.
  void Sweep(const TSkinData* onlyOwnerOf);
  void Deactivate(const TSkinData* onlyOf);
  void RefreshSkins(const TSkinData* data, bool firstOnly);
  void Purge();
  // Takes the skinner at `index` out of the list and frees it.
  void FreeFormSkinner(std::size_t index);

  TMessageTimer actionTimer_;
  HHOOK cbtHook_ = nullptr;
  std::vector<std::unique_ptr<TFormSkinner>> formSkinners_;
  std::vector<std::unique_ptr<TPopupSkinner>> popupSkinners_;
  std::vector<TSkinData*> skinDatas_;
  TFormSkinnerMaker formSkinnerMaker_ = CreateFormSkinner;
  TPopupSkinnerMaker popupSkinnerMaker_ = [this](HWND window, TSkinData& data) {
    return CreatePopupSkinner(window, data, [this] { return enabled_; });
  };
  bool enabled_ = false;
  // While the activate action attaches the existing forms: MDI children are attached too.
  bool sweeping_ = false;
  int started_ = 0;
  TSkinAction pendingAction_ = TSkinAction::None;
  TSkinData* pendingSkinData_ = nullptr;
  bool mdiMaximized_ = false;
};

// The program's manager, or nullptr before the first skin component loaded.
TSkinManage* SkinManager();
// The program's manager, made now if there is none; freed when the program ends.
TSkinManage& CreateSkinManager();
// Frees the manager (at the end of the program, or to start afresh).
void FreeSkinManager();
// The requests of skin components, passed to the program's manager: the one
// a component is made with.
TSkinRequests& ManagerRequests();

}  // namespace skin
