#include "skin/engine/frame/win_skin_form.h"

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/controls/control_walk.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/frame_region.h"
#include "skin/engine/frame/mdi_client_subclass.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/menus/skinned_menu_items.h"
#include "skin/engine/menus/system_menu_popup.h"
#include "ui/forms/form.h"
#include "ui/graphics/colour.h"
#include "ui/menus/popup_menu.h"

namespace skin {
namespace {

constexpr int kMaxCaptionLength = 1000;

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)); }

SIZE WindowSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

std::wstring CaptionOf(HWND window) {
  wchar_t text[kMaxCaptionLength + 1] = {};
  const int length = GetWindowTextW(window, text, kMaxCaptionLength + 1);
  return std::wstring(text, std::max(length, 0));
}

TWinSkinForm::TWinSkinForm(TSkinData& data, TFormSkinnerHost& host) : data_(&data), host_(host) {
  doubleClickTime_ = GetDoubleClickTime();
}

TWinSkinForm::~TWinSkinForm() {
  SetHoverTimer(false);
  controlSkinners_.DetachAll();
  FreeMenuBar(false);
  ReleaseCaptionButtons();
  if (formProcChained_ && form_) form_->SetWindowProc(savedWindowProc_);
  mdiClient_.reset();
  subclass_.Restore();
  if (captionFont_) DeleteObject(captionFont_);
}

bool TWinSkinForm::SkinForm(ui::TForm& form) {
  const HWND window = form.Handle();
  if (!IsWindow(window) || subclass_.Attached()) return false;
  form_ = &form;
  if (SkinsFrames()) {
    savedWindowProc_ = form.WindowProc();
    form.SetWindowProc([this](ui::TMessage& message) { FormWindowProc(message); });
    formProcChained_ = true;
  }
  if (!SkinWindow(window)) {
    if (formProcChained_) form.SetWindowProc(savedWindowProc_);
    formProcChained_ = false;
    form_ = nullptr;
    return false;
  }
  savedColour_ = form.Color();
  form.SetColor(data_->Skin().ButtonFaceColour);
  if (SkinsFrames()) SetPopupMenusOwnerDraw(form, *data_, &host_, true);
  return true;
}

bool TWinSkinForm::SkinWindow(HWND window) {
  if (!IsWindow(window) || subclass_.Attached()) return false;
  window_ = window;
  ReadWindowFacts();
  // Only a painted frame shows the icon: the calendar's start needs none of it.
  if (borderKind_ != TBorderKind::None) captionButtons_.ReadWindowIcon(window_, *data_, host_.SkinDatas());
  if (mdiKind_ == TMdiKind::Frame) mdiClient_ = std::make_unique<TMdiClientSubclass>(*this, host_);
  if (SkinsFrames()) {
    const bool keepStyles =
        (mdiKind_ == TMdiKind::Child && MdiChildrenMaximized()) || showState_ == TShowState::Minimized;
    RECT before{};
    GetClientRect(window_, &before);
    CreateMenuBar();
    RECT after{};
    GetClientRect(window_, &after);
    menuTakenHeight_ = after.bottom - before.bottom;
    if (!keepStyles) SetSystemStyles(false);
    RebuildFrameMetrics();
  }
  if (!subclass_.Attach(
          window, [this](UINT msg, WPARAM wParam, LPARAM lParam) { return SkinWindowProc(msg, wParam, lParam); })) {
    FreeMenuBar(false);
    SetSystemStyles(true);
    mdiClient_.reset();
    window_ = nullptr;
    return false;
  }
  AttachControls();
  InvalidateRect(window, nullptr, TRUE);
  return true;
}

void TWinSkinForm::CreateMenuBar() {
  // A frame that is not painted (none, or no skin loaded) leaves no room for
  // a bar: the window keeps its own.
  if (mdiKind_ == TMdiKind::Child || borderKind_ == TBorderKind::None || data_->SkinEmpty() || !GetMenu(window_))
    return;
  menuBar_ = std::make_unique<TWinSkinMenu>(*this, hotObject_, host_);
  menuBar_->BuildFromNativeMenu();
}

