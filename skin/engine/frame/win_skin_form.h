#pragma once
// TWinSkinForm: the frame skinner of one top-level window or MDI child. It
// takes over the window's procedure, sizes the non-client area to the skin's
// borders and paints them, the caption text and the caption buttons itself,
// shapes the window where the borders are transparent, tracks the mouse over
// its caption buttons and its skinned menu bar, runs the buttons' actions and
// the skinned system menu, and owns the control skinners of the window's
// controls. Detaching gives the window back its system frame at the same
// client size.
//
// Life: created by the skin manager at a window's first activation (State
// Created); the SKM_ATTACHED it posts fits the window to the frame (Active);
// WM_NCDESTROY detaches it (Destroyed) and tells its host, which frees it.

#include <windows.h>

#include <memory>
#include <string>

#include "skin/engine/controls/control_skinners.h"
#include "skin/engine/frame/caption_buttons.h"
#include "skin/engine/frame/form_skinner.h"
#include "skin/engine/frame/form_skinner_host.h"
#include "skin/engine/frame/frame_painting.h"
#include "skin/engine/frame/title_bar_cache.h"
#include "skin/engine/gdi/gdi_handle.h"
#include "skin/engine/geometry/frame_layout.h"
#include "skin/engine/geometry/nc_object.h"
#include "skin/engine/win32/window_subclass.h"
#include "ui/base/messages.h"
#include "ui/graphics/canvas.h"

namespace ui {
class TForm;
class TPopupMenu;
}  // namespace ui

namespace skin {

class TSkinData;
class TMdiClientSubclass;
class TWinSkinMenu;

// A window's text, as the caption shows it (up to 1000 characters).
std::wstring CaptionOf(HWND window);

class TWinSkinForm : public TFormSkinner, private TCaptionButtonPainter {
 public:
  static constexpr unsigned kHoverIntervalMs = 250;
  // The hover timer's identifier among the window's own timers.
  static constexpr UINT_PTR kHoverTimerId = 0x534B;
  // Put before the caption text.
  static constexpr const wchar_t* kTitlePrefix = L"  ";

  // `host` holds the skinner (the skin manager).
  TWinSkinForm(TSkinData& data, TFormSkinnerHost& host);
  ~TWinSkinForm() override;

  // Attaches to a library form (chaining its message handler when the skin
  // paints frames) or to a bare window. False when the window is subclassed
  // already or gone.
  bool SkinForm(ui::TForm& form);
  bool SkinWindow(HWND window);

  // --- What the manager asks ---
  HWND WindowHandle() const override { return window_; }
  TSkinData* SkinData() const override { return data_; }
  TFormSkinnerState State() const override { return state_; }
  void SetState(TFormSkinnerState state) override { state_ = state; }
  TMdiKind MdiKind() const override { return mdiKind_; }
  void ReleaseCaptionButtons() override;
  void RebuildFrameMetrics() override;
  void RefreshSkin() override;
  void Unskin() override;
  void UnskinOnDestroy() override;
  void MdiMaximizedChanged(bool maximized) override;

  // Paints borders, title and caption buttons on `dc`, or on the window's own
  // device context when it is nullptr.
  void PaintNonClient(HDC dc);
  // Opens the window's system menu at a screen point; asked again within the
  // double-click time, closes the window instead.
  void ShowSystemMenu(int x, int y);
  // Opens it whenever asked (Alt+Space).
  void PopupSystemMenu(int x, int y);
  // The skinners of the window's controls (the control skinners' tests find theirs here).
  TControlSkinners& ControlSkinners() { return controlSkinners_; }

  // --- What its menu bar and its MDI client ask ---
  // The skinned menu bar that took the window's menu over, or nullptr.
  TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
  const TCaptionButtons& CaptionButtons() const { return captionButtons_; }
  // The library form it serves, nullptr for a bare window.
  ui::TForm* LibraryForm() const { return form_; }
  // Whether the skin paints the frame (only a skin that skins the main menu does).
  bool SkinsFrames() const;
  bool Active() const { return active_; }
  // The window reads right to left.
  bool RightToLeft() const { return rightToLeft_; }
  // Window coordinates of a screen point (the client origin moved by the frame).
  POINT ScreenToFrame(POINT screen) const;
  // The screen point of a point in window coordinates.
  POINT FrameToScreen(POINT frame) const;

 private:
  void PaintCaptionButton(const TWinSysButton& button, int frame) override;

  // Attach steps.
  void ReadWindowFacts();
  void AttachControls();
  // A window with a menu (not an MDI child) gets a skinned menu bar for it.
  void CreateMenuBar();
  void FreeMenuBar(bool windowDestroyed);

