#pragma once
// The program's one application object: it owns the forms made with
// CreateForm, runs the message loop, shows exceptions that escaped a message
// handler, and keeps a hidden window ("TApplication") that owns popup menus.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "ui/component.h"

namespace ui {

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // The hidden window; shell calls and popup menus use it as their owner.
  HWND Handle();

  // Makes a form owned by the application; the first becomes the main form.
  template <class Form>
  Form* CreateForm() {
    auto* form = new Form(this);
    if (!mainForm_) mainForm_ = form;
    form->DoCreate();
    return form;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every message waiting now.
  void ProcessMessages();

  // Frees the form after the messages now being handled.
  void FreeLater(TForm* form);

  // Exceptions from message handlers end here: OnException, or else the
  // standard error box (the message with a final period, stop icon, OK),
  // owned by the active window of the thread.
  void HandleException(const std::exception& error);
  void ShowException(const std::exception& error);
  std::function<void(const std::exception& error)> OnException;

  const std::string& Title() const { return title_; }
  // Also the text of the hidden window, as the task list would show it.
  void SetTitle(std::string title);

  // A form tells this as it is destroyed; it stops being the main form.
  static void FormDestroyed(TForm* form);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND handle_ = nullptr;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::string title_;
};

TApplication& Application();

}  // namespace ui
