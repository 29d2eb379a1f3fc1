#pragma once
// A top-level window (or an MDI child). Its window class is named after its
// class name, so a derived form `TFRM_Date` makes a window of class "TFRM_Date".

#include <string>
#include <vector>

#include "ui/controls/modal_result.h"
#include "ui/controls/win_control.h"

namespace ui {

class TMainMenu;

// The frame: sizeable, fixed single, dialog, fixed or sizeable tool window, none.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// What the caption offers: the system menu (and the close button with it),
// the minimise and the maximise button. The buttons need the system menu and
// a single or sizeable frame.
using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4;
// An MDI frame holds an "MDIClient" window in which its MDI children live.
enum class TFormStyle { fsNormal, fsMDIForm, fsMDIChild };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TTileMode { tbHorizontal, tbVertical };
enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
// Full paths (GBK) in the order dropped.
using TDropFilesEvent = std::function<void(TComponent* sender, const std::vector<std::string>& files)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }

  // Style and icons apply to the window at once when it exists (the client
  // area keeps its size).
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  // Fixed before the window exists. An MDI child lives in the MDI frame that
  // owns it, else in the application's main form, which must be an MDI frame.
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style) { formStyle_ = style; }
  // Follows the window's sizing; set before the first show, it is how the form shows.
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);

  int ClientWidth();
  int ClientHeight();
  // Sizes the window so that its client area has this size.
  void SetClientSize(int width, int height);

  // The menu bar; nullptr for none. Its items' OnClick run when chosen.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // The application's hidden window, so that a popup menu shown for the form
  // or a control on it does not take activation from the form.
  HWND MenuOwnerWindow() const override;

  // Whether files dropped from the shell reach OnDropFiles.
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool on);
  TDropFilesEvent OnDropFiles;

  // Asks OnClose; closing the application's main form ends the application,
  // closing a modal form ends it with mrCancel, closing an MDI child frees it.
  void Close();
  // Frees the form once the messages now being handled are done.
  void Release();

  // Shows the form and handles messages, with the program's other windows
  // disabled, until ModalResult is set (or the application ends: mrCancel);
  // then hides it and gives activation back. Returns ModalResult.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);

  // An MDI frame's client window (class "MDIClient"); nullptr before the frame's window exists.
  HWND ClientHandle() const { return clientHandle_; }
  void Cascade();
  void Tile(TTileMode mode = TTileMode::tbHorizontal);
  // The active MDI child of this MDI frame, or nullptr.
  TForm* ActiveMDIChild() const;
  // The MDI children, in the system's z-order (the active one first).
  std::vector<TForm*> MDIChildren() const;

  // Fires OnCreate; TApplication::CreateForm calls it once the form is built.
  void DoCreate();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  RECT FrameSize();  // window size minus client size, as left/top/right/bottom
  void ApplyWindowStyles();
  TForm* MDIFrame() const;
  HWND CreateMDIChildWindow(const TCreateParams& params);
  void CreateMDIClient();
  void ShowInState();
  // Clicks the item of the menu bar with this command; false when there is none.
  bool ClickMenuItem(UINT command);

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TWindowState windowState_ = TWindowState::wsNormal;
  TMainMenu* menu_ = nullptr;
  bool acceptFiles_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  HWND clientHandle_ = nullptr;
};

}  // namespace ui
