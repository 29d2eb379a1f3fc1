// Input methods found by their display names among the installed keyboard
// layouts, and asked for by an edit when it receives the focus.
#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/gbk.h"
#include "ui/base/input_method.h"
#include "ui/controls/edit.h"
#include "ui/forms/application.h"
#include "ui_test_support.h"

namespace {

const std::string kUninstalledName = text::Utf8ToGbk("中文 (简体) - 搜狗拼音输入法");
constexpr const wchar_t* kLayoutText = L"中文 (简体) - 测试键盘";

HKL CurrentLayout() { return GetKeyboardLayout(0); }

// The current layout's IME description (GBK).
std::string CurrentDescription() {
  wchar_t description[256] = {};
  ImmGetDescriptionW(CurrentLayout(), description, std::size(description) - 1);
  return text::WideToGbk(description);
}

std::wstring CurrentKeyName() {
  wchar_t keyName[KL_NAMELENGTH];
  GetKeyboardLayoutNameW(keyName);
  return keyName;
}

std::vector<HKL> InstalledLayouts() {
  std::vector<HKL> layouts(GetKeyboardLayoutList(0, nullptr));
  layouts.resize(GetKeyboardLayoutList(static_cast<int>(layouts.size()), layouts.data()));
  return layouts;
}

// Gives a layout's registry key a "Layout Text" (Wine's registry has none)
// and, for a key it makes, a "Layout Id" (which installs a variant layout),
// for the test's length; then puts back what was there.
class TScopedLayoutText {
 public:
  TScopedLayoutText(const std::wstring& keyName, const std::wstring& text, const std::wstring& layoutId = L"") {
    const std::wstring path = L"SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts\\" + keyName;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        &disposition) != ERROR_SUCCESS)
      ADD_FAILURE() << "cannot open the layout's registry key";
    path_ = disposition == REG_CREATED_NEW_KEY ? path : L"";
    wchar_t old[256] = {};
    DWORD size = sizeof(old) - sizeof(wchar_t);
    hadText_ = RegGetValueW(key_, nullptr, L"Layout Text", RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS;
    oldText_ = old;
    Write(L"Layout Text", text);
    if (layoutId.empty()) return;
    if (path_.empty()) ADD_FAILURE() << "a layout id goes only to a key of the test's own";
    Write(L"Layout Id", layoutId);
  }
  ~TScopedLayoutText() {
    if (hadText_)
      Write(L"Layout Text", oldText_);
    else
      RegDeleteValueW(key_, L"Layout Text");
    RegCloseKey(key_);
    if (!path_.empty()) RegDeleteKeyW(HKEY_LOCAL_MACHINE, path_.c_str());
  }

 private:
  void Write(const wchar_t* name, const std::wstring& text) {
    RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  std::wstring path_;  // the key this object made, to remove again
  bool hadText_ = false;
  std::wstring oldText_;
};

// The Dvorak variant of the US layout, installed by the test: its handle names
// it by its "Layout Id", not by its key.
class TScopedVariantLayout {
 public:
  static constexpr const wchar_t* kName = L"United States-Dvorak";
  HKL Layout() const { return layout_; }

