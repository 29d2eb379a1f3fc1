// The per-object message handler: saved, replaced, chained to and put back,
// for windowed and graphic controls alike, with real messages.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "ui/controls/button.h"
#include "ui/controls/label.h"
#include "ui/forms/application.h"
#include "ui_test_support.h"

namespace {

// Chains itself into a control's handler the way a skinner does, logging
// every message; it can swallow one message kind and detaches on request.
class TSpy {
 public:
  explicit TSpy(ui::TControl& control) : control_(control), saved_(control.WindowProc()) {
    control.SetWindowProc([this](ui::TMessage& message) { Handle(message); });
  }
  ~TSpy() {
    if (attached_) Detach();
  }
  void Detach() {
    control_.SetWindowProc(saved_);
    attached_ = false;
  }
  bool Saw(UINT msg) const { return std::find(Seen.begin(), Seen.end(), msg) != Seen.end(); }

  std::vector<UINT> Seen;
  std::vector<ui::TMessage> Mouse;  // as received, coordinates included
  UINT Swallow = 0;
  UINT DetachOn = 0;
  DWORD PaintDcType = 0;  // of the device context WM_PAINT brought

 private:
  void Handle(ui::TMessage& message) {
    Seen.push_back(message.Msg);
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MBUTTONDBLCLK) Mouse.push_back(message);
    if (message.Msg == WM_PAINT) PaintDcType = GetObjectType(reinterpret_cast<HDC>(message.WParam));
    if (message.Msg == Swallow) return;
    if (message.Msg == DetachOn) Detach();  // replaces the very handler that runs now
    saved_(message);
  }

  ui::TControl& control_;
  ui::TWndMethod saved_;
  bool attached_ = true;
};

class HandlerChain : public ui_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    label = new ui::TLabel(form);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(40, 30, 60, 20);
    label->OnMouseDown = [this](ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) { ++labelDowns; };
    panel->OnMouseDown = [this](ui::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) { ++panelDowns; };
  }
  ui::TLabel* label = nullptr;
  int labelDowns = 0, panelDowns = 0;
};

TEST_F(HandlerChain, WindowedControlHandlerSeesWin32MessagesAndPassesThemOn) {
  TSpy spy(*panel);
  SendMouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(spy.Saw(WM_LBUTTONDOWN));
  EXPECT_EQ(panelDowns, 1) << "the chained handler passed the press on to the panel";

  spy.Swallow = WM_LBUTTONDOWN;
  SendMouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(panelDowns, 1) << "a swallowed message never reaches the panel";

  spy.Detach();
  const size_t seenBefore = spy.Seen.size();
  SendMouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(spy.Seen.size(), seenBefore) << "unchained, the spy hears nothing";
  EXPECT_EQ(panelDowns, 2);
}

TEST_F(HandlerChain, GraphicControlGetsMouseInItsOwnCoordinatesAndPaintWithADeviceContext) {
  TSpy spy(*label);
  SendMouse(WM_MOUSEMOVE, 45, 33);
  SendMouse(WM_LBUTTONDOWN, 45, 33, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, 45, 33);
  ASSERT_TRUE(spy.Saw(WM_LBUTTONDOWN));
  const auto press =
      std::find_if(spy.Mouse.begin(), spy.Mouse.end(), [](const ui::TMessage& m) { return m.Msg == WM_LBUTTONDOWN; });
  EXPECT_EQ(LOWORD(press->LParam), 5);
  EXPECT_EQ(HIWORD(press->LParam), 3);
  EXPECT_TRUE(spy.Saw(ui::CM_MOUSEENTER));
  EXPECT_EQ(labelDowns, 1);
  EXPECT_EQ(panelDowns, 0) << "the press belonged to the label";

  SendMouse(WM_MOUSEMOVE, 150, 150);
  EXPECT_TRUE(spy.Saw(ui::CM_MOUSELEAVE));

  label->Invalidate();
  UpdateWindow(panel->Handle());
  ASSERT_TRUE(spy.Saw(WM_PAINT));
  EXPECT_EQ(spy.PaintDcType, static_cast<DWORD>(OBJ_MEMDC)) << "graphic controls paint off-screen";
}

