#include "skin/engine/controls/skin_control.h"

#include <exception>

#include "skin/component/skin_data.h"
#include "skin/engine/controls/control_skinners.h"
#include "text/gbk.h"
#include "ui/controls/win_control.h"
#include "ui/graphics/colour.h"

namespace skin {
namespace {

// The longest window text a skinner reads.
constexpr int kMaxTextLength = 1000;

std::string WindowTextOf(HWND window) {
  wchar_t text[kMaxTextLength + 1] = {};
  const int length = GetWindowTextW(window, text, kMaxTextLength + 1);
  return text::WideToGbk(std::wstring_view(text, length > 0 ? length : 0));
}

RECT AtOrigin(RECT rect) {
  OffsetRect(&rect, -rect.left, -rect.top);
  return rect;
}

}  // namespace

TSkinControl::TSkinControl(ui::TComponent* owner) : ui::TComponent(owner) {}

TSkinControl::~TSkinControl() {
  *alive_ = false;
  TSkinControl::Detach();
}

void TSkinControl::AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) {
  if (attached_) return;
  data_ = &data;
  drawCanvas_ = &canvas;
  recolour_ = recolour;
  control_ = &control;
  if (auto* windowed = dynamic_cast<ui::TWinControl*>(&control)) {
    handle_ = windowed->Handle();
    savedDoubleBuffered_ = windowed->DoubleBuffered();
    windowed->SetDoubleBuffered(true);
  }
  oldWindowProc_ = control.WindowProc();
  control.SetWindowProc([this](ui::TMessage& message) { SkinWindowProc(message); });
  RefreshState();
  if (recolour) colours_.Wear(control, data.Skin());
  control.Invalidate();
  attached_ = true;
}

void TSkinControl::AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) {
  data_ = &data;
  drawCanvas_ = &canvas;
  handle_ = window;
  isEnabled_ = true;
  text_ = WindowTextOf(window);
  subclass_.Attach(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
    ui::TMessage message{msg, wParam, lParam};
    SkinWindowProc(message);
    return message.Result;
  });
  attached_ = true;
}

void TSkinControl::Detach() {
  if (control_ && oldWindowProc_) {
    control_->SetWindowProc(std::move(oldWindowProc_));
    oldWindowProc_ = nullptr;
    if (auto* windowed = dynamic_cast<ui::TWinControl*>(control_)) windowed->SetDoubleBuffered(savedDoubleBuffered_);
    const bool ownerClosing = skinners_ && skinners_->OwnerDestroying();
    if (recolour_ && !ownerClosing && !control_->Destroying()) colours_.Restore(*control_);
  }
  subclass_.Restore();
  if (skinners_ && skinners_->HotControl() == this) skinners_->SetHotControl(nullptr);
}

void TSkinControl::ForgetControl() {
  Detach();
  control_ = nullptr;
  handle_ = nullptr;
}

void TSkinControl::SkinWindowProc(ui::TMessage& message) {
  // Held for the message: the control's handling may free this skinner.
  const std::shared_ptr<bool> alive = alive_;
  if (!BeforeMessage(message) || !*alive) return;
  CallOldHandler(message);
  if (*alive) AfterMessage(message);
}

void TSkinControl::CallOldHandler(ui::TMessage& message) {
  if (oldWindowProc_) {
    // A copy: the handler may detach this skinner while it runs.
    const ui::TWndMethod old = oldWindowProc_;
    old(message);
  } else if (handle_) {
    message.Result = subclass_.CallOld(message.Msg, message.WParam, message.LParam);
  }
}

bool TSkinControl::BeforeMessage(ui::TMessage&) { return true; }

void TSkinControl::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case ui::CM_ENABLEDCHANGED:
      RepaintNow();
      break;
    case WM_SETTEXT:
      // Every window here is Unicode, and the library sends wide text too.
      text_ = message.LParam ? text::WideToGbk(reinterpret_cast<const wchar_t*>(message.LParam)) : std::string();
      RepaintNow();
      break;
    case WM_PAINT:
      PaintSkin(reinterpret_cast<HDC>(message.WParam));
      break;
    case WM_NCDESTROY:
    case ui::CM_RELEASE:
      ForgetControl();
      break;
  }
}

void TSkinControl::PaintSkin(HDC dc) {
  RECT rect{};
  if (!handle_ || !GetWindowRect(handle_, &rect)) return;
  lastWindowRect_ = rect;
  const HDC target = dc ? dc : GetWindowDC(handle_);
  if (!target) return;
  try {
    DrawSkin(target, AtOrigin(rect));
  } catch (const std::exception&) {
    // A paint that fails leaves the control as it was.
  }
  if (!dc) ReleaseDC(handle_, target);
}

void TSkinControl::UpdateSkin() {
  if (recolour_ && control_ && data_) colours_.Wear(*control_, data_->Skin());
  if (handle_)
    InvalidateRect(handle_, nullptr, TRUE);
  else if (control_)
    control_->Invalidate();
}