void TWinSkinForm::FreeMenuBar(bool windowDestroyed) {
  if (!menuBar_) return;
  if (windowDestroyed)
    menuBar_->WindowDestroyed();
  else
    menuBar_->GiveMenuBack();
  menuBar_.reset();
}

void TWinSkinForm::ReadWindowFacts() {
  windowStyle_ = StyleOf(window_);
  const DWORD exStyle = ExStyleOf(window_);
  rightToLeft_ = (exStyle & framestyle::kExLeftScrollBar) != 0;
  RECT client{};
  GetClientRect(window_, &client);
  firstFitClient_ = client;
  const SIZE size = WindowSize(window_);
  systemFrameSize_ = SIZE{size.cx - client.right, size.cy - client.bottom};
  // Asking for the system menu makes one; a window with the style has one anyway.
  const bool hasSystemMenu = (windowStyle_ & WS_SYSMENU) || GetSystemMenu(window_, FALSE);
  allowed_ = AllowedButtonsOf(windowStyle_, hasSystemMenu);
  RefreshShowState();
  if (FindWindowExW(window_, nullptr, L"MDIClient", nullptr))
    mdiKind_ = TMdiKind::Frame;
  else if (exStyle & WS_EX_MDICHILD)
    mdiKind_ = TMdiKind::Child;
  borderKind_ = BorderKindOf(windowStyle_, exStyle);
}

void TWinSkinForm::AttachControls() {
  TControlWalk walk(*data_, form_, controlSkinners_, controlCanvas_);
  if (form_)
    walk.AttachControlSkins(*form_);
  else
    walk.AttachChildWindowSkins(window_);
}

void TWinSkinForm::SetSystemStyles(bool on) {
  if (!on && mdiKind_ == TMdiKind::Child && MdiChildrenMaximized()) return;
  const DWORD style = StyleOf(window_);
  const DWORD wanted = WithSystemStyles(style, on, allowed_);
  if (wanted != style) SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(wanted));
  windowStyle_ = wanted;
}

void TWinSkinForm::RebuildFrameMetrics() {
  if (data_->SkinEmpty()) return;
  if (borderKind_ == TBorderKind::None) {
    widths_ = TFrameWidths{};
    menuBarHeight_ = 0;
  } else {
    widths_ = FrameWidthsOf(data_->Skin());
    menuBarHeight_ = menuBar_ ? GetSystemMetrics(SM_CYMENU) : 0;
  }
  ReleaseCaptionButtons();
  captionButtons_.Create(*data_, hotObject_, *this);
}

void TWinSkinForm::ReleaseCaptionButtons() {
  captionButtons_.Clear();
  hotObject_ = nullptr;
  // Pictures of the old skin go with its buttons.
  pieceCache_.Clear();
  titleBars_.Forget();
}

void TWinSkinForm::SetHoverTimer(bool on) {
  if (on == hoverTimerOn_ || !window_) return;
  hoverTimerOn_ = on;
  if (on)
    SetTimer(window_, kHoverTimerId, kHoverIntervalMs, nullptr);
  else
    KillTimer(window_, kHoverTimerId);
}

void TWinSkinForm::KeepClientForFirstFit() {
  GetClientRect(window_, &firstFitClient_);
  firstFitClient_.bottom -= menuTakenHeight_;
}

