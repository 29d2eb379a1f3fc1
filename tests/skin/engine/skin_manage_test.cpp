#include "skin/engine/skin_manage.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/component/skin_data.h"
#include "skin/engine/win32/message_timer.h"
#include "skin/engine/win32/skin_messages.h"
#include "skin/engine/win32/window_class_name.h"
#include "ui/forms/application.h"
#include "ui/forms/form.h"
#include "ui/forms/message_form.h"

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

// Stands in for a frame skinner: writes what it is asked to do into a shared
// log. It serves the window it is given, or a hidden window of its own.
class TLoggingSkinner : public TFormSkinner {
 public:
  TLoggingSkinner(std::string name, TSkinData* data, std::vector<std::string>& log, HWND window = nullptr)
      : name_(std::move(name)), data_(data), log_(log), window_(window) {
    if (!window_) {
      ownWindow_ = std::make_unique<TTestWindow>(L"STATIC", WS_POPUP);
      window_ = ownWindow_->Handle();
    }
  }
  ~TLoggingSkinner() override { log_.push_back(name_ + " freed"); }

  HWND WindowHandle() const override { return window_; }
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
  HWND window_;
  std::unique_ptr<TTestWindow> ownWindow_;
  TFormSkinnerState state_ = TFormSkinnerState::Created;
  TMdiKind mdiKind_ = TMdiKind::None;
};

// Stands in for a popup-menu skinner.
class TLoggingPopupSkinner : public TPopupSkinner {
 public:
  TLoggingPopupSkinner(HWND window, std::vector<std::string>& log) : window_(window), log_(log) {}
  ~TLoggingPopupSkinner() override { log_.push_back("popup freed"); }
  HWND WindowHandle() const override { return window_; }
  HMENU MenuHandle() const override { return menu_; }
  const TPopupBackground* Background() const override { return &background_; }
  void Detach() override { log_.push_back("popup detach"); }

  HMENU menu_ = nullptr;
  TPopupBackground background_;

 private:
  HWND window_;
  std::vector<std::string>& log_;
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
    datas.push_back(std::make_unique<TSkinData>(owner, ManagerRequests()));
    TSkinData& data = *datas.back();
    data.SetSkinFormtype(type);
    manager->RegisterSkinData(&data);
    return data;
  }

  TLoggingSkinner* AddSkinner(std::string name, TSkinData* data) {
    auto skinner = std::make_unique<TLoggingSkinner>(std::move(name), data, log);
    TLoggingSkinner* added = skinner.get();
    manager->AddFormSkinner(std::move(skinner));
    return added;
  }

  // The frame skinners the manager holds, in its order.
  std::vector<TFormSkinner*> HeldSkinners() const {
    std::vector<TFormSkinner*> held;
    for (const auto& skinner : manager->FormSkinners()) held.push_back(skinner.get());
    return held;
  }

  // A component holding the sample skin, registered as a window's layout would register it.
  TSkinData& LoadedSkinData(TSkinFormType type, ui::TComponent* owner = nullptr) {
    datas.push_back(std::make_unique<TSkinData>(owner, ManagerRequests()));
    TSkinData& data = *datas.back();
    data.BeginLoading();
    data.SetSkinFormtype(type);
    data.SetActive(true);
    data.SetSkinFile(std::string(RILVANTA_TESTDATA_DIR) + "/skins/sample.skn");
    EXPECT_FALSE(data.SkinEmpty());
    data.Loaded();
    return data;
  }

  // Frame skinners are logged ("attach <class name>") instead of made.
  void LogAttachments() {
    manager->SetFormSkinnerMaker([this](HWND window, ui::TForm* form, TSkinData& data, TFormSkinnerHost& host) {
      EXPECT_EQ(&host, manager);
      log.push_back("attach " + WindowClassName(window) + (form ? " form" : ""));
      attachedWith.push_back(&data);
      return std::make_unique<TLoggingSkinner>("skinner", &data, log, window);
    });
  }

  // Whether SKM_ATTACHED (wParam 0, lParam 1000) was posted to the window; takes it out of the queue.
  static bool AttachedWasPosted(HWND window) {
    MSG msg;
    return PeekMessageW(&msg, window, SKM_ATTACHED, SKM_ATTACHED, PM_REMOVE) && msg.wParam == 0 &&
           msg.lParam == kAttachedTag;
  }

  TSkinManage* manager = nullptr;
  std::vector<std::unique_ptr<TSkinData>> datas;
  std::vector<std::string> log;
  std::vector<TSkinData*> attachedWith;
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
  // Nothing has turned the timer on, so it has made no window to slow a start.
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, kMessageTimerClass, nullptr), nullptr);
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
  EXPECT_NE(FindWindowExW(HWND_MESSAGE, nullptr, kMessageTimerClass, nullptr), nullptr);

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
  EXPECT_EQ(HeldSkinners(), (std::vector<TFormSkinner*>{first, other}));
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
  EXPECT_EQ(HeldSkinners(), std::vector<TFormSkinner*>{alive});
}

