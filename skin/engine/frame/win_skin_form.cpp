#include "skin/engine/frame/win_skin_form.h"

#include <algorithm>

#include "skin/component/skin_data.h"
#include "skin/engine/controls/control_walk.h"
#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/frame/frame_region.h"
#include "skin/engine/frame/mdi_client_subclass.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/gdi/icon_picture.h"
#include "skin/engine/gdi/skin_drawing.h"
#include "skin/engine/menus/skinned_menu_items.h"
#include "skin/engine/menus/system_menu_popup.h"
#include "ui/forms/form.h"
#include "ui/graphics/colour.h"
#include "ui/menus/popup_menu.h"

namespace skin {
namespace {

constexpr int kHotFrame = 3;
constexpr int kMenuBarHotFrame = 4;
constexpr int kMaxCaptionLength = 1000;

bool SkinsMainMenu(const TSkinData& data) { return data.SkinControls().Contains(TSkinControlType::xcMainMenu); }

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
  if (SkinsMainMenu(*data_)) {
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
  if (SkinsMainMenu(*data_)) SetPopupMenusOwnerDraw(form, *data_, true);
  return true;
}

bool TWinSkinForm::SkinWindow(HWND window) {
  if (!IsWindow(window) || subclass_.Attached()) return false;
  window_ = window;
  ReadWindowFacts();
  // Only a painted frame shows the icon: the calendar's start needs none of it.
  if (borderKind_ != TBorderKind::None) BuildIconPicture();
  if (mdiKind_ == TMdiKind::Frame) {
    savedMenuUpdate_ = data_->MenuUpdate();
    mdiClient_ = std::make_unique<TMdiClientSubclass>(*this, host_);
  }
  if (SkinsMainMenu(*data_)) {
    const bool keepStyles =
        (mdiKind_ == TMdiKind::Child && MdiChildrenMaximized()) || showState_ == TShowState::Minimized;
    CreateMenuBar();
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
  menuBar_ = std::make_unique<TWinSkinMenu>(*this, host_);
  menuBar_->BuildFromNativeMenu();
}

void TWinSkinForm::FreeMenuBar(bool windowDestroyed) {
  if (!menuBar_) return;
  if (windowDestroyed)
    menuBar_->WindowDestroyed();
  else
    menuBar_->GiveMenuBack();
  menuBar_.reset();
  trackedMenu_ = nullptr;
}

void TWinSkinForm::ReadWindowFacts() {
  windowStyle_ = StyleOf(window_);
  const DWORD exStyle = ExStyleOf(window_);
  rightToLeft_ = (exStyle & framestyle::kExLeftScrollBar) != 0;
  captionText_ = CaptionOf(window_);
  RECT client{};
  GetClientRect(window_, &client);
  clientRectAtAttach_ = client;
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

void TWinSkinForm::BuildIconPicture() {
  iconPicture_ = WindowIconPicture(window_);
  if (!iconPicture_.Empty()) return;
  // A window without an icon shows the icon of the skin it wears, or else of
  // the last main skin that has one.
  ui::TBitmap* icon = data_->IconImage().Empty() ? nullptr : &data_->IconImage();
  if (!icon) {
    for (TSkinData* other : host_.SkinDatas())
      if (other->SkinFormtype() == TSkinFormType::sfMainform && !other->IconImage().Empty()) icon = &other->IconImage();
  }
  iconPicture_ = IconPictureFrom(icon);
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
  CreateCaptionButtons();
}

void TWinSkinForm::CreateCaptionButtons() {
  TCaptionButtonPainter& painter = *this;
  for (const TDataSkinSysButton& record : data_->Skin().SysButtons) {
    TDataSkinSysButton own = record;
    if (ShowsWindowIcon(own)) {
      if (own.Bitmap.Empty()) own.Bitmap = iconPicture_;
      if (data_->IconImage().Empty() && !iconPicture_.Empty()) AssignIconPicture(data_->IconImage(), iconPicture_);
      own.FrameCount = 1;
    }
    captionButtons_.push_back(std::make_unique<TWinSysButton>(hotObject_, painter, std::move(own)));
  }
}

void TWinSkinForm::ReleaseTitleBars() {
  for (TTitleBar& bar : titleBars_) {
    bar.Bar.Reset();
    bar.Background.Reset();
    bar.Key = TTitleKey{};
  }
}

void TWinSkinForm::ReleaseCaptionButtons() {
  captionButtons_.clear();
  hotObject_ = nullptr;
  // Pictures of the old skin go with its buttons.
  pieceCache_.Clear();
  for (TTitleBar& bar : titleBars_) bar.Key = TTitleKey{};
}

void TWinSkinForm::SetHoverTimer(bool on) {
  if (on == hoverTimerOn_ || !window_) return;
  hoverTimerOn_ = on;
  if (on)
    SetTimer(window_, kHoverTimerId, kHoverIntervalMs, nullptr);
  else
    KillTimer(window_, kHoverTimerId);
}

void TWinSkinForm::FitWindowToFrame(bool rereadClient) {
  if (showState_ == TShowState::Maximized) {
    RecalculateFrame();
    return;
  }
  RECT client = clientRectAtAttach_;
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
      TFrameRegionInput{&data_->Skin(), widths_, size.cx, size.cy, active_, CurrentTitleBar().Bar.Dc()});
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

void TWinSkinForm::LayoutCaptionButtons() {
  rightButtonsLeft_ = 0;
  const auto& menuBar = data_->Skin().MenuBar;
  const TCaptionPlacement placement{windowWidth_, widths_,       menuBarHeight_, menuBar ? menuBar->LeftWidth : 0,
                                    rightToLeft_, titleTextRect_};
  const TCaptionState state = CaptionState();
  for (const auto& each : captionButtons_) {
    TWinSysButton& button = *each;
    button.Visible = IsCaptionButtonVisible(button.Record, state);
    if (!button.Visible || button.Record.Bitmap.Empty()) continue;
    const int cellWidth = button.Record.Bitmap.Width() / std::max(button.Record.FrameCount, 1);
    button.Bounds =
        CaptionButtonBounds(button.Record, cellWidth, button.Record.Bitmap.Height(), placement, rightButtonsLeft_);
  }
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
    RECT screenRect{};
    GetWindowRect(window_, &screenRect);
    windowWidth_ = screenRect.right - screenRect.left;
    const int w = windowWidth_;
    const int h = screenRect.bottom - screenRect.top;
    const TSkinSettings& skin = data_->Skin();
    pieceCache_.Paint(dc, skin, TBorderSide::Left, RECT{0, 0, widths_.Left, h}, active_);
    pieceCache_.Paint(dc, skin, TBorderSide::Right, RECT{w - widths_.Right, 0, w, h}, active_);
    pieceCache_.Paint(dc, skin, TBorderSide::Bottom, RECT{widths_.Left, h - widths_.Bottom, w - widths_.Right, h},
                      active_);
    PaintTitleBar(dc);
    if (menuBar_ && menuBarHeight_ > 0)
      menuBar_->PaintBar(dc, RECT{widths_.Left, widths_.Title, w - widths_.Right, widths_.Title + menuBarHeight_});
  } catch (...) {
    // A painting failure leaves the frame as it was; the window goes on working.
  }
  hotObject_ = nullptr;
  if (ownDc) ReleaseDC(window_, dc);
}

void TWinSkinForm::PaintTitleBar(HDC dc) {
  const int w = windowWidth_;
  const int h = widths_.Title;
  if (w <= 0 || h <= 0) return;
  TTitleBar& bar = CurrentTitleBar();
  if (bar.Bar.Empty() || bar.Bar.Width() != w || bar.Bar.Height() != h) {
    bar.Bar.Create(dc, w, h);
    bar.Background.Create(dc, w, h);
    bar.Key = TTitleKey{};
  }
  if (bar.Bar.Empty() || bar.Background.Empty()) return;
  TTitleKey key{w, active_, showState_, captionText_};
  if (key == bar.Key) {
    // The buttons may show and stand otherwise in this state.
    titleTextRect_ = bar.TextRect;
    LayoutCaptionButtons();
  } else {
    ComposeTitleBar(dc, bar, std::move(key));
  }
  bar.Bar.CopyTo(dc, RECT{0, 0, w, h});
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::ComposeTitleBar(HDC dc, TTitleBar& bar, TTitleKey key) {
  const int w = bar.Bar.Width();
  const int h = bar.Bar.Height();
  const HDC title = bar.Bar.Dc();
  BitBlt(title, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  const RECT area{widths_.Left, 0, w - widths_.Right, h};
  pieceCache_.Paint(title, data_->Skin(), TBorderSide::Top, area, active_);
  const TSkinSettings& skin = data_->Skin();
  const TCaptionTextStyle style{CaptionFont(),
                                ui::ColourToRgb(active_ ? skin.TitleTextActiveColour : skin.TitleTextNoActiveColour),
                                active_,
                                rightToLeft_,
                                (windowStyle_ & WS_POPUP) != 0,
                                rightButtonsLeft_};
  titleTextRect_ = PaintTitleText(title, skin.Title, area, kTitlePrefix, key.Caption, style);
  bar.TextRect = titleTextRect_;
  BitBlt(bar.Background.Dc(), 0, 0, w, h, title, 0, 0, SRCCOPY);
  LayoutCaptionButtons();
  PaintCaptionButtons(title);
  bar.Key = std::move(key);
}

void TWinSkinForm::PaintCaptionButtons(HDC dc) {
  for (const auto& button : captionButtons_) {
    if (!button->Visible || button->Record.Bitmap.Empty() || button->Record.Visibility == kVisibleWithMdiMenuBar)
      continue;
    DrawCaptionButton(dc, *button, IdleCaptionButtonFrame(active_, button->Record.FrameCount));
  }
}

void TWinSkinForm::DrawCaptionButton(HDC dc, const TWinSysButton& button, int frame) const {
  const TPixelRect& b = button.Bounds;
  DrawCaptionButton(dc, RECT{b.Left, b.Top, b.Right, b.Bottom}, button, frame);
}

void TWinSkinForm::DrawCaptionButton(HDC dc, const RECT& target, const TWinSysButton& button, int frame) const {
  if (ShowsWindowIcon(button.Record))
    DrawFrameCell(dc, target, iconPicture_, true, 1, 1);
  else
    DrawFrameCell(dc, target, button.Record.Bitmap, true, button.Record.FrameCount, frame);
}

void TWinSkinForm::PaintCaptionButton(const TWinSysButton& button, int frame) {
  if (button.Record.Visibility == kVisibleWithMdiMenuBar && frame == kHotFrame) frame = kMenuBarHotFrame;
  if (button.Record.Visibility == kVisibleWithMdiMenuBar && menuBar_ &&
      menuBar_->PaintOverBar(button.Bounds,
                             [&](HDC dc, const RECT& cell) { DrawCaptionButton(dc, cell, button, frame); }))
    return;
  const TPixelRect& b = button.Bounds;
  HDC dc = GetWindowDC(window_);
  const TOffscreenBitmap& background = CurrentTitleBar().Background;
  const bool inTitle = !background.Empty() && b.Left >= 0 && b.Top >= 0 && b.Right <= background.Width() &&
                       b.Bottom <= background.Height() && !b.Empty();
  if (!inTitle) {
    DrawCaptionButton(dc, button, frame);
    ReleaseDC(window_, dc);
    return;
  }
  // The new state is laid over the title bar as it was without buttons, off
  // the screen, so nothing of the previous state shows through its magenta.
  TOffscreenBitmap cell;
  cell.Create(dc, b.Width(), b.Height());
  BitBlt(cell.Dc(), 0, 0, b.Width(), b.Height(), background.Dc(), b.Left, b.Top, SRCCOPY);
  DrawCaptionButton(cell.Dc(), RECT{0, 0, b.Width(), b.Height()}, button, frame);
  cell.CopyTo(dc, RECT{b.Left, b.Top, b.Right, b.Bottom});
  ReleaseDC(window_, dc);
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
  if (form_ && SkinsMainMenu(*data_)) SetPopupMenusOwnerDraw(*form_, *data_, true);
  if (SkinsMainMenu(*data_)) {
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
  if (!SkinsMainMenu(*data_)) {
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
  if (form_) SetPopupMenusOwnerDraw(*form_, *data_, false);
  SetSystemStyles(true);
  FreeMenuBar(false);
  mdiClient_.reset();
  ReleaseTitleBars();
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
  if (form_ && !form_->Destroying()) SetPopupMenusOwnerDraw(*form_, *data_, false);
  // The window's own destruction has freed the bar already (WM_NCDESTROY);
  // the manager going first leaves the window its menu.
  FreeMenuBar(false);
  ReleaseTitleBars();
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
