#include "skinned_form_fixture.h"

#include "skin/engine/frame/form_skinner_factory.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"

namespace skin {

void SkinnedFormTest::SetUp() {
  FreeSkinManager();
  CreateSkinManager();
  data = std::make_unique<TSkinData>(nullptr, ManagerRequests());
  form = std::make_unique<ui::TForm>(nullptr);
  form->SetBorderStyle(ui::TFormBorderStyle::bsNone);
  form->SetBounds(200, 200, 320, 200);
}

void SkinnedFormTest::TearDown() {
  skinner.reset();
  form.reset();
  data.reset();
  FreeSkinManager();
}

void SkinnedFormTest::ShowForm() {
  form->Show();
  SetForegroundWindow(form->Handle());
}

void SkinnedFormTest::AttachFrameSkinner() {
  skinner.reset(
      static_cast<TWinSkinForm*>(CreateFormSkinner(form->Handle(), form.get(), *data, *SkinManager()).release()));
  ASSERT_NE(skinner, nullptr);
  SendMessageW(form->Handle(), SKM_ATTACHED, 0, kAttachedTag);
  UpdateWindow(form->Handle());
}

void SkinnedFormTest::MoveOnto(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

}  // namespace skin
