// The counts follow objects this process creates and deletes, kind by kind.

#include "gui_object_counts.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace test_support {
namespace {

GuiObjectCounts Now() {
  std::optional<GuiObjectCounts> counts = ReadGuiObjectCounts(GetCurrentProcessId());
  EXPECT_TRUE(counts.has_value());
  return counts.value_or(GuiObjectCounts{});
}

// The first DC of a process brings the display's own objects with it; it is
// made before counting.
class GuiObjectCountsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { DeleteDC(CreateCompatibleDC(nullptr)); }
};

TEST_F(GuiObjectCountsTest, EachKindRisesByWhatIsCreatedAndFallsBackWhenItIsDeleted) {
  const GuiObjectCounts before = Now();
  EXPECT_GT(before.Gdi(TGdiObjectType::Font), 0) << "the stock fonts";
  std::vector<HGDIOBJ> objects;
  for (int i = 0; i < 7; ++i) objects.push_back(CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
  for (int i = 0; i < 5; ++i) objects.push_back(CreateSolidBrush(RGB(0, i, 0)));
  for (int i = 0; i < 4; ++i) objects.push_back(CreateBitmap(4, 4, 1, 32, nullptr));
  for (int i = 0; i < 3; ++i) objects.push_back(CreateFontW(12 + i, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
  for (int i = 0; i < 2; ++i) objects.push_back(CreateRectRgn(0, 0, i + 1, 1));
  std::vector<HDC> memoryDcs;
  for (int i = 0; i < 6; ++i) memoryDcs.push_back(CreateCompatibleDC(nullptr));

  const GuiObjectCounts created = Now();
  EXPECT_EQ(created.Gdi(TGdiObjectType::Pen), before.Gdi(TGdiObjectType::Pen) + 7);
  EXPECT_EQ(created.Gdi(TGdiObjectType::Brush), before.Gdi(TGdiObjectType::Brush) + 5);
  EXPECT_EQ(created.Gdi(TGdiObjectType::Bitmap), before.Gdi(TGdiObjectType::Bitmap) + 4);
  EXPECT_EQ(created.Gdi(TGdiObjectType::Font), before.Gdi(TGdiObjectType::Font) + 3);
  EXPECT_EQ(created.Gdi(TGdiObjectType::Region), before.Gdi(TGdiObjectType::Region) + 2);
  EXPECT_EQ(created.Gdi(TGdiObjectType::MemoryDc), before.Gdi(TGdiObjectType::MemoryDc) + 6);
  EXPECT_EQ(created.GdiTotal(), before.GdiTotal() + 27) << Describe(created);

  for (HGDIOBJ object : objects) DeleteObject(object);
  for (HDC dc : memoryDcs) DeleteDC(dc);
  EXPECT_EQ(Now().gdiByType, before.gdiByType);
}

TEST_F(GuiObjectCountsTest, WindowsOfEveryKindAreCounted) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto create = [instance](DWORD style, HWND parent) {
    return CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 10, 10, parent, nullptr, instance, nullptr);
  };
  // A thread's first window brings the thread's input-method window along.
  HWND first = create(WS_POPUP, nullptr);
  const int before = Now().windows;
  EXPECT_EQ(before, 2);
  HWND hidden = create(WS_POPUP, nullptr);
  HWND child = create(WS_CHILD, hidden);
  HWND grandchild = create(WS_CHILD, child);
  HWND messageOnly = create(0, HWND_MESSAGE);
  ASSERT_TRUE(first && hidden && child && grandchild && messageOnly);
  EXPECT_EQ(Now().windows, before + 4);
  DestroyWindow(messageOnly);
  DestroyWindow(hidden);
  EXPECT_EQ(Now().windows, before);
  DestroyWindow(first);
}

TEST_F(GuiObjectCountsTest, WorkingSetHoldsTouchedMemory) {
  const std::size_t size = 64 << 20;
  const std::size_t before = Now().workingSetBytes;
  auto* memory = static_cast<char*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  ASSERT_NE(memory, nullptr);
  for (std::size_t offset = 0; offset < size; offset += 4096) memory[offset] = 1;
  EXPECT_GE(Now().workingSetBytes, before + size * 9 / 10);
  VirtualFree(memory, 0, MEM_RELEASE);
  EXPECT_LT(Now().workingSetBytes, before + size / 10);
}

TEST_F(GuiObjectCountsTest, AProcessThatDoesNotExistHasNone) {
  EXPECT_EQ(ReadGuiObjectCounts(0xFFFFFFF0), std::nullopt);
}

}  // namespace
}  // namespace test_support
