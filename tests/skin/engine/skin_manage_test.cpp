#include "skin/engine/skin_manage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/component/skin_data.h"
#include "ui/form.h"

namespace skin {
namespace {

// A plain window of a system class; destroyed with its holder.
class TTestWindow {
 public:
  TTestWindow(const wchar_t* className, DWORD style, HWND parent = nullptr)
      : handle_(CreateWindowExW(0, className, L"", style, 10, 10, 200, 120, parent, nullptr, GetModuleHandleW(nullptr),
                                nullptr)) {}
  ~TTestWindow() {
    if (handle_) DestroyWindow(handle_);
  }
  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

// Stands in for a frame skinner: writes what it is asked to do into a shared log.
class TLoggingSkinner : public TFormSkinner {
 public:
  TLoggingSkinner(std::string name, TSkinData* data, std::vector<std::string>& log)
      : name_(std::move(name)), data_(data), log_(log), window_(L"STATIC", WS_POPUP) {}
  ~TLoggingSkinner() override {
    log_.push_back(name_ + " freed");
    if (SkinManager()) SkinManager()->RemoveFormSkinner(WindowHandle());
  }

  HWND WindowHandle() const override { return window_.Handle(); }
  TSkinData* SkinData() const override { return data_; }
  TFormSkinnerState State() const override { return state_; }
  void SetState(TFormSkinnerState state) override { state_ = state; }
  TMdiKind MdiKind() const override { return mdiKind_; }
  void ReleaseCaptionButtons() override { log_.push_back(name_ + " release"); }
  void RebuildFrameMetrics() override { log_.push_back(name_ + " rebuild"); }
  void RefreshSkin() override { log_.push_back(name_ + " refresh"); }
  void Unskin() override { log_.push_back(name_ + " unskin"); }
  void UnskinOnDestroy() override {
    log_.push_back(name_ + (state_ == TFormSkinnerState::Destroying ? " unskin on destroy" : " unskin too early"));
  }
  void MdiMaximizedChanged(bool maximized) override {
    log_.push_back(name_ + (maximized ? " maximised" : " restored"));
  }

  void MarkDestroyed() { state_ = TFormSkinnerState::Destroyed; }
  void SetMdiKind(TMdiKind kind) { mdiKind_ = kind; }

 private:
  std::string name_;
  TSkinData* data_;
  std::vector<std::string>& log_;
  TTestWindow window_;
  TFormSkinnerState state_ = TFormSkinnerState::Created;
  TMdiKind mdiKind_ = TMdiKind::None;
};

// Handles the thread's messages until `done` or five seconds have passed.
template <class Done>
void PumpMessagesUntil(Done done, DWORD limitMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < limitMs) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

class SkinManageTest : public testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    manager = &CreateSkinManager();
  }
  void TearDown() override {
    FreeSkinManager();
    datas.clear();
  }

  TSkinData& NewSkinData(TSkinFormType type, ui::TComponent* owner = nullptr) {
    datas.push_back(std::make_unique<TSkinData>(owner));
    TSkinData& data = *datas.back();
    data.SetSkinFormtype(type);
    manager->RegisterSkinData(&data);
    return data;
  }

  TLoggingSkinner* AddSkinner(std::string name, TSkinData* data) {
    auto* skinner = new TLoggingSkinner(std::move(name), data, log);
    manager->AddFormSkinner(skinner);
    return skinner;
  }