// A window closed just before a skin change: the change must neither reach
// the destroyed window's skinner (its form may be freed) nor be lost to the
// purge the window asks for.
TEST_F(SkinManageTest, ASkinChangeFreesTheSkinnersOfDestroyedWindowsFirstAndAPurgeNeverReplacesIt) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  manager->SetStarted(1);
  AddSkinner("alive", &main);
  manager->SetPendingSkinData(&main);
  manager->ScheduleAction(TSkinAction::SkinChanged, 250);
  AddSkinner("closed", &main)->MarkDestroyed();
  manager->SchedulePurge(main, 250);
  EXPECT_EQ(manager->PendingAction(), TSkinAction::SkinChanged);
  manager->RunPendingAction();
  EXPECT_EQ(log, (std::vector<std::string>{"closed freed", "alive release", "alive rebuild", "alive refresh"}));

  AddSkinner("closed later", &main)->MarkDestroyed();
  manager->SchedulePurge(main, 250);  // nothing waits now: the purge is scheduled
  EXPECT_EQ(manager->PendingAction(), TSkinAction::Purge);
  EXPECT_TRUE(manager->ActionTimer().Enabled());
}

TEST_F(SkinManageTest, FrameSkinnersAreFoundByWindowAndOneWhoseWindowIsDestroyedIsFreedSoonAfter) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  TLoggingSkinner* a = AddSkinner("a", &main);
  TLoggingSkinner* b = AddSkinner("b", &main);
  EXPECT_EQ(manager->FindFormSkinner(b->WindowHandle()), b);
  EXPECT_EQ(manager->FindFormSkinner(nullptr), nullptr);
  manager->ReleaseAllCaptionButtons();
  EXPECT_EQ(log, (std::vector<std::string>{"a release", "b release"}));

  // As a frame skinner does at its window's WM_NCDESTROY: the manager frees
  // it on the timer, outside the window's message, and holds no entry for it.
  manager->SetStarted(1);
  a->MarkDestroyed();
  manager->SkinnedWindowDestroyed(*a);
  EXPECT_EQ(HeldSkinners(), (std::vector<TFormSkinner*>{a, b}));
  EXPECT_EQ(manager->PendingAction(), TSkinAction::Purge);
  EXPECT_EQ(manager->PendingSkinData(), &main);
  PumpMessagesUntil([&] { return manager->FormSkinners().size() == 1; });
  EXPECT_EQ(HeldSkinners(), std::vector<TFormSkinner*>{b});
  EXPECT_EQ(log.back(), "a freed");
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

TEST_F(SkinManageTest, AWindowIsSkinnedOnItsFirstActivationOnceTheSkinHasLoaded) {
  manager->InstallHook();
  LogAttachments();
  TTestWindow early(L"STATIC", WS_POPUP | WS_VISIBLE);
  SetActiveWindow(early.Handle());
  EXPECT_EQ(manager->Started(), 1);

  // Loaded after the first activation: the activation waits for the timer.
  TSkinData& data = LoadedSkinData(TSkinFormType::sfMainform);
  EXPECT_FALSE(manager->Enabled());
  PumpMessagesUntil([&] { return manager->Enabled(); });
  EXPECT_TRUE(manager->Enabled());
  EXPECT_FALSE(manager->ActionTimer().Enabled());
  EXPECT_TRUE(log.empty());  // the window activated before is no library form, so no sweep reached it

  TTestWindow late(L"STATIC", WS_POPUP | WS_VISIBLE);
  SetActiveWindow(late.Handle());
  EXPECT_EQ(log, std::vector<std::string>{"attach Static"});
  EXPECT_EQ(attachedWith, std::vector<TSkinData*>{&data});
  EXPECT_NE(manager->FindFormSkinner(late.Handle()), nullptr);
  EXPECT_TRUE(AttachedWasPosted(late.Handle()));
  SetActiveWindow(early.Handle());
  SetActiveWindow(late.Handle());  // attached once only
  EXPECT_EQ(log, (std::vector<std::string>{"attach Static", "attach Static"}));
  EXPECT_EQ(manager->FormSkinners().size(), 2u);
}

