#include "ui/controls/combo_box.h"

#include <commctrl.h>

#include <algorithm>

#include "text/gbk.h"

namespace ui {
namespace {

// How many items the dropped list shows before it scrolls.
constexpr int kDroppedItems = 8;

void AddToWindow(HWND window, const std::string& item) {
  const std::wstring wide = text::GbkToWide(item);
  SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// Alt and a character in the edit of a drop-down or simple combo box go
// through the combo box's key handling, as in any control, so that the form's
// menu opens: the edit alone would hand them to its own window menu.
LRESULT CALLBACK EditKeys(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR combo) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(edit, EditKeys, id);
  } else if (msg == WM_SYSCHAR) {
    reinterpret_cast<TComboBox*>(combo)->Perform(msg, wParam, lParam);
    return 0;
  }
  return DefSubclassProc(edit, msg, wParam, lParam);
}

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

HWND TComboBox::MadeWindow() const { return HandleAllocated() ? const_cast<TComboBox*>(this)->Handle() : nullptr; }

std::vector<std::string> TComboBox::Items() const {
  const HWND window = MadeWindow();
  if (!window) return items_;
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(window, CB_GETLBTEXTLEN, i, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    const LRESULT copied = SendMessageW(window, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    items.push_back(text::WideToGbk(wide));
  }
  return items;
}

void TComboBox::AddItem(const std::string& item) {
  if (const HWND window = MadeWindow())
    AddToWindow(window, item);
  else
    items_.push_back(item);
}

void TComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  if (const HWND window = MadeWindow()) SendMessageW(window, CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() const {
  const HWND window = MadeWindow();
  return window ? static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
  if (const HWND window = MadeWindow())
    SendMessageW(window, CB_SETCURSEL, index, 0);
  else
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"COMBOBOX";
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxStyle::csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
    case TComboBoxStyle::csSimple:
      // The list fills the window down to its bottom, leaving no gap unpainted.
      params.Style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT;
      break;
    case TComboBoxStyle::csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
  }
  params.Height = WindowHeight(params.Height);
}

int TComboBox::WindowHeight(int height) const {
  // A drop-down window's height is its edit and its dropped list together;
  // the system keeps the closed box one line high.
  return style_ == TComboBoxStyle::csSimple ? height : (kDroppedItems + 1) * height;
}

void TComboBox::BoundsChanged() {
  if (const HWND window = MadeWindow())
    SetWindowPos(window, nullptr, Left(), Top(), Width(), WindowHeight(Height()), SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TComboBox::CreateWindowHandle(const TCreateParams& params) {
  HWND window = TWinControl::CreateWindowHandle(params);
  if (!window) return window;
  for (const std::string& item : items_) AddToWindow(window, item);
  items_.clear();
  if (itemIndex_ >= 0) SendMessageW(window, CB_SETCURSEL, itemIndex_, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(window, &info) && info.hwndItem && info.hwndItem != window)
    SetWindowSubclass(info.hwndItem, EditKeys, 0, reinterpret_cast<DWORD_PTR>(this));
  return window;
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if ((HIWORD(message.WParam) == CBN_SELCHANGE || HIWORD(message.WParam) == CBN_EDITCHANGE) && OnChange)
        OnChange(this);
      return;
    case WM_SETTEXT:
      // A drop-down list shows only its items: the text selects the item.
      if (style_ == TComboBoxStyle::csDropDownList && message.LParam) {
        const std::vector<std::string> items = Items();
        const auto found =
            std::find(items.begin(), items.end(), text::WideToGbk(reinterpret_cast<const wchar_t*>(message.LParam)));
        SetItemIndex(found == items.end() ? -1 : static_cast<int>(found - items.begin()));
        message.Result = found != items.end();
        return;
      }
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace ui