  TSkinManage* manager = nullptr;
  std::vector<std::unique_ptr<TSkinData>> datas;
  std::vector<std::string> log;
};

TEST_F(SkinManageTest, TheManagerIsOneForTheProgram) {
  EXPECT_EQ(SkinManager(), manager);
  EXPECT_EQ(&CreateSkinManager(), manager);
  FreeSkinManager();
  EXPECT_EQ(SkinManager(), nullptr);
}

TEST_F(SkinManageTest, ComponentsRegisterOnceInLoadOrder) {
  TSkinData& first = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& second = NewSkinData(TSkinFormType::sfDialog);
  manager->RegisterSkinData(&first);
  EXPECT_EQ(manager->SkinDatas(), (std::vector<TSkinData*>{&first, &second}));
  manager->UnregisterSkinData(&first);
  EXPECT_EQ(manager->SkinDatas(), std::vector<TSkinData*>{&second});
}

TEST_F(SkinManageTest, TheHookSeesTheThreadsWindowsBeingActivated) {
  manager->InstallHook();
  ASSERT_NE(manager->CbtHook(), nullptr);
  EXPECT_EQ(manager->Started(), 0);
  TTestWindow window(L"STATIC", WS_OVERLAPPEDWINDOW);
  ShowWindow(window.Handle(), SW_SHOW);
  SetActiveWindow(window.Handle());
  EXPECT_EQ(manager->Started(), 1);
}

TEST_F(SkinManageTest, TheHookRefusesASizeGripInsideASkinnedWindowOnly) {
  manager->InstallHook();
  TSkinData& data = NewSkinData(TSkinFormType::sfMainform);
  const HWND skinned = AddSkinner("form", &data)->WindowHandle();
  TTestWindow plain(L"STATIC", WS_POPUP);

  TTestWindow refused(L"ScrollBar", WS_CHILD | SBS_SIZEGRIP, skinned);
  EXPECT_EQ(refused.Handle(), nullptr);
  TTestWindow scrollBar(L"ScrollBar", WS_CHILD | SBS_VERT, skinned);
  EXPECT_NE(scrollBar.Handle(), nullptr);
  TTestWindow unskinnedGrip(L"ScrollBar", WS_CHILD | SBS_SIZEGRIP, plain.Handle());
  EXPECT_NE(unskinnedGrip.Handle(), nullptr);
}

TEST_F(SkinManageTest, BeforeTheFirstActivationActionsApplyAtOnce) {
  manager->ScheduleAction(TSkinAction::Activate, 250);
  EXPECT_TRUE(manager->Enabled());
  EXPECT_FALSE(manager->ActionTimer().Enabled());
  manager->ScheduleAction(TSkinAction::SkinChanged, 250);
  EXPECT_TRUE(manager->Enabled());
  manager->ScheduleAction(TSkinAction::Deactivate, 250);
  EXPECT_FALSE(manager->Enabled());
  EXPECT_EQ(manager->PendingAction(), TSkinAction::Deactivate);
}

TEST_F(SkinManageTest, AfterTheFirstActivationTheTimerRunsTheActionOnce) {
  TSkinData& data = NewSkinData(TSkinFormType::sfMainform);
  int changes = 0;
  data.OnSkinChanged = [&](ui::TComponent* sender) {
    EXPECT_EQ(sender, &data);
    ++changes;
  };
  manager->SetStarted(1);
  manager->SetEnabled(true);
  manager->ScheduleAction(TSkinAction::Deactivate, 250);
  manager->SetPendingSkinData(&data);
  EXPECT_TRUE(manager->Enabled());  // not yet: the timer carries it out
  EXPECT_TRUE(manager->ActionTimer().Enabled());
  EXPECT_EQ(manager->ActionTimer().Interval(), 250u);

  PumpMessagesUntil([&] { return changes > 0; });
  PumpMessagesUntil([] { return false; }, 600);  // long enough for a second tick
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(manager->Enabled());
  EXPECT_FALSE(manager->ActionTimer().Enabled());
  EXPECT_EQ(manager->PendingSkinData(), nullptr);
}

TEST_F(SkinManageTest, ARequestMadeInOnSkinChangedStands) {
  TSkinData& data = NewSkinData(TSkinFormType::sfMainform);
  manager->SetStarted(1);
  data.OnSkinChanged = [&](ui::TComponent*) {
    manager->ScheduleAction(TSkinAction::SkinChanged, 250);
    manager->SetPendingSkinData(&data);
  };
  manager->ScheduleAction(TSkinAction::Activate, 250);
  manager->SetPendingSkinData(&data);
  manager->RunPendingAction();
  EXPECT_TRUE(manager->Enabled());
  EXPECT_EQ(manager->PendingAction(), TSkinAction::SkinChanged);
  EXPECT_EQ(manager->PendingSkinData(), &data);
  EXPECT_TRUE(manager->ActionTimer().Enabled());
}

TEST_F(SkinManageTest, ASecondHookReplacesTheFirst) {
  manager->InstallHook();
  const HHOOK first = manager->CbtHook();
  manager->InstallHook();
  EXPECT_NE(manager->CbtHook(), nullptr);
  EXPECT_FALSE(UnhookWindowsHookEx(first));  // already removed
}

TEST_F(SkinManageTest, ATickWithoutAPendingComponentDoesNothing) {
  manager->SetStarted(1);
  manager->ScheduleAction(TSkinAction::Activate, 250);
  manager->RunPendingAction();
  EXPECT_FALSE(manager->Enabled());
  EXPECT_TRUE(manager->ActionTimer().Enabled());
}

TEST_F(SkinManageTest, DeactivatingUnskinsAndFreesEveryFrameSkinnerFromTheLast) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& other = NewSkinData(TSkinFormType::sfDialog);
  AddSkinner("a", &main);
  AddSkinner("b", &other);
  manager->SetEnabled(true);
  manager->ScheduleAction(TSkinAction::Deactivate, 250);
  manager->SetPendingSkinData(&main);
  manager->RunPendingAction();
  EXPECT_FALSE(manager->Enabled());
  EXPECT_EQ(log, (std::vector<std::string>{"b unskin", "b freed", "a unskin", "a freed"}));
  EXPECT_TRUE(manager->FormSkinners().empty());
}

