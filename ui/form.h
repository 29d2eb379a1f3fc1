#pragma once
// A top-level window. Its window class is named after its class name, so a
// derived form `TFRM_Date` makes a window of class "TFRM_Date".

#include "ui/win_control.h"

namespace ui {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }

  // Fixed before the window exists.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }

  int ClientWidth();
  int ClientHeight();
  // Sizes the window so that its client area has this size.
  void SetClientSize(int width, int height);

  // Asks OnClose; closing the application's main form ends the application.
  void Close();
  // Frees the form once the messages now being handled are done.
  void Release();

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
  void WndProc(TMessage& message) override;

 private:
  RECT FrameSize();  // window size minus client size, as left/top/right/bottom
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
};

}  // namespace ui