  // The frame.
  // Sizes the window around its client rectangle (read now, or as kept for the first fit).
  void FitWindowToFrame(bool rereadClient);
  // The client the first fit keeps: the window's now (it may have been
  // resized since it was attached, by a cascade of MDI children), less the
  // room the system's menu bar took before the skinned bar replaced it.
  void KeepClientForFirstFit();
  void UpdateRegion();
  // Puts the system-menu, minimise and maximise styles back (on) or takes them away.
  void SetSystemStyles(bool on);

  // Painting steps.
  void PaintTitleBar(HDC dc, int windowHeight);
  void ComposeTitleBar(TTitleBar& bar, TTitleKey key);
  // Decides which caption buttons show beside the caption text at `titleTextBox` and places them.
  void LayoutCaptionButtons(const TPixelRect& titleTextBox);
  TCaptionState CaptionState() const;
  HFONT CaptionFont();
  // The visible caption button, else the menu-bar button, under a point in
  // window coordinates, or nullptr.
  TNCObject* FindHitObject(POINT point) const;
  // Whether one of the window's menus is open: the system menu or a popup of the bar.
  bool MenuTracking() const;

  // Message handling (win_skin_form_messages.cpp).
  LRESULT SkinWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  bool HandleStage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool HandleStage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool RunsStage3() const;
  bool HandleStage3(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT CallOldProc(UINT msg, WPARAM wParam, LPARAM lParam) { return subclass_.CallOld(msg, wParam, lParam); }
  void FormWindowProc(ui::TMessage& message);
  // Owner-drawn items of the skinned menu bar's popups (win_skin_form_menu_items.cpp);
  // false when the message is not for them.
  bool HandleMeasureItem(LPARAM lParam);
  bool HandleDrawItem(LPARAM lParam);
  // Alt and an access key of the skinned bar: its button is clicked.
  bool OpensBarByAccelerator(wchar_t key);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivate(WPARAM wParam);
  bool OnCaptionMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
  void OnAttached();
  void OnHoverTimer();
  // The mouse came over the frame: the hover timer runs until it leaves.
  void TrackFrameHover();
  void OnNcMouseLeave();
  // Tells the hot control skinner that the mouse left it.
  void ReleaseHotControl();
  // A timer of the window itself, so no window of its own is made for it.
  void SetHoverTimer(bool on);
  // Caption button and system menu actions.
  void DoCaptionAction(int x, int y);
  void SysMenuClick(int tag);
  void ToggleMaximize();
  void ToggleMinimize();
  void Restore();
  void PostClose();
  void RefreshShowState();
  void RecalculateFrame();
  bool IsMdiChildNotNormal() const;
  bool MdiChildrenMaximized() const;
  bool IsBareWindow() const { return form_ == nullptr; }
  void DetachControls();
  void RestoreFormColour();
  void RestoreWindowSize();
  void RemoveRegion();

  TSkinData* data_;
  TFormSkinnerHost& host_;
  // The caption or menu-bar button under the mouse or pressed; declared
  // before the buttons, which forget it when they go.
  TNCObject* hotObject_ = nullptr;
  ui::TForm* form_ = nullptr;
  HWND window_ = nullptr;
  TWindowSubclass subclass_;
  ui::TWndMethod savedWindowProc_;
  bool formProcChained_ = false;
  std::unique_ptr<TMdiClientSubclass> mdiClient_;
  bool hoverTimerOn_ = false;
  HFONT captionFont_ = nullptr;
  // The window was sized to the skin's frame (and is sized back when detached).
  bool fitted_ = false;
  // Unskin or UnskinOnDestroy has run.
  bool detached_ = false;

  RECT firstFitClient_{};
  // How much the client grew when the skinned bar took the window's menu.
  int menuTakenHeight_ = 0;
  SIZE systemFrameSize_{};
  DWORD lastSysMenuTime_ = 0;
  DWORD doubleClickTime_ = 0;
  TFrameWidths widths_;
  int menuBarHeight_ = 0;
  bool systemMenuShown_ = false;
  std::unique_ptr<TWinSkinMenu> menuBar_;
  bool rightToLeft_ = false;
  std::unique_ptr<ui::TPopupMenu> sysMenuPopup_;
  TColour savedColour_ = 0;
  DWORD windowStyle_ = 0;
  bool regionApplied_ = false;
  ui::TCanvas controlCanvas_;
  TCaptionButtons captionButtons_;
  TTitleBarCache titleBars_;
  TBorderPieceCache pieceCache_;
  TControlSkinners controlSkinners_{[this] { return State() == TFormSkinnerState::Destroying; }};
  int windowWidth_ = 0;
  int regionWidth_ = 0;
  int regionHeight_ = 0;
  bool active_ = true;
  TMdiKind mdiKind_ = TMdiKind::None;
  TBorderKind borderKind_ = TBorderKind::Plain;
  TAllowedButtons allowed_;
  TShowState showState_ = TShowState::Normal;
  TFormSkinnerState state_ = TFormSkinnerState::Created;
};

}  // namespace skin