TEST_F(SkinManageTest, AComponentForItsOwnFormDeactivatesOnlyItsLastSkinner) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& own = NewSkinData(TSkinFormType::sfOnlyThisForm);
  TLoggingSkinner* first = AddSkinner("own1", &own);
  TLoggingSkinner* other = AddSkinner("main", &main);
  AddSkinner("own2", &own);
  manager->ScheduleAction(TSkinAction::Deactivate, 250);
  manager->SetPendingSkinData(&own);
  manager->RunPendingAction();
  EXPECT_EQ(log, (std::vector<std::string>{"own2 unskin", "own2 freed"}));
  EXPECT_EQ(manager->FormSkinners(), (std::vector<TFormSkinner*>{first, other}));
}

TEST_F(SkinManageTest, ASkinChangeMeasuresEveryFrameBeforeRefreshingAny) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& other = NewSkinData(TSkinFormType::sfMainform);
  AddSkinner("a", &main);
  AddSkinner("x", &other);
  AddSkinner("b", &main);
  manager->ScheduleAction(TSkinAction::SkinChanged, 250);
  manager->SetPendingSkinData(&main);
  manager->RunPendingAction();
  EXPECT_EQ(log,
            (std::vector<std::string>{"a release", "a rebuild", "b release", "b rebuild", "a refresh", "b refresh"}));

  // A component for its own form refreshes its first skinner only.
  log.clear();
  TSkinData& own = NewSkinData(TSkinFormType::sfOnlyThisForm);
  AddSkinner("own1", &own);
  AddSkinner("own2", &own);
  manager->ScheduleAction(TSkinAction::SkinChanged, 250);
  manager->SetPendingSkinData(&own);
  manager->RunPendingAction();
  EXPECT_EQ(log, (std::vector<std::string>{"own1 release", "own1 rebuild", "own1 refresh"}));
}

TEST_F(SkinManageTest, PurgingFreesTheSkinnersOfDestroyedWindows) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  AddSkinner("a", &main)->MarkDestroyed();
  TLoggingSkinner* alive = AddSkinner("b", &main);
  AddSkinner("c", &main)->MarkDestroyed();
  manager->ScheduleAction(TSkinAction::Purge, 250);
  manager->SetPendingSkinData(&main);
  manager->RunPendingAction();
  EXPECT_EQ(log, (std::vector<std::string>{"c freed", "a freed"}));
  EXPECT_EQ(manager->FormSkinners(), std::vector<TFormSkinner*>{alive});
}