void TWinSkinForm::FitWindowToFrame(bool rereadClient) {
  if (showState_ == TShowState::Maximized) {
    RecalculateFrame();
    return;
  }
  RECT client = firstFitClient_;
  if (rereadClient) GetClientRect(window_, &client);
  const int width = client.right - client.left + widths_.Left + widths_.Right;
  const int height = client.bottom - client.top + widths_.Title + widths_.Bottom + menuBarHeight_;
  fitted_ = true;
  // Without activation: the window may have lost it since it was attached.
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::RecalculateFrame() {
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::UpdateRegion() {
  const SIZE size = WindowSize(window_);
  if (size.cx <= 0 || size.cy <= 0 || IsMdiChildNotNormal()) return;
  if (mdiKind_ != TMdiKind::Child && state_ != TFormSkinnerState::Refreshing && size.cx == regionWidth_ &&
      size.cy == regionHeight_)
    return;
  // Opaque borders, or none at all, cut nothing: the window is all there is,
  // which needs no region (setting one costs Wine some 2 ms and a repaint).
  if (borderKind_ == TBorderKind::None || !FrameHasTransparentBorders(data_->Skin())) {
    RemoveRegion();
    return;
  }
  regionWidth_ = size.cx;
  regionHeight_ = size.cy;
  HRGN region = BuildFrameRegion(
      TFrameRegionInput{&data_->Skin(), widths_, size.cx, size.cy, active_, titleBars_.Bar(active_).Bar.Dc()});
  // The system owns the region from here on and deletes the one it replaces.
  if (SetWindowRgn(window_, region, TRUE))
    regionApplied_ = true;
  else
    DeleteObject(region);
}

void TWinSkinForm::RemoveRegion() {
  if (!regionApplied_) return;
  SetWindowRgn(window_, nullptr, TRUE);
  regionApplied_ = false;
  regionWidth_ = regionHeight_ = 0;
}

TCaptionState TWinSkinForm::CaptionState() const {
  bool childMaximized = false;
  if (mdiKind_ == TMdiKind::Frame && mdiClient_) childMaximized = mdiClient_->ActiveChildMaximized();
  return TCaptionState{borderKind_, allowed_, showState_, active_, childMaximized, menuBarHeight_};
}

void TWinSkinForm::LayoutCaptionButtons(const TPixelRect& titleTextBox) {
  const auto& menuBar = data_->Skin().MenuBar;
  const TCaptionPlacement placement{windowWidth_, widths_,     menuBarHeight_, menuBar ? menuBar->LeftWidth : 0,
                                    rightToLeft_, titleTextBox};
  captionButtons_.Layout(placement, CaptionState());
}

HFONT TWinSkinForm::CaptionFont() {
  if (captionFont_) return captionFont_;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    captionFont_ = CreateFontIndirectW(&metrics.lfCaptionFont);
  return captionFont_;
}

void TWinSkinForm::PaintNonClient(HDC dc) {
  if (state_ != TFormSkinnerState::Active && state_ != TFormSkinnerState::Refreshing) return;
  if (borderKind_ == TBorderKind::None || IsMdiChildNotNormal()) return;
  const bool ownDc = dc == nullptr;
  if (ownDc) dc = GetWindowDC(window_);
  try {
    const SIZE size = WindowSize(window_);
    windowWidth_ = size.cx;
    const int w = size.cx;
    const int h = size.cy;
    const TSkinSettings& skin = data_->Skin();
    pieceCache_.Paint(dc, skin, TBorderSide::Left, RECT{0, 0, widths_.Left, h}, active_);
    pieceCache_.Paint(dc, skin, TBorderSide::Right, RECT{w - widths_.Right, 0, w, h}, active_);
    pieceCache_.Paint(dc, skin, TBorderSide::Bottom, RECT{widths_.Left, h - widths_.Bottom, w - widths_.Right, h},
                      active_);
    PaintTitleBar(dc, h);
    if (menuBar_ && menuBarHeight_ > 0)
      menuBar_->PaintBar(dc, RECT{widths_.Left, widths_.Title, w - widths_.Right, widths_.Title + menuBarHeight_});
  } catch (...) {
    // A painting failure leaves the frame as it was; the window goes on working.
  }
  hotObject_ = nullptr;
  if (ownDc) ReleaseDC(window_, dc);
}

void TWinSkinForm::PaintTitleBar(HDC dc, int windowHeight) {
  const int w = windowWidth_;
  const int h = widths_.Title;
  if (w <= 0 || h <= 0) return;
  TTitleBar* bar = titleBars_.Sized(dc, active_, w, h);
  if (!bar) return;
  // The text is read now: an MDI frame's is set behind the window procedure's back.
  TTitleKey key{w, windowHeight, active_, showState_, CaptionState().MdiChildMaximized, CaptionOf(window_)};
  if (key == bar->Key) {
    // The buttons may show and stand otherwise in this state.
    LayoutCaptionButtons(bar->TextRect);
  } else {
    ComposeTitleBar(*bar, std::move(key));
  }
  bar->Bar.CopyTo(dc, RECT{0, 0, w, h});
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::ComposeTitleBar(TTitleBar& bar, TTitleKey key) {
  const int w = bar.Bar.Width();
  const int h = bar.Bar.Height();
  const HDC title = bar.Bar.Dc();
  const TSkinSettings& skin = data_->Skin();
  // Made from the skin's pieces alone, never from what the screen shows: the
  // side borders' top ends, the top border between them.
  pieceCache_.Paint(title, skin, TBorderSide::Left, RECT{0, 0, widths_.Left, key.WindowHeight}, active_);
  pieceCache_.Paint(title, skin, TBorderSide::Right, RECT{w - widths_.Right, 0, w, key.WindowHeight}, active_);
  const RECT area{widths_.Left, 0, w - widths_.Right, h};
  pieceCache_.Paint(title, skin, TBorderSide::Top, area, active_);
  // The buttons by the window's edges stand where this state puts them before the text goes between them.
  LayoutCaptionButtons(TPixelRect{area.left, 0, area.right, h});
  const auto [freeLeft, freeRight] = captionButtons_.FreeTitleSpan(area.left, area.right);
  const TCaptionTextStyle style{CaptionFont(),
                                ui::ColourToRgb(active_ ? skin.TitleTextActiveColour : skin.TitleTextNoActiveColour),
                                active_,
                                rightToLeft_,
                                (windowStyle_ & WS_POPUP) != 0,
                                captionButtons_.RightButtonsLeft(),
                                freeLeft,
                                freeRight};
  bar.TextRect = PaintTitleText(title, skin.Title, area, kTitlePrefix, key.Caption, style);
  BitBlt(bar.Background.Dc(), 0, 0, w, h, title, 0, 0, SRCCOPY);
  LayoutCaptionButtons(bar.TextRect);
  captionButtons_.PaintIdle(title, active_);
  bar.Key = std::move(key);
}

void TWinSkinForm::PaintCaptionButton(const TWinSysButton& button, int frame) {
  captionButtons_.PaintState(window_, button, frame, titleBars_.Bar(active_).Background, menuBar_.get());
}

void TWinSkinForm::RefreshSkin() {
  if (form_) {
    const TColour face = data_->Skin().ButtonFaceColour;
    form_->SetColor(face);
    for (int i = 0; i < form_->ComponentCount(); ++i)
      if (auto* embedded = dynamic_cast<ui::TForm*>(form_->Components(i))) embedded->SetColor(face);
  }
  for (std::size_t i = 0; i < controlSkinners_.Count(); ++i) controlSkinners_[i].UpdateSkin();
  state_ = TFormSkinnerState::Refreshing;
  if (form_ && SkinsFrames()) SetPopupMenusOwnerDraw(*form_, *data_, &host_, true);
  if (SkinsFrames()) {
    FitWindowToFrame(true);
    state_ = TFormSkinnerState::Active;
    UpdateRegion();
  }
  state_ = TFormSkinnerState::Active;
}

void TWinSkinForm::DetachControls() { controlSkinners_.DetachAll(); }

void TWinSkinForm::RestoreFormColour() {
  if (form_ && state_ != TFormSkinnerState::Destroying) form_->SetColor(savedColour_);
}

void TWinSkinForm::Unskin() {
  if (!window_ || detached_) return;
  detached_ = true;
  if (!SkinsFrames()) {
    // The skin painted no frame: give back the controls and the procedure,
    // then have the window repaint whole.
    SetHoverTimer(false);
    DetachControls();
    RestoreFormColour();
    if (formProcChained_ && form_) form_->SetWindowProc(savedWindowProc_);
    formProcChained_ = false;
    subclass_.Restore();
    mdiClient_.reset();
    if (form_)
      for (int i = 0; i < form_->ControlCount(); ++i) form_->Controls(i)->Invalidate();
    if (state_ != TFormSkinnerState::Destroying) {
      ShowWindow(window_, SW_MINIMIZE);
      ShowWindow(window_, SW_RESTORE);
    }
    return;
  }
  sysMenuPopup_.reset();
  SetHoverTimer(false);
  if (formProcChained_ && form_) form_->SetWindowProc(savedWindowProc_);
  formProcChained_ = false;
  subclass_.Restore();
  DetachControls();
  RestoreFormColour();
  if (form_) SetPopupMenusOwnerDraw(*form_, *data_, &host_, false);
  SetSystemStyles(true);
  FreeMenuBar(false);
  mdiClient_.reset();
  titleBars_.Release();
  RestoreWindowSize();
  RemoveRegion();
}

void TWinSkinForm::RestoreWindowSize() {
  // A window never fitted to the skin's frame still has its own size.
  if (!fitted_ || state_ == TFormSkinnerState::Destroying) return;
  if ((windowStyle_ & WS_CHILD) && mdiKind_ != TMdiKind::Child) return;
  RECT rect{};
  GetWindowRect(window_, &rect);
  POINT topLeft{rect.left, rect.top};
  if (mdiKind_ == TMdiKind::Child) ScreenToClient(GetParent(window_), &topLeft);
  const int width = rect.right - rect.left + systemFrameSize_.cx - widths_.Left - widths_.Right;
  const int height = rect.bottom - rect.top + systemFrameSize_.cy - widths_.Title - menuBarHeight_ - widths_.Bottom;
  SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::UnskinOnDestroy() {
  detached_ = true;
  sysMenuPopup_.reset();
  SetHoverTimer(false);
  if (formProcChained_ && form_) form_->SetWindowProc(savedWindowProc_);
  formProcChained_ = false;
  subclass_.Restore();
  mdiClient_.reset();
  DetachControls();
  // A form being destroyed frees its popup menus itself.
  if (form_ && !form_->Destroying()) SetPopupMenusOwnerDraw(*form_, *data_, &host_, false);
  // The window's own destruction has freed the bar already (WM_NCDESTROY);
  // the manager going first leaves the window its menu.
  FreeMenuBar(false);
  titleBars_.Release();
}

void TWinSkinForm::MdiMaximizedChanged(bool maximized) {
  if (maximized) {
    RemoveRegion();
    SetSystemStyles(true);
    return;
  }
  if (showState_ == TShowState::Maximized) {
    SetSystemStyles(true);
    return;
  }
  const bool hadRegion = regionApplied_;
  showState_ = TShowState::Normal;
  UpdateRegion();
  SetSystemStyles(false);
  if (!hadRegion) RecalculateFrame();
}

bool TWinSkinForm::IsMdiChildNotNormal() const {
  return mdiKind_ == TMdiKind::Child && showState_ != TShowState::Normal;
}

bool TWinSkinForm::MdiChildrenMaximized() const { return host_.MdiMaximized(); }

bool TWinSkinForm::SkinsFrames() const { return data_->SkinControls().Contains(TSkinControlType::xcMainMenu); }

void TWinSkinForm::RefreshShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(window_, &placement)) showState_ = ShowStateOf(placement.showCmd);
}

std::unique_ptr<TFormSkinner> CreateFormSkinner(HWND window, ui::TForm* form, TSkinData& data, TFormSkinnerHost& host) {
  auto skinner = std::make_unique<TWinSkinForm>(data, host);
  try {
    const bool attached = form ? skinner->SkinForm(*form) : skinner->SkinWindow(window);
    if (!attached) return nullptr;
  } catch (...) {
    // Half attached: whatever was changed goes back before the failure is passed on.
    skinner->Unskin();
    throw;
  }
  return skinner;
}

}  // namespace skin
