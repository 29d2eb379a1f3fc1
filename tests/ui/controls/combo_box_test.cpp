// The combo box over the system's control: items and selection kept before
// its window reach it, and the user's picks and edits come back as OnChange
// through the parent's command reflection.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/controls/combo_box.h"
#include "ui_test_support.h"

namespace {

using ui::TComboBoxStyle;

class ComboBoxTest : public ui_test::FormTest {
 protected:
  ui::TComboBox* Make(TComboBoxStyle style, int top) {
    auto* combo = new ui::TComboBox(form);
    combo->SetStyle(style);
    combo->SetBounds(10, top, 120, 21);
    for (const char* item : {"one", "two", "three"}) combo->AddItem(item);
    return combo;
  }
};

TEST_F(ComboBoxTest, ItemsAndSelectionMadeBeforeTheWindowReachItInEachStyle) {
  const std::vector<std::pair<TComboBoxStyle, DWORD>> styles{
      {TComboBoxStyle::csDropDown, CBS_DROPDOWN},
      {TComboBoxStyle::csDropDownList, CBS_DROPDOWNLIST},
      {TComboBoxStyle::csSimple, CBS_SIMPLE},
  };
  int top = 10;
  for (const auto& [style, bits] : styles) {
    SCOPED_TRACE(bits);
    ui::TComboBox* combo = Make(style, top);
    combo->SetItemIndex(1);
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1) << "no such item";
    combo->SetItemIndex(1);
    EXPECT_FALSE(combo->HandleAllocated());
    combo->SetParent(panel);
    const HWND window = combo->Handle();
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & 3, static_cast<LONG_PTR>(bits));
    EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(combo->Items(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(combo->Text(), "two");
    if (style != TComboBoxStyle::csSimple) {
      RECT dropped{};
      SendMessageW(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
      EXPECT_LE(combo->Height(), 30) << "the closed box is one line high";
      EXPECT_GT(dropped.bottom - dropped.top, 3 * combo->Height()) << "the list drops several lines";
    }
    top += style == TComboBoxStyle::csSimple ? 0 : 30;
  }
}

TEST_F(ComboBoxTest, UserPicksAndEditsReachOnChangeAfterTheWindowChangedAndTheProgramsDoNot) {
  ui::TComboBox* list = Make(TComboBoxStyle::csDropDownList, 10);
  list->SetText("three");
  EXPECT_EQ(list->ItemIndex(), 2) << "before the window too";
  list->SetParent(panel);
  EXPECT_EQ(SendMessageW(list->Handle(), CB_GETCURSEL, 0, 0), 2);
  std::vector<int> seen;
  list->OnChange = [&](ui::TComponent*) { seen.push_back(list->ItemIndex()); };
  list->SetItemIndex(0);
  list->SetText("three");
  EXPECT_EQ(list->ItemIndex(), 2) << "the text of an item selects it";
  list->SetText("none");
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_TRUE(seen.empty()) << "the program's own changes";

  list->SetItemIndex(0);
  SendMessageW(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(seen, std::vector<int>{1}) << "once, with the new item already selected";

  ui::TComboBox* edit = Make(TComboBoxStyle::csDropDown, 40);
  edit->SetParent(panel);
  std::vector<std::string> texts;
  edit->OnChange = [&](ui::TComponent*) { texts.push_back(edit->Text()); };
  const HWND inner = GetWindow(edit->Handle(), GW_CHILD);
  ASSERT_NE(inner, nullptr);
  SendMessageW(inner, WM_CHAR, L'x', 0);
  EXPECT_EQ(texts, std::vector<std::string>{"x"});
  edit->SetText("two");
  EXPECT_EQ(texts.size(), 1u);
  EXPECT_EQ(edit->Text(), "two");
}

}  // namespace
