// Clicks, mouse buttons with shift state, keys and changes, from real messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls/bit_btn.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/controls/speed_button.h"
#include "ui/forms/application.h"
#include "ui/menus/popup_menu.h"
#include "ui_test_support.h"

namespace {

struct TMouseRecord {
  ui::TMouseButton Button;
  ui::TShiftState Shift;
  int X, Y;
};

class ControlEvents : public ui_test::FormTest {
 protected:
  template <class Control>
  Control* Add(int left, int top, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(panel);
    control->SetBounds(left, top, width, height);
    return control;
  }
  void Record(ui::TControl* control) {
    control->OnClick = [this](ui::TComponent*) { ++clicks; };
    control->OnMouseDown = [this](ui::TComponent*, ui::TMouseButton b, ui::TShiftState s, int x, int y) {
      downs.push_back({b, s, x, y});
    };
    control->OnMouseUp = [this](ui::TComponent*, ui::TMouseButton b, ui::TShiftState s, int x, int y) {
      ups.push_back({b, s, x, y});
    };
  }
  int clicks = 0;
  std::vector<TMouseRecord> downs, ups;
};

TEST_F(ControlEvents, LabelClickFollowsPressAndReleaseOverIt) {
  auto* label = Add<ui::TLabel>(20, 20, 40, 20);
  label->SetAutoSize(false);
  Record(label);
  SendMouse(WM_LBUTTONDOWN, 25, 30, MK_LBUTTON | MK_SHIFT);
  SendMouse(WM_LBUTTONUP, 26, 31, MK_SHIFT);
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].Button, ui::TMouseButton::mbLeft);
  EXPECT_EQ(downs[0].Shift & (ui::ssShift | ui::ssLeft), ui::ssShift | ui::ssLeft);
  EXPECT_EQ(downs[0].X, 5);
  EXPECT_EQ(downs[0].Y, 10);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].X, 6);

  SendMouse(WM_LBUTTONDOWN, 25, 30, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 150, 150);
  EXPECT_EQ(clicks, 1) << "released elsewhere: no click";
  EXPECT_EQ(ups.size(), 2u) << "but the release still reaches the label that was pressed";

  SendMouse(WM_LBUTTONDBLCLK, 25, 30, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 25, 30);
  EXPECT_EQ(clicks, 1) << "a label's double click is no click";
}

TEST_F(ControlEvents, RightButtonPressesAreMouseDownsButNoClicks) {
  auto* label = Add<ui::TLabel>(20, 20, 40, 20);
  label->SetAutoSize(false);
  Record(label);
  SendMouse(WM_RBUTTONDOWN, 25, 30, MK_RBUTTON);
  SendMouse(WM_RBUTTONUP, 25, 30);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].Button, ui::TMouseButton::mbRight);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ControlEvents, HiddenAndDisabledGraphicControlsLetTheMouseThrough) {
  auto* label = Add<ui::TLabel>(20, 20, 40, 20);
  label->SetAutoSize(false);
  Record(label);
  int panelDowns = 0;
  panel->OnMouseDown = [&](ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) { ++panelDowns; };
  label->Hide();
  SendMouse(WM_LBUTTONDOWN, 25, 30, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 25, 30);
  label->Show();
  label->SetEnabled(false);
  SendMouse(WM_LBUTTONDOWN, 25, 30, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 25, 30);
  EXPECT_TRUE(downs.empty());
  EXPECT_EQ(panelDowns, 2);
}

