// The calendar is a transient pop-up: activating any other window closes it
// and ends the program. One test, since ending the application is for good.

#include <windows.h>

#include "ui/forms/application.h"
#include "window_test_support.h"

namespace window_test {
namespace {

HWND OtherWindow() {
  return CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool QuitPosted() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

TEST(Closing, LosingActivationClosesTheWindowAndEndsTheProgram) {
  ui::TApplication& application = ui::Application();
  auto* form = application.CreateForm<DateWin::TFRM_Date>();
  ASSERT_EQ(application.MainForm(), form);
  form->Show();
  application.ProcessMessages();
  ASSERT_EQ(GetActiveWindow(), form->Handle());

  // A popup menu opened and closed again is no loss of activation.
  PostMessageW(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  SendMessageW(form->Panel1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(57, 22));
  SendMessageW(form->Panel1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(57, 22));
  EXPECT_FALSE(application.Terminated());

  HWND other = OtherWindow();
  SetActiveWindow(other);
  EXPECT_TRUE(application.Terminated());
  EXPECT_TRUE(QuitPosted());
  bool stillOwned = false;
  for (int index = 0; index < application.ComponentCount(); ++index)
    stillOwned |= application.Components(index) == form;
  EXPECT_FALSE(stillOwned) << "the application must not free the closed window at exit";
  DestroyWindow(other);
  delete form;
}

}  // namespace
}  // namespace window_test