 private:
  static HKL AddedSince(const std::vector<HKL>& before) {
    for (HKL layout : InstalledLayouts())
      if (std::find(before.begin(), before.end(), layout) == before.end()) return layout;
    ADD_FAILURE() << "the variant layout is not installed";
    return nullptr;
  }
  std::vector<HKL> before_ = InstalledLayouts();
  TScopedLayoutText key_{L"00010409", kName, L"0002"};
  HKL layout_ = AddedSince(before_);
};

TEST(InputMethodNames, AnInstalledLayoutIsFoundByItsImeDescriptionOrItsLayoutText) {
  ASSERT_TRUE(ImmIsIME(CurrentLayout())) << "the Chinese test locale's layout is an IME";
  const std::string description = CurrentDescription();
  ASSERT_FALSE(description.empty());
  EXPECT_EQ(ui::FindKeyboardLayout(description), CurrentLayout());

  TScopedLayoutText layoutText(CurrentKeyName(), kLayoutText);
  EXPECT_EQ(ui::FindKeyboardLayout(text::WideToGbk(kLayoutText)), CurrentLayout());
  EXPECT_EQ(ui::FindKeyboardLayout(description), CurrentLayout()) << "the description still names it";

  TScopedVariantLayout variant;
  ASSERT_NE(variant.Layout(), nullptr);
  EXPECT_EQ(ui::FindKeyboardLayout(text::WideToGbk(TScopedVariantLayout::kName)), variant.Layout());
}

TEST(InputMethodNames, OnlyAWholeInstalledNameFindsALayout) {
  const std::string description = CurrentDescription();
  ASSERT_GT(description.size(), 1u);
  EXPECT_EQ(ui::FindKeyboardLayout(kUninstalledName), nullptr);
  EXPECT_EQ(ui::FindKeyboardLayout(description.substr(0, description.size() - 1)), nullptr);
  EXPECT_EQ(ui::FindKeyboardLayout(description + " "), nullptr);
  EXPECT_EQ(ui::FindKeyboardLayout(""), nullptr);
}

// Wine refuses every layout but its locale's, so the thread's layout cannot
// show an activation; the program's import of ActivateKeyboardLayout is
// pointed at a recorder that passes each call on to the system.
class TActivationRecorder {
 public:
  TActivationRecorder() {
    system_ = &ActivateKeyboardLayout;
    slot_ = ImportSlot(reinterpret_cast<ULONG_PTR>(system_));
    if (!slot_) ADD_FAILURE() << "the program does not import ActivateKeyboardLayout";
    Point(&Record);
    calls_.clear();
  }
  ~TActivationRecorder() { Point(system_); }
  const std::vector<HKL>& Calls() const { return calls_; }

 private:
  using TActivate = HKL(WINAPI*)(HKL, UINT);
  static HKL WINAPI Record(HKL layout, UINT flags) {
    calls_.push_back(layout);
    return system_(layout, flags);
  }
  static ULONG_PTR* ImportSlot(ULONG_PTR function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* headers =
        reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name; ++dll)
      for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk); slot->u1.Function; ++slot)
        if (slot->u1.Function == function) return &slot->u1.Function;
    return nullptr;
  }
  void Point(TActivate target) {
    if (!slot_) return;
    DWORD protection;
    VirtualProtect(slot_, sizeof(*slot_), PAGE_READWRITE, &protection);
    *slot_ = reinterpret_cast<ULONG_PTR>(target);
    VirtualProtect(slot_, sizeof(*slot_), protection, &protection);
  }
  static inline TActivate system_ = nullptr;
  static inline std::vector<HKL> calls_;
  ULONG_PTR* slot_ = nullptr;
};

class EditInputMethod : public ui_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    edit = new ui::TEdit(form);
    edit->SetParent(panel);
    edit->SetBounds(10, 10, 120, 24);
    ui::Application().OnException = [this](const std::exception& error) { errors.push_back(error.what()); };
  }
  void TearDown() override {
    ui::Application().OnException = nullptr;
    FormTest::TearDown();
  }
  // Moves the focus from the panel to the edit, with real focus messages.
  void FocusEdit() {
    ::SetFocus(panel->Handle());
    edit->SetFocus();
    ASSERT_EQ(GetFocus(), edit->Handle());
  }

  ui::TEdit* edit = nullptr;
  std::vector<std::string> errors;
};

TEST_F(EditInputMethod, FocusWithoutAnInstalledNameLeavesTheLayoutAlone) {
  const HKL before = CurrentLayout();
  TActivationRecorder recorder;
  FocusEdit();  // no name
  edit->SetImeName(kUninstalledName);
  FocusEdit();
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_EQ(CurrentLayout(), before);
  EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(EditInputMethod, FocusActivatesTheLayoutNamedByItsDescriptionOrLayoutText) {
  const HKL named = CurrentLayout();
  TScopedLayoutText layoutText(CurrentKeyName(), kLayoutText);
  TScopedVariantLayout variant;
  TActivationRecorder recorder;
  edit->SetImeName(CurrentDescription());
  FocusEdit();
  edit->SetImeName(text::WideToGbk(kLayoutText));
  FocusEdit();
  EXPECT_EQ(CurrentLayout(), named);
  edit->SetImeName(text::WideToGbk(TScopedVariantLayout::kName));
  FocusEdit();  // asked for, though Wine keeps its locale's layout
  EXPECT_EQ(recorder.Calls(), (std::vector<HKL>{named, named, variant.Layout()}));
  EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
