#pragma once
// A shown borderless form with a fresh white panel filling it, for tests that
// drive real windows with real messages.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "ui/controls/panel.h"
#include "ui/forms/form.h"
#include "ui/graphics/bitmap.h"

namespace ui_test {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Sends a mouse message to the panel at a point of its client area.
  LRESULT SendMouse(UINT msg, int x, int y, WPARAM keys = 0);
  // A click of the left button at a point of the panel.
  void ClickAt(int x, int y);
  // What the panel's window shows now, after painting what is invalid.
  std::unique_ptr<ui::TBitmap> Snapshot();
  void Pump();

  ui::TForm* form = nullptr;
  ui::TPanel* panel = nullptr;
};

}  // namespace ui_test
