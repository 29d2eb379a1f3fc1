// Progress bar, track bar, up-down control, memo, scroll bar and status bar
// over the system's controls: what the library keeps reaches the windows, and
// what the user does comes back as events through the parent.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "ui/controls/memo.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/scroll_bar.h"
#include "ui/controls/status_bar.h"
#include "ui/controls/track_bar.h"
#include "ui/controls/up_down.h"
#include "ui_test_support.h"

namespace {

class CommonControls : public ui_test::FormTest {
 protected:
  // Not yet on the panel, so without a window.
  template <class Control>
  Control* Make(int left, int top, int width, int height) {
    auto* control = new Control(form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  DWORD Style(ui::TWinControl* control) { return static_cast<DWORD>(GetWindowLongPtrW(control->Handle(), GWL_STYLE)); }
};

// The range the window itself holds, by its own messages.
std::pair<int, int> WindowRange(ui::TWinControl* control) {
  HWND window = control->Handle();
  if (dynamic_cast<ui::TProgressBar*>(control)) {
    PBRANGE range{};
    SendMessageW(window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return {range.iLow, range.iHigh};
  }
  if (dynamic_cast<ui::TScrollBar*>(control)) {
    int low = 0, high = 0;
    GetScrollRange(window, SB_CTL, &low, &high);
    return {low, high};
  }
  if (dynamic_cast<ui::TTrackBar*>(control))
    return {static_cast<int>(SendMessageW(window, TBM_GETRANGEMIN, 0, 0)),
            static_cast<int>(SendMessageW(window, TBM_GETRANGEMAX, 0, 0))};
  int low = 0, high = 0;
  SendMessageW(window, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  return {low, high};
}

TEST_F(CommonControls, RangeAndPositionSetBeforeTheWindowReachItAndStayInsideTheRange) {
  const std::vector<ui::TRangeControl*> controls{
      Make<ui::TProgressBar>(10, 10, 150, 16), Make<ui::TTrackBar>(10, 30, 150, 45), Make<ui::TUpDown>(10, 80, 17, 25),
      Make<ui::TScrollBar>(10, 110, 150, 17)};
  for (ui::TRangeControl* control : controls) {
    SCOPED_TRACE(control->ClassName());
    control->SetRange(10, 60);
    control->SetPosition(75);
    EXPECT_EQ(control->Position(), 60) << "kept inside the range";
    control->SetPosition(30);
    EXPECT_FALSE(control->HandleAllocated());
    control->SetParent(panel);
    EXPECT_EQ(WindowRange(control), std::make_pair(10, 60));
    EXPECT_EQ(control->Position(), 30);

    control->SetRange(50, 40);
    EXPECT_EQ(WindowRange(control), std::make_pair(40, 50)) << "a range upside down is turned round";
    EXPECT_EQ(control->Position(), 40);
  }
  EXPECT_EQ(Style(controls[2]) & UDS_HORZ, 0u) << "an up-down control stands upright by default";
}

TEST_F(CommonControls, TrackBarReportsAMoveOnceAndHandsItsCustomDrawToItsHandler) {
  auto* bar = Make<ui::TTrackBar>(10, 10, 150, 45);
  bar->SetParent(panel);
  int changes = 0;
  bar->OnChange = [&](ui::TComponent*) { ++changes; };
  std::vector<DWORD> drawStages;
  const ui::TWndMethod saved = bar->WindowProc();
  bar->SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == ui::CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == NM_CUSTOMDRAW)
      drawStages.push_back(reinterpret_cast<NMCUSTOMDRAW*>(message.LParam)->dwDrawStage);
    saved(message);
  });

  bar->SetFocus();
  SendMessageW(bar->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(bar->Handle(), WM_KEYUP, VK_RIGHT, 0);
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(changes, 1) << "a step and the end of the move are one change";

  InvalidateRect(bar->Handle(), nullptr, TRUE);
  UpdateWindow(bar->Handle());
  ASSERT_FALSE(drawStages.empty());
  EXPECT_EQ(drawStages.front(), static_cast<DWORD>(CDDS_PREPAINT));

  bar->SetOrientation(ui::TOrientation::Vertical);
  EXPECT_NE(Style(bar) & TBS_VERT, 0u) << "a live window turns too";
  bar->SetWindowProc(saved);
}

TEST_F(CommonControls, UpDownOnAnEditLivesInsideTheEditAndStepsWhenPressed) {
  auto* edit = Make<ui::TEdit>(10, 10, 80, 22);
  edit->SetParent(panel);
  auto* upDown = Make<ui::TUpDown>(62, 0, 14, 18);
  upDown->SetRange(0, 9);
  upDown->SetParent(edit);
  EXPECT_EQ(GetParent(upDown->Handle()), edit->Handle());
  int changes = 0;
  upDown->OnChange = [&](ui::TComponent*) { ++changes; };

  SendMessageW(upDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 3));
  SendMessageW(upDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(7, 3));
  EXPECT_EQ(upDown->Position(), 1) << "the upper half steps up";
  EXPECT_EQ(changes, 1);
}

TEST_F(CommonControls, ScrollBarMovesByItsChangesAsOnScrollLetsItAndReportsOnlyNewPositions) {
  auto* bar = Make<ui::TScrollBar>(10, 10, 150, 17);
  bar->SetRange(0, 100);
  bar->SetPageSize(10);
  bar->SetParent(panel);
  std::vector<int> codes, changes;
  bar->OnScroll = [&](ui::TComponent*, int code, int& position) {
    codes.push_back(code);
    if (code == SB_TOP) position = 5;
  };
  bar->OnChange = [&](ui::TComponent*) { changes.push_back(bar->Position()); };
  const auto scroll = [&](int code) {
    SendMessageW(panel->Handle(), WM_HSCROLL, code, reinterpret_cast<LPARAM>(bar->Handle()));
  };
  scroll(SB_LINEDOWN);
  scroll(SB_PAGEDOWN);
  scroll(SB_ENDSCROLL);
  scroll(SB_BOTTOM);
  scroll(SB_PAGEDOWN);
  scroll(SB_TOP);
  EXPECT_EQ(codes, (std::vector<int>{SB_LINEDOWN, SB_PAGEDOWN, SB_ENDSCROLL, SB_BOTTOM, SB_PAGEDOWN, SB_TOP}));
  EXPECT_EQ(changes, (std::vector<int>{1, 11, 91, 5})) << "the last position is a page from the end";
  EXPECT_EQ(Style(bar) & SBS_VERT, 0u);
}

TEST_F(CommonControls, StatusBarShowsItsPanelsAlongTheBottomWithASizeGrip) {
  auto* status = Make<ui::TStatusBar>(0, 0, 100, 20);
  status->SetPanels({{"Ready", 100}, {"Two", 80}, {"Last", 10}});
  status->SetParent(panel);
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 180);
  EXPECT_EQ(edges[2], -1) << "the last panel runs to the end";
  status->SetPanelText(1, "Line 2");
  status->SetPanelText(7, "past the panels");
  wchar_t text[32] = {};
  SendMessageW(status->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Line 2");
  EXPECT_NE(Style(status) & SBARS_SIZEGRIP, 0u);
  RECT bar{}, parent{};
  GetWindowRect(status->Handle(), &bar);
  MapWindowPoints(nullptr, panel->Handle(), reinterpret_cast<POINT*>(&bar), 2);
  GetClientRect(panel->Handle(), &parent);
  EXPECT_EQ(bar.bottom, parent.bottom);
  EXPECT_EQ(bar.right - bar.left, parent.right);
}

TEST_F(CommonControls, MemoHoldsLinesAndWrapsOrScrollsAsAsked) {
  auto* memo = Make<ui::TMemo>(10, 10, 120, 60);
  memo->SetParent(panel);
  memo->SetText("one\r\ntwo");
  EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(Style(memo) & (ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL),
            static_cast<DWORD>(ES_MULTILINE | ES_WANTRETURN));

  auto* scrolling = Make<ui::TMemo>(10, 80, 120, 60);
  scrolling->SetWordWrap(false);
  scrolling->SetScrollBars(ui::TScrollStyle::ssBoth);
  scrolling->SetParent(panel);
  EXPECT_EQ(Style(scrolling) & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL),
            static_cast<DWORD>(ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL));
}

}  // namespace