TEST_F(ControlEvents, PushAndBitmapButtonsClickOnceThroughTheSystemButton) {
  auto* button = Add<ui::TButton>(10, 10, 70, 25);
  auto* bitButton = Add<ui::TBitBtn>(10, 50, 70, 25);
  for (ui::TButton* each : {button, static_cast<ui::TButton*>(bitButton)}) {
    Record(each);
    SendMessageW(each->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(each->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(downs.size(), 2u);
  EXPECT_EQ(ups.size(), 2u);
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
  EXPECT_EQ(clicks, 2) << "released off the button";
}

TEST_F(ControlEvents, EditReportsKeysTypedCharactersAndChanges) {
  auto* edit = Add<ui::TEdit>(10, 10, 150, 25);
  std::vector<WORD> keys;
  std::vector<wchar_t> typed;
  std::vector<std::string> changes;
  edit->OnKeyDown = [&](ui::TComponent*, WORD& key, ui::TShiftState) { keys.push_back(key); };
  edit->OnKeyPress = [&](ui::TComponent*, wchar_t& key) {
    typed.push_back(key);
    if (key == L'\r') key = 0;  // swallowed: the edit never sees it
  };
  edit->OnChange = [&](ui::TComponent* sender) { changes.push_back(static_cast<ui::TEdit*>(sender)->Text()); };
  const HWND window = edit->Handle();
  SendMessageW(window, WM_KEYDOWN, 'A', 0);
  SendMessageW(window, WM_CHAR, L'a', 0);
  SendMessageW(window, WM_CHAR, 0x6DD8, 0);  // 淘
  SendMessageW(window, WM_CHAR, L'\r', 0);
  EXPECT_EQ(keys, std::vector<WORD>{'A'});
  EXPECT_EQ(typed, (std::vector<wchar_t>{L'a', 0x6DD8, L'\r'}));
  EXPECT_EQ(edit->Text(), "a\xCC\xD4");
  EXPECT_EQ(changes, (std::vector<std::string>{"a", "a\xCC\xD4"}));
  edit->Clear();
  EXPECT_EQ(changes.back(), "");
}

TEST_F(ControlEvents, TabMovesTheFocusThroughTabStopsInCreationOrder) {
  auto* edit = Add<ui::TEdit>(10, 10, 100, 25);
  auto* hidden = Add<ui::TButton>(10, 40, 70, 25);
  auto* button = Add<ui::TButton>(10, 70, 70, 25);
  hidden->Hide();
  std::vector<WORD> keys;
  edit->OnKeyDown = [&](ui::TComponent*, WORD& key, ui::TShiftState) { keys.push_back(key); };
  edit->SetFocus();
  SendMessageW(edit->Handle(), WM_KEYDOWN, VK_TAB, 0);
  SendMessageW(edit->Handle(), WM_CHAR, L'\t', 0);
  EXPECT_TRUE(button->Focused()) << "the hidden button is passed over";
  EXPECT_EQ(edit->Text(), "") << "the tab character is used up";
  EXPECT_EQ(keys, std::vector<WORD>{VK_TAB}) << "the edit still heard the key";
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(edit->Focused()) << "wrapped around";

  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  SendMessageW(edit->Handle(), WM_KEYDOWN, VK_TAB, 0);
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
  EXPECT_TRUE(button->Focused()) << "Shift+Tab goes backwards";
}

TEST_F(ControlEvents, SpeedButtonsOfAGroupLatchOneAtATime) {
  auto* first = Add<ui::TSpeedButton>(10, 10, 20, 20);
  auto* second = Add<ui::TSpeedButton>(40, 10, 20, 20);
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  Record(first);
  SendMouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
  EXPECT_TRUE(first->Pressed());
  SendMouse(WM_MOUSEMOVE, 150, 150, MK_LBUTTON);
  EXPECT_FALSE(first->Pressed()) << "dragged off, it pops up";
  SendMouse(WM_MOUSEMOVE, 15, 15, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 15, 15);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(first->Down());
  SendMouse(WM_LBUTTONDBLCLK, 15, 15, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 15, 15);
  EXPECT_EQ(clicks, 2) << "a quick second press is a second click";
  ClickAt(45, 15);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  ClickAt(45, 15);
  EXPECT_TRUE(second->Down()) << "without AllowAllUp one button stays down";
}

TEST_F(ControlEvents, LostCaptureEndsAPressSoALoneReleaseIsNoClick) {
  auto* button = Add<ui::TSpeedButton>(10, 10, 20, 20);
  auto* label = Add<ui::TLabel>(40, 10, 40, 20);
  label->SetAutoSize(false);
  Record(button);
  Record(label);
  std::vector<UINT> seen;
  const ui::TWndMethod saved = button->WindowProc();
  button->SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == WM_CAPTURECHANGED || message.Msg == WM_LBUTTONUP) seen.push_back(message.Msg);
    saved(message);
  });
  const auto up = Snapshot()->Pixel(11, 11);
  SendMouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
  ASSERT_EQ(GetCapture(), panel->Handle());
  ASSERT_NE(Snapshot()->Pixel(11, 11), up) << "drawn pressed";
  ReleaseCapture();
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(Snapshot()->Pixel(11, 11), up) << "drawn up again at once";
  SendMouse(WM_LBUTTONUP, 15, 15);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_CAPTURECHANGED, WM_LBUTTONUP}));

  // As the calendar's drag does: the capture released inside the press.
  label->OnMouseDown = [](ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) { ReleaseCapture(); };
  SendMouse(WM_LBUTTONDOWN, 45, 15, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 45, 15);
  EXPECT_EQ(clicks, 0);

  label->OnMouseDown = nullptr;
  ClickAt(15, 15);
  ClickAt(45, 15);
  EXPECT_EQ(clicks, 2) << "presses that keep the capture still click";
  EXPECT_EQ(GetCapture(), nullptr);
  button->SetWindowProc(saved);
}

// The window told that a menu opens, which is the menu's owner.
HWND menuOwner = nullptr;
LRESULT CALLBACK RecordMenuOwner(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP) menuOwner = sent->hwnd;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ControlEvents, RightClickOnALabelOpensItsContextMenuAtTheCursor) {
  auto* label = Add<ui::TLabel>(20, 20, 40, 20);
  label->SetAutoSize(false);
  auto* menu = new ui::TPopupMenu(form);
  auto* item = new ui::TMenuItem(form);
  item->SetCaption("\xD2\xBB\xD4\xC2");  // 一月
  menu->Items()->Add(item);
  label->SetPopupMenu(menu);
  ui::TComponent* shownFor = nullptr;
  menu->OnPopup = [&](ui::TComponent*) {
    shownFor = menu->PopupComponent;
    // Close the menu from inside its own loop.
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      EndMenu();
    });
  };
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordMenuOwner, nullptr, GetCurrentThreadId());
  SendMouse(WM_RBUTTONDOWN, 25, 30, MK_RBUTTON);
  SendMouse(WM_RBUTTONUP, 25, 30);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(shownFor, label);
  EXPECT_EQ(menuOwner, ui::Application().Handle()) << "the application's hidden window owns it, not the form";

  shownFor = nullptr;
  SendMouse(WM_RBUTTONDOWN, 150, 150, MK_RBUTTON);
  SendMouse(WM_RBUTTONUP, 150, 150);
  EXPECT_EQ(shownFor, nullptr) << "the panel has no context menu";
}

}  // namespace