void TSkinControl::RepaintNow() {
  if (handle_) {
    RECT rect{};
    if (!GetWindowRect(handle_, &rect) || !GetParent(handle_)) return;
    rect = AtOrigin(rect);
    InvalidateRect(handle_, &rect, FALSE);
    UpdateWindow(handle_);
  } else if (control_) {
    // A control without a window is painted by its parent.
    control_->Invalidate();
    if (ui::TWinControl* parent = control_->Parent(); parent && parent->HandleAllocated())
      UpdateWindow(parent->Handle());
  }
}

void TSkinControl::SendMouseLeave() {
  if (handle_)
    SendMessageW(handle_, ui::CM_MOUSELEAVE, 0, 0);
  else if (control_)
    control_->Perform(ui::CM_MOUSELEAVE);
}

COLORREF TSkinControl::FaceRgb() const { return ui::ColourToRgb(data_ ? data_->Skin().ButtonFaceColour : clBtnFace); }

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
  if (HBRUSH face = data_ ? data_->FaceBrush() : nullptr) {
    FillRect(dc, &rect, face);
    return;
  }
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
}

void TSkinControl::DrawCaption(HDC dc, const RECT& rect, UINT alignment, bool enabled, const std::string& text) const {
  const std::wstring wide = text::GbkToWide(text);
  const int length = static_cast<int>(wide.size());
  SetBkMode(dc, TRANSPARENT);
  RECT measured = rect;
  DrawTextW(dc, wide.c_str(), length, &measured, alignment | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  // One pixel above the exact centre.
  const int down = (height - textHeight) / 2 - 1;
  if (alignment == DT_CENTER) {
    OffsetRect(&measured, (width - textWidth) / 2, down);
  } else {
    OffsetRect(&measured, 0, down);
    measured.left = rect.left;
    measured.right = rect.right;
  }
  if (!enabled) SetTextColor(dc, ui::DimmedText(GetTextColor(dc), FaceRgb()));
  DrawTextW(dc, wide.c_str(), length, &measured, alignment | DT_EXPANDTABS);
}

void TSkinControl::PaintWindowMessage(ui::TMessage& message) {
  PAINTSTRUCT paint{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool ownPaint = dc == nullptr;
  if (ownPaint) dc = BeginPaint(handle_, &paint);
  RECT rect{};
  if (dc && GetWindowRect(handle_, &rect)) {
    lastWindowRect_ = rect;
    DrawSkin(dc, AtOrigin(rect));
  }
  if (ownPaint) EndPaint(handle_, &paint);
  message.Result = 0;
}

bool TSkinControl::TakePaintMessages(ui::TMessage& message) {
  if (message.Msg == WM_PAINT) {
    PaintWindowMessage(message);
    return true;
  }
  if (message.Msg != WM_ERASEBKGND) return false;
  message.Result = 1;
  return true;
}

void TSkinControl::RefreshState() {
  if (handle_) {
    isFocused_ = GetFocus() == handle_;
    isEnabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
    text_ = WindowTextOf(handle_);
  } else if (control_) {
    isFocused_ = false;
    isEnabled_ = control_->Enabled();
    text_ = control_->Caption();
  }
}

TSkinControl* TSkinControl::HotControl() const { return skinners_ ? skinners_->HotControl() : nullptr; }

void TSkinControl::SetHotControl(TSkinControl* skinner) {
  if (skinners_) skinners_->SetHotControl(skinner);
}

void TSkinControl::BecomeHot(bool repaint) {
  if (TSkinControl* previous = HotControl(); previous && previous != this) previous->SendMouseLeave();
  if (repaint || HotControl() != this) RepaintNow();
  SetHotControl(this);
}

void TSkinControl::SetMouseBit(std::uint8_t bit, bool on) {
  mouseState_ = on ? (mouseState_ | bit) : (mouseState_ & ~bit);
}

bool TSkinControl::MouseMovedOver() {
  if (HasMouseBit(kMouseOver)) return false;
  SetMouseBit(kMouseOver, true);
  if (!control_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, WindowHandle(), 0};
    TrackMouseEvent(&track);
  }
  return true;
}

void TSkinControl::MouseEntered() {
  SetMouseBit(kMouseOver, true);
  BecomeHot(true);
}

bool TSkinControl::IsMouseLeave(const ui::TMessage& message) const {
  // A library control turns WM_MOUSELEAVE into CM_MOUSELEAVE itself.
  return message.Msg == ui::CM_MOUSELEAVE || (message.Msg == WM_MOUSELEAVE && !control_);
}

void TSkinControl::MouseLeft() {
  SetMouseBit(kMouseOver | kMousePressed, false);
  if (HotControl() == this) SetHotControl(nullptr);
}

}  // namespace skin