TEST_F(HandlerChain, DoubleBufferedSystemControlPaintsOffScreenSoAChainedHandlerCanPaintOverIt) {
  auto* button = new ui::TButton(form);
  button->SetParent(panel);
  button->SetBounds(10, 100, 80, 30);
  button->SetDoubleBuffered(true);
  const ui::TWndMethod saved = button->WindowProc();
  DWORD paintDcType = 0;
  button->SetWindowProc([&](ui::TMessage& message) {
    saved(message);
    if (message.Msg != WM_PAINT || !message.WParam) return;
    // As a skinner does: the system button has painted, now the skin goes over it.
    paintDcType = GetObjectType(reinterpret_cast<HDC>(message.WParam));
    ui::TCanvas canvas(reinterpret_cast<HDC>(message.WParam));
    canvas.Brush.Color = 0x0000FF;
    canvas.FillRect(RECT{0, 0, 80, 30});
  });
  button->Invalidate();
  auto shot = Snapshot();
  button->SetWindowProc(saved);
  EXPECT_EQ(paintDcType, static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(shot->Pixel(50, 115), 0x0000FFu) << "what the handler painted reached the screen";
}

TEST_F(HandlerChain, HandlerThrowingWhilePaintingIsReportedAndThePaintStillEnds) {
  const ui::TWndMethod saved = label->WindowProc();
  label->SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == WM_PAINT) throw std::runtime_error("broken painter");
    saved(message);
  });
  int reports = 0;
  ui::Application().OnException = [&](const std::exception&) { ++reports; };
  label->Invalidate();
  UpdateWindow(panel->Handle());
  ui::Application().OnException = nullptr;
  label->SetWindowProc(saved);
  EXPECT_EQ(reports, 1);
  EXPECT_FALSE(GetUpdateRect(panel->Handle(), nullptr, FALSE)) << "the window was validated all the same";
}

TEST_F(HandlerChain, TwoChainedHandlersUnchainInReverseOrder) {
  TSpy first(*label);
  TSpy second(*label);
  SendMouse(WM_LBUTTONDOWN, 45, 33, MK_LBUTTON);
  EXPECT_TRUE(first.Saw(WM_LBUTTONDOWN));
  EXPECT_TRUE(second.Saw(WM_LBUTTONDOWN));
  second.Detach();
  first.Detach();
  first.Seen.clear();
  SendMouse(WM_LBUTTONUP, 45, 33);
  EXPECT_TRUE(first.Seen.empty());
  EXPECT_EQ(labelDowns, 1);
}

TEST_F(HandlerChain, NotificationsOfTheLibraryTravelThroughTheHandler) {
  auto* button = new ui::TButton(form);
  button->SetParent(panel);
  TSpy buttonSpy(*button);
  TSpy labelSpy(*label);
  button->SetEnabled(false);
  label->SetEnabled(false);
  EXPECT_TRUE(buttonSpy.Saw(ui::CM_ENABLEDCHANGED));
  EXPECT_TRUE(buttonSpy.Saw(WM_ENABLE)) << "the window itself was disabled";
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  EXPECT_TRUE(labelSpy.Saw(ui::CM_ENABLEDCHANGED));

  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(buttonSpy.Saw(ui::CM_MOUSEENTER)) << "the first move over the window";
  SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(buttonSpy.Saw(ui::CM_MOUSELEAVE));
  buttonSpy.Seen.clear();
  SendMessageW(button->Handle(), ui::CM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(buttonSpy.Saw(ui::CM_MOUSELEAVE)) << "sent to the window, a notification reaches the handler";

  button->SetCaption("\xB0\xD9\xB6\xC8\xD2\xBB\xCF\xC2");  // 百度一下
  EXPECT_TRUE(buttonSpy.Saw(WM_SETTEXT));
  EXPECT_EQ(button->Caption(), "\xB0\xD9\xB6\xC8\xD2\xBB\xCF\xC2");
  buttonSpy.Detach();
  labelSpy.Detach();
}

TEST_F(HandlerChain, HandlerMayUnchainItselfWhileItsControlIsDestroyed) {
  auto* button = new ui::TButton(form);
  button->SetParent(panel);
  button->HandleNeeded();
  TSpy buttonSpy(*button);
  buttonSpy.DetachOn = WM_NCDESTROY;
  TSpy labelSpy(*label);
  labelSpy.DetachOn = ui::CM_RELEASE;
  delete button;
  delete label;
  EXPECT_TRUE(buttonSpy.Saw(WM_NCDESTROY));
  EXPECT_TRUE(labelSpy.Saw(ui::CM_RELEASE));
}

}  // namespace
