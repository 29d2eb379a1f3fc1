#pragma once
// The program's one application object: it owns the forms made with
// CreateForm, runs the message loop, shows exceptions that escaped a message
// handler, and keeps a hidden window ("TApplication") that owns popup menus.

#include <windows.h>

#include <exception>
#include <string>
#include <utility>

#include "ui/base/component.h"
#include "ui/base/message_exceptions.h"

namespace ui {

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // The hidden window; shell calls and popup menus use it as their owner.
  HWND Handle() const { return handle_; }

  // Makes a form owned by the application, passing `arguments` on after the
  // owner; the first form becomes the main form.
  template <class Form, class... Arguments>
  Form* CreateForm(Arguments&&... arguments) {
    auto* form = new Form(this, std::forward<Arguments>(arguments)...);
    if (!mainForm_) mainForm_ = form;
    form->DoCreate();
    return form;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form, handles messages until Terminate, then frees the forms.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every message waiting now.
  void ProcessMessages();
  // Handles one message, waiting for one when none is there (a modal loop's step).
  void HandleMessage();

  // The system's message box (a "#32770" dialog) over the active window:
  // GBK texts, MessageBoxW flags; returns the button chosen (IDOK, ...).
  int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
  // A plain message with an OK button, captioned with the title (the
  // program's file name when there is none).
  void ShowMessage(const std::string& text);

  // Frees the form after the messages now being handled.
  void FreeLater(TForm* form);

  // Exceptions from message handlers end here: OnException, or else the
  // standard error box (the message with a final period, stop icon, OK),
  // owned by the active window of the thread.
  void HandleException(const std::exception& error);
  void ShowException(const std::exception& error);
  TExceptionEvent OnException;

  const std::string& Title() const { return title_; }
  // Also the text of the hidden window, as the task list would show it.
  void SetTitle(std::string title);

  // A form tells this as it is destroyed; it stops being the main form.
  static void FormDestroyed(TForm* form);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  // Handles one waiting message; false when none was waiting or it was WM_QUIT.
  bool ProcessMessage();
  void FreeOwned();
  int ShowBox(const std::wstring& text, const std::wstring& caption, UINT flags) const;
  HWND handle_ = nullptr;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::string title_;
};

TApplication& Application();

}  // namespace ui
