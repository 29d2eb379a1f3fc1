// A form's life: create, show, activation, close; the screen's list of forms.
#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, which it needs
#include <dlgs.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/gbk.h"
#include "ui/controls/button.h"
#include "ui/forms/application.h"
#include "ui/forms/form.h"
#include "ui/forms/message_form.h"
#include "ui/forms/open_dialog.h"
#include "ui/forms/screen.h"
#include "ui/forms/system_dialog.h"

namespace {

class TRecordingForm : public ui::TForm {
 public:
  explicit TRecordingForm(ui::TComponent* owner) : TForm(owner) {
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    OnCreate = [this](ui::TComponent*) { Events.push_back("create"); };
    OnShow = [this](ui::TComponent*) { Events.push_back("show"); };
    OnActivate = [this](ui::TComponent*) { Events.push_back("activate"); };
    OnDeactivate = [this](ui::TComponent*) { Events.push_back("deactivate"); };
    OnClose = [this](ui::TComponent*, ui::TCloseAction& action) {
      Events.push_back("close");
      action = CloseAction;
    };
  }
  std::string ClassName() const override { return "TRecordingForm"; }
  std::vector<std::string> Events;
  ui::TCloseAction CloseAction = ui::TCloseAction::caHide;
};

TEST(FormLife, WindowClassIsTheFormsClassNameAndClientSizeIsExact) {
  TRecordingForm form(nullptr);
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
  TRecordingForm form(nullptr);
  form.Show();
  ui::Application().ProcessMessages();
  EXPECT_EQ(form.Events.at(0), "show");
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(form.Events.back(), "deactivate");
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(form.Events.back(), "activate");

  form.CloseAction = ui::TCloseAction::caNone;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.Events.back(), "close");
  EXPECT_TRUE(IsWindowVisible(form.Handle())) << "caNone keeps the form open";
  form.CloseAction = ui::TCloseAction::caHide;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.Visible());
}

TEST(FormLife, ScreenListsLiveFormsAndFindsThemByWindow) {
  const int before = ui::Screen().FormCount();
  auto* first = new TRecordingForm(nullptr);
  auto* second = new TRecordingForm(nullptr);
  ASSERT_EQ(ui::Screen().FormCount(), before + 2);
  EXPECT_EQ(ui::Screen().Forms(before + 1), second);
  EXPECT_EQ(ui::Screen().FindForm(second->Handle()), second);
  delete first;
  EXPECT_EQ(ui::Screen().FormCount(), before + 1);
  EXPECT_EQ(ui::Screen().Forms(before), second);
  delete second;
}

TEST(FormLife, FreedFormReleasedFromItsOwnHandlerGoesAfterTheMessage) {
  auto* form = new TRecordingForm(nullptr);
  form->CloseAction = ui::TCloseAction::caFree;
  const int before = ui::Screen().FormCount();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(ui::Screen().FormCount(), before) << "still alive while its close is handled";
  ui::Application().ProcessMessages();
  EXPECT_EQ(ui::Screen().FormCount(), before - 1);
}

TEST(FormLife, ExceptionsFromHandlersReachTheApplicationNotTheSystem) {
  TRecordingForm form(nullptr);
  form.OnDeactivate = [](ui::TComponent*) { throw std::runtime_error("Failed to set data for 'rilvanta.exe'"); };
  std::string reported;
  ui::Application().OnException = [&](const std::exception& error) { reported = error.what(); };
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  ui::Application().OnException = nullptr;
  EXPECT_EQ(reported, "Failed to set data for 'rilvanta.exe'");
}

// Runs `step` on every tick of a thread timer, from inside whichever modal
// loop is running, until it returns true.
std::function<bool()> pendingStep;
void WhenReady(std::function<bool()> step) {
  pendingStep = std::move(step);
  SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (pendingStep && pendingStep()) {
      KillTimer(nullptr, id);
      pendingStep = nullptr;
    }
  });
}

