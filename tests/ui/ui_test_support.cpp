#include "ui_test_support.h"

#include "ui/forms/application.h"

namespace ui_test {
namespace {

// One form for every test: destroying a shown top-level window costs Wine
// seconds without a window manager, child windows cost nothing.
ui::TForm* SharedForm() {
  static ui::TForm* form = [] {
    auto* made = new ui::TForm(nullptr);
    made->SetBorderStyle(ui::TFormBorderStyle::bsNone);
    made->SetBounds(100, 100, 240, 180);
    made->Show();
    return made;
  }();
  return form;
}

}  // namespace

void FormTest::SetUp() {
  form = SharedForm();
  panel = new ui::TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 240, 180);
  panel->SetBevelOuter(ui::TBevelCut::bvNone);
  panel->SetColor(clWhite);
  SetForegroundWindow(form->Handle());
  Pump();
}

void FormTest::TearDown() {
  while (form->ComponentCount() > 0) delete form->Components(form->ComponentCount() - 1);
  form->OnDeactivate = nullptr;
  Pump();
}

void FormTest::Pump() { ui::Application().ProcessMessages(); }

LRESULT FormTest::SendMouse(UINT msg, int x, int y, WPARAM keys) {
  return SendMessageW(panel->Handle(), msg, keys, MAKELPARAM(x, y));
}

void FormTest::ClickAt(int x, int y) {
  SendMouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  SendMouse(WM_LBUTTONUP, x, y);
}

std::unique_ptr<ui::TBitmap> FormTest::Snapshot() {
  UpdateWindow(form->Handle());
  auto bitmap = std::make_unique<ui::TBitmap>();
  bitmap->SetSize(panel->Width(), panel->Height());
  HDC window = GetDC(panel->Handle());
  BitBlt(bitmap->Canvas().Handle(), 0, 0, panel->Width(), panel->Height(), window, 0, 0, SRCCOPY);
  ReleaseDC(panel->Handle(), window);
  return bitmap;
}

}  // namespace ui_test