TEST_F(SkinManageTest, AFrameSkinnerThatCannotBeMadeLeavesTheWindowPlain) {
  manager->InstallHook();
  LoadedSkinData(TSkinFormType::sfMainform);
  manager->SetFormSkinnerMaker([](HWND, ui::TForm*, TSkinData&, TFormSkinnerHost&) -> std::unique_ptr<TFormSkinner> {
    throw std::runtime_error("no frame for this window");
  });
  TTestWindow window(L"STATIC", WS_POPUP | WS_VISIBLE);
  SetActiveWindow(window.Handle());
  EXPECT_EQ(GetActiveWindow(), window.Handle());

  // Nor does a sweep over the forms stop short.
  TSkinData& data = *datas.back();
  int changes = 0;
  data.OnSkinChanged = [&](ui::TComponent*) { ++changes; };
  ui::TForm form(nullptr);
  form.SetBounds(10, 10, 200, 100);
  form.HandleNeeded();
  manager->SetPendingSkinData(&data);
  manager->ScheduleAction(TSkinAction::Activate, 250);
  manager->RunPendingAction();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(manager->FormSkinners().empty());
}

TEST_F(SkinManageTest, AttachWindowChecksInOrderAndStopsAtTheFirstRefusal) {
  TSkinData& empty = NewSkinData(TSkinFormType::sfMainform);  // asked first, but holds no skin
  TSkinData& main = LoadedSkinData(TSkinFormType::sfMainform);
  TSkinData& dialog = LoadedSkinData(TSkinFormType::sfDialog);
  LogAttachments();
  std::vector<std::string> asked;
  empty.OnFormSkin = [&](ui::TComponent*, const std::string& name, bool& doSkin) {
    asked.push_back(name);
    doSkin = name != "Edit";
  };
  TTestWindow plain(L"STATIC", WS_POPUP);

  manager->SetEnabled(false);
  EXPECT_FALSE(manager->AttachWindow(plain.Handle()));
  manager->SetEnabled(true);

  // Skinned already, by this manager or by a skinner that answers the query.
  TTestWindow held(L"STATIC", WS_POPUP);
  manager->AddFormSkinner(std::make_unique<TLoggingSkinner>("held", &main, log, held.Handle()));
  EXPECT_FALSE(manager->AttachWindow(held.Handle()));
  TTestWindow answering(L"STATIC", WS_POPUP);
  SetWindowLongPtrW(answering.Handle(), GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(+[](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
                      return msg == SKM_QUERYSKINNED ? kSkinnedAnswer : DefWindowProcW(window, msg, wParam, lParam);
                    }));
  EXPECT_FALSE(manager->AttachWindow(answering.Handle()));

  // An MDI child (a child of the MDI client) and a window without size.
  TTestWindow frame(L"STATIC", WS_OVERLAPPEDWINDOW);
  CLIENTCREATESTRUCT client{nullptr, 1};
  const HWND mdiClient = CreateWindowExW(0, L"MDICLIENT", L"", WS_CHILD, 0, 0, 200, 100, frame.Handle(), nullptr,
                                         GetModuleHandleW(nullptr), &client);
  ASSERT_NE(mdiClient, nullptr);
  TTestWindow mdiChild(L"STATIC", WS_CHILD, mdiClient);
  EXPECT_FALSE(manager->AttachWindow(mdiChild.Handle()));
  const HWND empty0 = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 30, nullptr, nullptr, nullptr, nullptr);
  EXPECT_FALSE(manager->AttachWindow(empty0));
  DestroyWindow(empty0);

  // A form tagged 99 (only the literal 99, whatever DisableTag says) and the application's window.
  ui::TForm form(nullptr);
  form.SetBounds(10, 10, 200, 100);
  form.SetTag(99);
  EXPECT_FALSE(manager->AttachWindow(form.Handle()));
  const HWND application = ui::Application().Handle();
  SetWindowPos(application, nullptr, 0, 0, 50, 50, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(manager->AttachWindow(application));
  SetWindowPos(application, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(asked.empty());  // no test so far got as far as asking

  // The first main component answers for the class; the last one's skin is used.
  TTestWindow edit(L"EDIT", WS_POPUP);
  EXPECT_FALSE(manager->AttachWindow(edit.Handle()));
  EXPECT_TRUE(log.empty());
  form.SetTag(199);
  EXPECT_TRUE(manager->AttachWindow(form.Handle()));
  EXPECT_TRUE(manager->AttachWindow(plain.Handle()));
  TTestWindow systemDialog(L"#32770", WS_POPUP);
  EXPECT_TRUE(manager->AttachWindow(systemDialog.Handle()));
  ui::TMessageForm message(nullptr, "text", ui::mbOK);
  EXPECT_TRUE(manager->AttachWindow(message.Handle()));
  EXPECT_EQ(asked, (std::vector<std::string>{"Edit", "TForm", "Static", "#32770", "TMessageForm"}));
  EXPECT_EQ(log, (std::vector<std::string>{"attach TForm form", "attach Static", "attach #32770",
                                           "attach TMessageForm form"}));
  EXPECT_EQ(attachedWith, (std::vector<TSkinData*>{&main, &main, &dialog, &dialog}));
  EXPECT_TRUE(AttachedWasPosted(form.Handle()));

  // Without a usable skin nothing is attached, though the class was asked about.
  FreeSkinManager();
  manager = &CreateSkinManager();
  manager->RegisterSkinData(&empty);
  manager->SetEnabled(true);
  LogAttachments();
  asked.clear();
  log.clear();
  EXPECT_FALSE(manager->AttachWindow(plain.Handle()));
  EXPECT_EQ(asked, std::vector<std::string>{"Static"});
  EXPECT_TRUE(log.empty());
}

TEST_F(SkinManageTest, ActivatingSweepsTheScreensFormsFromTheLast) {
  TSkinData& main = LoadedSkinData(TSkinFormType::sfMainform);
  LogAttachments();
  ui::TForm first(nullptr), second(nullptr), unmade(nullptr);
  first.SetName("first");
  second.SetName("second");
  for (ui::TForm* form : {&first, &second}) {
    form->SetBounds(10, 10, 200, 100);
    form->HandleNeeded();
  }
  // A form made a child of an MDI client is attached by a sweep too.
  TTestWindow frame(L"STATIC", WS_OVERLAPPEDWINDOW);
  CLIENTCREATESTRUCT client{nullptr, 1};
  const HWND mdiClient = CreateWindowExW(0, L"MDICLIENT", L"", WS_CHILD, 0, 0, 200, 100, frame.Handle(), nullptr,
                                         GetModuleHandleW(nullptr), &client);
  SetWindowLongPtrW(first.Handle(), GWL_STYLE, WS_CHILD | WS_CAPTION);
  SetParent(first.Handle(), mdiClient);
  EXPECT_FALSE(manager->AttachWindow(first.Handle()));

  manager->SetStarted(1);
  manager->SetPendingSkinData(&main);
  manager->ScheduleAction(TSkinAction::Activate, 250);
  manager->RunPendingAction();
  EXPECT_TRUE(manager->Enabled());
  ASSERT_EQ(manager->FormSkinners().size(), 2u);
  EXPECT_EQ(manager->FormSkinners()[0]->WindowHandle(), second.Handle());
  EXPECT_EQ(manager->FormSkinners()[1]->WindowHandle(), first.Handle());
  EXPECT_FALSE(unmade.HandleAllocated());  // no window is made to be skinned
  TTestWindow later(L"STATIC", WS_CHILD, mdiClient);
  EXPECT_FALSE(manager->AttachWindow(later.Handle()));  // the sweep is over

  // A component serving only its form sweeps just that form.
  ui::TForm own(nullptr);
  own.SetBounds(10, 10, 200, 100);
  own.HandleNeeded();
  ui::TForm other(nullptr);
  other.SetBounds(10, 10, 200, 100);
  other.HandleNeeded();
  TSkinData& ownData = LoadedSkinData(TSkinFormType::sfOnlyThisForm, &own);  // attaches its form at once
  log.clear();
  for (TSkinAction action : {TSkinAction::Deactivate, TSkinAction::Activate}) {
    manager->SetPendingSkinData(&ownData);
    manager->ScheduleAction(action, 250);
    manager->RunPendingAction();
  }
  EXPECT_EQ(log, (std::vector<std::string>{"skinner unskin", "skinner freed", "attach TForm form"}));
  EXPECT_EQ(manager->FormSkinners().size(), 3u);
  EXPECT_EQ(manager->FindFormSkinner(own.Handle())->SkinData(), &ownData);
  EXPECT_EQ(manager->FindFormSkinner(other.Handle()), nullptr);
  EXPECT_EQ(manager->FindLibraryForm(own.Handle()), &own);
  EXPECT_EQ(manager->FindLibraryForm(frame.Handle()), nullptr);
  datas.pop_back();  // freed before its form
}

TEST_F(SkinManageTest, AComponentOfAnotherKindAttachesItsFormWhenLoaded) {
  LogAttachments();
  ui::TForm form(nullptr);
  form.SetBounds(10, 10, 200, 100);
  LoadedSkinData(TSkinFormType::sfOnlyThisForm, &form);
  EXPECT_EQ(log, std::vector<std::string>{"attach TForm form"});
  EXPECT_EQ(manager->Started(), 1);
  datas.pop_back();
}

TEST_F(SkinManageTest, MenuPopupsGetAPopupSkinnerWhileMenusAreSkinned) {
  manager->InstallHook();
  TSkinData& data = LoadedSkinData(TSkinFormType::sfMainform);
  TLoggingPopupSkinner* made = nullptr;
  manager->SetPopupSkinnerMaker([&](HWND window, TSkinData& with) {
    EXPECT_EQ(&with, &data);
    log.push_back("popup attach");
    auto skinner = std::make_unique<TLoggingPopupSkinner>(window, log);
    made = skinner.get();
    return skinner;
  });
  auto popup = [] {
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                           nullptr);
  };

  const HWND window = popup();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(manager->IsPopupMenuSkinned(window));
  const HMENU menu = CreatePopupMenu();
  EXPECT_EQ(manager->FindPopupBackground(menu), nullptr);  // it has not drawn that menu
  made->menu_ = menu;
  EXPECT_EQ(manager->FindPopupBackground(menu), &made->background_);
  manager->AttachPopupMenu(window);  // once only
  DestroyWindow(window);
  EXPECT_FALSE(manager->IsPopupMenuSkinned(window));
  EXPECT_EQ(log, (std::vector<std::string>{"popup attach", "popup detach", "popup freed"}));
  DestroyMenu(menu);

  // Not while skinning is off, nor for a skin component that leaves menus alone.
  log.clear();
  manager->SetEnabled(false);
  DestroyWindow(popup());
  manager->SetEnabled(true);
  data.SetSkinControls(TSkinControls(data.SkinControls()).Exclude(TSkinControlType::xcMainMenu));
  DestroyWindow(popup());
  EXPECT_TRUE(log.empty());

  // The manager frees the popup skinners it still holds when it goes.
  data.SetSkinControls(TSkinControls::Default());
  const HWND kept = popup();
  FreeSkinManager();
  EXPECT_EQ(log, (std::vector<std::string>{"popup attach", "popup freed"}));
  DestroyWindow(kept);
}

TEST_F(SkinManageTest, MdiMaximisingReachesOnlyTheMdiChildrenAndOnlyOnChange) {
  TSkinData& main = NewSkinData(TSkinFormType::sfMainform);
  AddSkinner("frame", &main)->SetMdiKind(TMdiKind::Frame);
  AddSkinner("child1", &main)->SetMdiKind(TMdiKind::Child);
  AddSkinner("plain", &main);
  AddSkinner("child2", &main)->SetMdiKind(TMdiKind::Child);
  EXPECT_EQ(manager->CountMdiChildren(), 2);
  manager->SetMdiMaximized(false);
  manager->SetMdiMaximized(true);
  manager->SetMdiMaximized(true);
  EXPECT_TRUE(manager->MdiMaximized());
  manager->SetMdiMaximized(false);
  EXPECT_EQ(log,
            (std::vector<std::string>{"child1 maximised", "child2 maximised", "child1 restored", "child2 restored"}));
}

}  // namespace
}  // namespace skin