// A shown window of class "#32770" with this caption, or nullptr.
HWND ShownDialog(const wchar_t* caption) {
  HWND dialog = FindWindowW(L"#32770", caption);
  return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

// Before the main-form test below, which ends the application and with it every modal loop.
TEST(FormLife, ModalFormDisablesTheOthersUntilItsResultAndGivesActivationBack) {
  TRecordingForm other(nullptr);
  other.Show();
  SetForegroundWindow(other.Handle());
  TRecordingForm modal(nullptr);
  auto* ok = new ui::TButton(&modal);
  ok->SetParent(&modal);
  ok->SetModalResult(ui::mrOk);
  ok->OnClick = [&](ui::TComponent*) {
    modal.Events.push_back(IsWindowEnabled(other.Handle()) ? "click, other enabled" : "click, other disabled");
  };
  modal.OnHide = [&](ui::TComponent*) { modal.Events.push_back("hide"); };
  modal.OnShow = [&](ui::TComponent*) {
    modal.Events.push_back("show");
    PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(modal.ShowModal(), ui::mrOk);
  EXPECT_EQ(modal.Events,
            (std::vector<std::string>{"show", "activate", "click, other disabled", "hide", "deactivate"}));
  EXPECT_TRUE(IsWindowEnabled(other.Handle()));
  EXPECT_FALSE(IsWindowVisible(modal.Handle()));
  EXPECT_EQ(GetActiveWindow(), other.Handle()) << "activation goes back";

  modal.OnShow = [&](ui::TComponent*) { PostMessageW(modal.Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(modal.ShowModal(), ui::mrCancel) << "closing answers Cancel";
  EXPECT_TRUE(modal.Visible() == false && IsWindowEnabled(other.Handle()));

  // The library's message form: Enter clicks the focused button, OK.
  HWND focused = nullptr;
  WhenReady([&] {
    HWND shown = FindWindowW(L"TMessageForm", nullptr);
    if (!shown || !IsWindowVisible(shown) || !GetFocus()) return false;
    focused = GetFocus();
    PostMessageW(focused, WM_KEYDOWN, VK_RETURN, 0);
    return true;
  });
  ui::TMessageForm message(nullptr, "\xC8\xB7\xB6\xA8?", ui::mbOK | ui::mbCancel);  // 确定?
  EXPECT_EQ(message.ShowModal(), ui::mrOk);
  EXPECT_EQ(focused, message.ButtonFor(ui::mrOk)->Handle());
  EXPECT_NE(message.ButtonFor(ui::mrCancel), nullptr);

  // The system's own dialogs, of class "#32770": a message box and one from a template.
  WhenReady([] {
    HWND box = ShownDialog(L"Box");
    if (box) PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    return box != nullptr;
  });
  EXPECT_EQ(ui::Application().ShowMessageBox("Text", "Box", MB_OKCANCEL), IDCANCEL);

  ui::TSystemDialog dialog("Dialog", 160, 80);
  dialog.AddControl(L"EDIT", "", 100, WS_BORDER | ES_AUTOHSCROLL, 8, 8, 144, 14);
  dialog.AddControl(L"BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON, 56, 56, 48, 16);
  dialog.OnInit = [](HWND window) { SetDlgItemTextW(window, 100, L"\u76AE\u80A4"); };
  std::wstring edited;
  WhenReady([&] {
    HWND shown = ShownDialog(L"Dialog");
    if (!shown) return false;
    wchar_t text[16] = L"";
    GetDlgItemTextW(shown, 100, text, 16);
    edited = text;
    PostMessageW(GetDlgItem(shown, IDOK), BM_CLICK, 0, 0);
    return true;
  });
  EXPECT_EQ(dialog.ShowModal(other.Handle()), IDOK);
  EXPECT_EQ(edited, L"\u76AE\u80A4");
}

TEST(FormLife, OpenDialogOffersItsFilterAndReturnsTheChosenFile) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"chosen.skn";
  CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  EXPECT_EQ(GetModuleHandleW(L"comdlg32.dll"), nullptr) << "not loaded before the first dialog";

  ui::TOpenDialog open(nullptr);
  open.SetFilter("Skins (*.skn)|*.skn|All files (*.*)|*.*");
  open.SetTitle("Open skin");
  std::wstring firstFilter;
  WhenReady([&] {
    HWND shown = ShownDialog(L"Open skin");
    if (!shown) return false;
    wchar_t text[64] = L"";
    SendDlgItemMessageW(shown, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    firstFilter = text;
    SetDlgItemTextW(shown, cmb13, path.c_str());
    PostMessageW(shown, WM_COMMAND, IDOK, 0);
    return true;
  });
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(firstFilter, L"Skins (*.skn)");
  EXPECT_EQ(text::GbkToWide(open.FileName()), path);
  DeleteFileW(path.c_str());
}

// Last: it terminates the application object shared by every test here.
TEST(FormLifeMainForm, CreateFormFiresOnCreateAndClosingTheMainFormEndsTheApplication) {
  auto* form = ui::Application().CreateForm<TRecordingForm>();
  EXPECT_EQ(form->Owner(), &ui::Application());
  ASSERT_EQ(ui::Application().MainForm(), form);
  EXPECT_EQ(form->Events.at(0), "create");
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
