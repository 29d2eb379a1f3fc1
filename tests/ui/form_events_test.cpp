// A form's life: create, show, activation, close; the screen's list of forms.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "text/gbk.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/screen.h"

namespace {

class RecordingForm : public ui::TForm {
 public:
  explicit RecordingForm(ui::TComponent* owner) : TForm(owner) {
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    OnCreate = [this](ui::TComponent*) { events.push_back("create"); };
    OnShow = [this](ui::TComponent*) { events.push_back("show"); };
    OnActivate = [this](ui::TComponent*) { events.push_back("activate"); };
    OnDeactivate = [this](ui::TComponent*) { events.push_back("deactivate"); };
    OnClose = [this](ui::TComponent*, ui::TCloseAction& action) {
      events.push_back("close");
      action = closeAction;
    };
  }
  std::string ClassName() const override { return "TRecordingForm"; }
  std::vector<std::string> events;
  ui::TCloseAction closeAction = ui::TCloseAction::caHide;
};

TEST(FormLife, WindowClassIsTheFormsClassNameAndClientSizeIsExact) {
  RecordingForm form(nullptr);
  form.SetClientSize(312, 311);
  form.Show();
  wchar_t className[64];
  GetClassNameW(form.Handle(), className, 64);
  EXPECT_STREQ(className, L"TRecordingForm");
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 312);
  EXPECT_EQ(client.bottom, 311);
  EXPECT_EQ(GetWindowLongW(form.Handle(), GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
  form.SetCaption("Rilvanta");
  EXPECT_EQ(FindWindowW(L"TRecordingForm", L"Rilvanta"), form.Handle());
}

TEST(FormLife, ShowActivationAndCloseRaiseTheirEvents) {
  RecordingForm form(nullptr);
  form.Show();
  ui::Application().ProcessMessages();
  EXPECT_EQ(form.events.at(0), "show");
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(form.events.back(), "deactivate");
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(form.events.back(), "activate");

  form.closeAction = ui::TCloseAction::caNone;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.events.back(), "close");
  EXPECT_TRUE(IsWindowVisible(form.Handle())) << "caNone keeps the form open";
  form.closeAction = ui::TCloseAction::caHide;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.Visible());
}

TEST(FormLife, ScreenListsLiveFormsAndFindsThemByWindow) {
  const int before = ui::Screen().FormCount();
  auto* first = new RecordingForm(nullptr);
  auto* second = new RecordingForm(nullptr);
  ASSERT_EQ(ui::Screen().FormCount(), before + 2);
  EXPECT_EQ(ui::Screen().Forms(before + 1), second);
  EXPECT_EQ(ui::Screen().FindForm(second->Handle()), second);
  delete first;
  EXPECT_EQ(ui::Screen().FormCount(), before + 1);
  EXPECT_EQ(ui::Screen().Forms(before), second);
  delete second;
}

TEST(FormLife, FreedFormReleasedFromItsOwnHandlerGoesAfterTheMessage) {
  auto* form = new RecordingForm(nullptr);
  form->closeAction = ui::TCloseAction::caFree;
  const int before = ui::Screen().FormCount();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(ui::Screen().FormCount(), before) << "still alive while its close is handled";
  ui::Application().ProcessMessages();
  EXPECT_EQ(ui::Screen().FormCount(), before - 1);
}

TEST(FormLife, ExceptionsFromHandlersReachTheApplicationNotTheSystem) {
  RecordingForm form(nullptr);
  form.OnDeactivate = [](ui::TComponent*) { throw std::runtime_error("Failed to set data for 'rilvanta.exe'"); };
  std::string reported;
  ui::Application().OnException = [&](const std::exception& error) { reported = error.what(); };
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  ui::Application().OnException = nullptr;
  EXPECT_EQ(reported, "Failed to set data for 'rilvanta.exe'");
}

// Last: it terminates the application object shared by every test here.
TEST(FormLifeMainForm, CreateFormFiresOnCreateAndClosingTheMainFormEndsTheApplication) {
  auto* form = ui::Application().CreateForm<RecordingForm>();
  EXPECT_EQ(form->Owner(), &ui::Application());
  ASSERT_EQ(ui::Application().MainForm(), form);
  EXPECT_EQ(form->events.at(0), "create");
  form->Show();
  form->Close();
  EXPECT_TRUE(ui::Application().Terminated());
  ui::Application().RemoveComponent(form);  // as the calendar's close handler does
  EXPECT_EQ(ui::Application().MainForm(), form);
  delete form;
  EXPECT_EQ(ui::Application().MainForm(), nullptr);
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