TEST_F(SkinManageTest, FrameSkinnersAreFoundByWindowAndLeaveWhenFreedElsewhere) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  TLoggingSkinner* a = AddSkinner("a", &main);
  TLoggingSkinner* b = AddSkinner("b", &main);
  EXPECT_EQ(manager->FindFormSkinner(b->WindowHandle()), b);
  EXPECT_EQ(manager->FindFormSkinner(nullptr), nullptr);
  manager->ReleaseAllCaptionButtons();
  EXPECT_EQ(log, (std::vector<std::string>{"a release", "b release"}));

  delete a;  // as when its form frees it
  EXPECT_EQ(manager->FormSkinners(), std::vector<TFormSkinner*>{b});
}

TEST_F(SkinManageTest, DestroyingTheManagerDetachesEverySkinnerWithoutRestoring) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  AddSkinner("a", &main);
  AddSkinner("b", &main);
  manager->InstallHook();
  FreeSkinManager();
  EXPECT_EQ(log, (std::vector<std::string>{"b unskin on destroy", "b freed", "a unskin on destroy", "a freed"}));
}

TEST_F(SkinManageTest, FindSkinDataPrefersOwnFormThenDialogThenTheLastMainComponent) {
  TTestWindow plain(L"STATIC", WS_POPUP);
  TTestWindow dialog(L"#32770", WS_POPUP);
  EXPECT_EQ(manager->FindSkinData(plain.Handle()), nullptr);

  TSkinData& firstDialog = NewSkinData(TSkinFormType::sfDialog);
  EXPECT_EQ(manager->FindSkinData(plain.Handle()), &firstDialog);  // the first of all, as nothing fits
  TSkinData& firstMain = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& lastMain = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& lastDialog = NewSkinData(TSkinFormType::sfDialog);
  EXPECT_EQ(manager->FindSkinData(plain.Handle()), &lastMain);
  EXPECT_EQ(manager->FindSkinData(dialog.Handle()), &lastDialog);
  EXPECT_NE(&firstMain, &lastMain);

  auto form = std::make_unique<ui::TForm>(nullptr);
  TSkinData& own = NewSkinData(TSkinFormType::sfOnlyThisForm, form.get());
  EXPECT_EQ(manager->FindSkinData(plain.Handle()), &lastMain);  // the form has no window yet
  EXPECT_EQ(manager->FindSkinData(form->Handle()), &own);
  datas.pop_back();  // freed before its form
}

TEST_F(SkinManageTest, AskFormSkinConsultsTheFirstMainComponent) {
  EXPECT_TRUE(manager->AskFormSkin("SysMonthCal32"));  // nobody to ask

  TSkinData& dialog = NewSkinData(TSkinFormType::sfDialog);
  dialog.OnFormSkin = [](ui::TComponent*, const std::string&, bool& doSkin) { doSkin = false; };
  TSkinData& first = NewSkinData(TSkinFormType::sfMainform);
  TSkinData& second = NewSkinData(TSkinFormType::sfMainform);
  second.OnFormSkin = [](ui::TComponent*, const std::string&, bool& doSkin) { doSkin = false; };
  EXPECT_TRUE(manager->AskFormSkin("TFRM_Date"));
  EXPECT_FALSE(manager->AskFormSkin("SysMonthCal32"));
  EXPECT_TRUE(manager->AskFormSkin("TfrDesigner"));  // report windows only with xcFastReport
  first.SetSkinControls(TSkinControls(first.SkinControls()).Include(TSkinControlType::xcFastReport));
  EXPECT_FALSE(manager->AskFormSkin("TfrDesigner"));
  EXPECT_TRUE(manager->AskFormSkin("TFrame"));

  std::vector<std::string> asked;
  first.OnFormSkin = [&](ui::TComponent* sender, const std::string& name, bool& doSkin) {
    EXPECT_EQ(sender, &first);
    EXPECT_TRUE(doSkin);
    asked.push_back(name);
    doSkin = name != "TFRM_Date";
  };
  EXPECT_FALSE(manager->AskFormSkin("TFRM_Date"));
  EXPECT_TRUE(manager->AskFormSkin("SysMonthCal32"));  // the event decides alone
  EXPECT_EQ(asked, (std::vector<std::string>{"TFRM_Date", "SysMonthCal32"}));
}

}  // namespace
}  // namespace skin
