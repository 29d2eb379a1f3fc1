#include "skin/engine/controls/control_walk.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "skin/component/skin_data.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/skin_manage.h"
#include "ui/controls/bit_btn.h"
#include "ui/controls/edit.h"
#include "ui/controls/group_box.h"
#include "ui/controls/label.h"
#include "ui/controls/page_control.h"
#include "ui/controls/panel.h"
#include "ui/controls/speed_button.h"
#include "ui/controls/tab_sheet.h"
#include "ui/forms/form.h"
#include "ui/graphics/canvas.h"

namespace skin {
namespace {

std::string KindName(TControlSkinKind kind) {
  switch (kind) {
    case TControlSkinKind::Box:
      return "box";
    case TControlSkinKind::BitButton:
      return "bit button";
    case TControlSkinKind::SpeedButton:
      return "speed button";
    case TControlSkinKind::Button:
      return "button";
    case TControlSkinKind::Edit:
      return "edit";
    case TControlSkinKind::CheckBox:
      return "check box";
    case TControlSkinKind::RadioButton:
      return "radio button";
    case TControlSkinKind::ComboBox:
      return "combo box";
    case TControlSkinKind::Sizer:
      return "sizer";
    default:
      return "other";
  }
}

// The window's text, or its class name when it has none.
std::string WindowText(HWND window) {
  char text[64] = {};
  if (GetWindowTextA(window, text, sizeof(text)) == 0) GetClassNameA(window, text, sizeof(text));
  return text;
}

// Stands in for a control skinner: logs how it is attached.
class TLoggingControlSkinner : public TSkinControl {
 public:
  TLoggingControlSkinner(std::string name, std::vector<std::string>& log, bool recolour = false,
                         ui::TComponent* owner = nullptr)
      : TSkinControl(owner), name_(std::move(name)), log_(log), recolour_(recolour) {}
  HWND WindowHandle() const override { return window_; }
  const ui::TControl* GraphicControl() const override { return graphic_; }
  bool Recolour() const override { return recolour_; }
  void AttachControl(ui::TControl& control, TSkinData&, bool recolour, ui::TCanvas&) override {
    log_.push_back(name_ + " on " + control.Name() + (recolour ? " recoloured" : ""));
    if (auto* windowed = dynamic_cast<ui::TWinControl*>(&control))
      window_ = windowed->Handle();
    else
      graphic_ = &control;
  }
  void AttachHandle(HWND window, TSkinData&, ui::TCanvas&) override {
    log_.push_back(name_ + " on window " + WindowText(window));
    window_ = window;
  }
  void Detach() override { log_.push_back(name_ + " detached"); }

 private:
  std::string name_;
  std::vector<std::string>& log_;
  bool recolour_;
  HWND window_ = nullptr;
  const ui::TControl* graphic_ = nullptr;
};

class TLoggingFactory : public TControlSkinnerFactory {
 public:
  explicit TLoggingFactory(std::vector<std::string>& log) : log_(log) {}
  std::unique_ptr<TSkinControl> Create(TControlSkinKind kind) override {
    if (missing.contains(kind)) return nullptr;
    return std::make_unique<TLoggingControlSkinner>(KindName(kind), log_);
  }
  std::set<TControlSkinKind> missing;

 private:
  std::vector<std::string>& log_;
};

class ControlWalkTest : public testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    data = std::make_unique<TSkinData>(nullptr, ManagerRequests());
    form = std::make_unique<ui::TForm>(nullptr);
    form->SetBounds(10, 10, 300, 200);
    form->HandleNeeded();  // as when its frame skinner attaches
  }
  void TearDown() override {
    skinners.reset();
    form.reset();
    data.reset();
    FreeSkinManager();
  }

  template <class T>
  T* Add(std::string name, ui::TComponent* owner = nullptr, ui::TWinControl* parent = nullptr) {
    auto* control = new T(owner ? owner : form.get());
    control->SetName(std::move(name));
    control->SetBounds(5, 5, 40, 20);
    control->SetParent(parent ? parent : form.get());
    return control;
  }

  TControlWalk Walk(ui::TComponent* sender = nullptr) {
    return TControlWalk(*data, form.get(), *skinners, canvas, factory, sender);
  }

  std::vector<std::string> log;
  TLoggingFactory factory{log};
  std::unique_ptr<TSkinData> data;
  std::unique_ptr<ui::TForm> form;
  std::unique_ptr<TControlSkinners> skinners = std::make_unique<TControlSkinners>();
  ui::TCanvas canvas;
};

TEST_F(ControlWalkTest, AFormsComponentsAreSkinnedInTheirOrderAndOnlyOnce) {
  Add<ui::TLabel>("label");
  auto* panel = Add<ui::TPanel>("panel");
  Add<ui::TButton>("inner", panel, panel);  // owned by the panel: reached through it
  Add<ui::TBitBtn>("bitBtn");
  Add<ui::TButton>("hidden")->SetTag(199);  // DisableTag 99 is taken mod 100
  Add<ui::TSpeedButton>("speed");
  auto* edit = Add<ui::TEdit>("edit");
  edit->SetText("search");
  (new ui::TEdit(form.get()))->SetName("orphan");  // no parent, so no window: left alone
  Add<ui::TButton>("button");

  Walk().AttachControlSkins(*form);
  const std::vector<std::string> expected{"box on panel recoloured", "button on inner",       "bit button on bitBtn",
                                          "speed button on speed",   "edit on window search", "button on button"};
  EXPECT_EQ(log, expected);
  Walk().AttachControlSkins(*form);
  EXPECT_EQ(log, expected);
  EXPECT_TRUE(Walk().IsControlSkinned(*edit));
  EXPECT_FALSE(Walk().IsControlSkinned(*form->FindComponent("hidden")));

  // Detaching goes from the last.
  log.clear();
  skinners->DetachAll();
  EXPECT_EQ(log.front(), "button detached");
  EXPECT_EQ(log.back(), "box detached");
  EXPECT_EQ(skinners->Count(), 0u);
}

// Texts the table leaves alone on the skin's face (or on the system's, as a
// sheet's) take the skin's face and text colours until the skinners let go;
// a text with a colour of its own keeps it.
TEST_F(ControlWalkTest, TextsOnTheFaceTakeTheSkinsTextColourUntilDetached) {
  const std::string ini = "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=4 5 6\r\nButtonText=1 2 3\r\n";
  data->ReadSkinStream(WriteSkinStream(ComposeSkinArchive({{"test.ini", {ini.begin(), ini.end()}}})));
  ASSERT_FALSE(data->SkinEmpty());
  auto* pages = Add<ui::TPageControl>("pages");
  auto* sheet = new ui::TTabSheet(form.get());
  sheet->SetPageControl(pages);
  std::vector<ui::TControl*> texts{Add<ui::TLabel>("label"), Add<ui::TGroupBox>("group"), sheet};
  auto* own = Add<ui::TLabel>("own");
  own->Font().SetColor(clRed);
  for (ui::TControl* text : texts) text->SetCaption(text->Name() + " text");
  sheet->SetCaption("sheet");
  own->SetCaption("own colour");
  Walk().AttachControlSkins(*form);
  for (ui::TControl* text : texts) {
    EXPECT_EQ(text->Font().Color(), RgbColour(1, 2, 3)) << text->Name();
    EXPECT_EQ(text->Color(), RgbColour(4, 5, 6)) << text->Name();
  }
  EXPECT_EQ(own->Font().Color(), clRed);
  skinners->DetachAll();
  for (ui::TControl* text : texts) EXPECT_NE(text->Font().Color(), RgbColour(1, 2, 3)) << text->Name();
  EXPECT_EQ(sheet->Color(), clBtnFace);
}

TEST_F(ControlWalkTest, APanelIsWalkedEvenWithoutItsSkinnerAndAMissingSkinnerLeavesAControlAlone) {
  auto* panel = Add<ui::TPanel>("panel");
  Add<ui::TButton>("inner", panel, panel);
  Add<ui::TEdit>("edit");
  factory.missing = {TControlSkinKind::Box, TControlSkinKind::Edit};
  Walk().AttachControlSkins(*form);
  EXPECT_EQ(log, std::vector<std::string>{"button on inner"});
  EXPECT_EQ(skinners->Count(), 1u);
}

TEST_F(ControlWalkTest, AMappedRadioGroupSkinsItsChildrenBeforeItself) {
  data->SetSkin3rd({"TPanel=Radiogroup"});
  auto* group = Add<ui::TPanel>("group");
  auto* first = Add<ui::TButton>("first", nullptr, group);
  auto* second = Add<ui::TButton>("second", nullptr, group);
  first->SetParentColor(true);
  Walk().AttachControlSkins(*form);
  // The two buttons are owned by the form too, so the walk reaches them again, skinned already.
  EXPECT_EQ(log, (std::vector<std::string>{"radio button on first recoloured", "radio button on second recoloured",
                                           "box on group recoloured"}));
  EXPECT_FALSE(first->ParentColor());
  EXPECT_FALSE(second->ParentColor());
}

TEST_F(ControlWalkTest, TheSkinComponentsHandlerChoosesFirst) {
  auto* button = Add<ui::TButton>("button");
  auto* panel = Add<ui::TPanel>("panel");
  Add<ui::TButton>("inner", panel, panel);
  auto* edit = Add<ui::TEdit>("edit");
  Add<ui::TButton>("again");
  ui::TComponent sender(nullptr);
  TSkinControl* first = nullptr;
  std::vector<std::string> asked;
  data->OnSkinControl = [&](ui::TComponent* from, TSkinData* skinData, ui::TControl* container, ui::TComponent* control,
                            const std::string& kind, ui::TComponent*& chosen) {
    EXPECT_EQ(from, &sender);
    EXPECT_EQ(skinData, data.get());
    asked.push_back(kind + " in " + container->Name() + ": " + control->Name());
    if (control == button || control == panel)  // owned elsewhere: the list takes it over
      chosen = new TLoggingControlSkinner("chosen", log, control == panel, &sender);
    if (control == button) first = static_cast<TSkinControl*>(chosen);
    if (control == edit) chosen = &sender;           // no skinner: the table decides
    if (control->Name() == "again") chosen = first;  // listed already: it stays on the first button
  };
  form->SetName("form");
  Walk(&sender).AttachControlSkins(*form);
  EXPECT_EQ(asked,
            (std::vector<std::string>{"TBUTTON in form: button", "TPANEL in form: panel", "TBUTTON in panel: inner",
                                      "TEDIT in form: edit", "TBUTTON in form: again"}));
  EXPECT_EQ(log, (std::vector<std::string>{"chosen on button", "chosen on panel recoloured", "button on inner",
                                           "edit on window TEdit"}));
  EXPECT_EQ(skinners->Count(), 4u);
}

// A window class of the extended combo box's name, whose first child is the combo box proper.
HWND ExtendedComboBox(HWND parent) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ComboBoxEx32";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, L"ComboBoxEx32", L"extended", WS_CHILD, 0, 0, 80, 80, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST_F(ControlWalkTest, ABareWindowsChildWindowsAreSkinnedByClassAndStyle) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  auto child = [&](const wchar_t* className, const wchar_t* text, DWORD style, HWND parent = nullptr) {
    return CreateWindowExW(0, className, text, WS_CHILD | style, 0, 0, 80, 20, parent ? parent : window, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  };
  child(L"BUTTON", L"group", BS_GROUPBOX);
  child(L"BUTTON", L"check", BS_AUTOCHECKBOX);
  child(L"BUTTON", L"radio", BS_AUTORADIOBUTTON);
  child(L"BUTTON", L"push", BS_DEFPUSHBUTTON);
  child(L"BUTTON", L"owner", BS_OWNERDRAW);
  child(L"COMBOBOX", L"", CBS_DROPDOWNLIST);
  child(L"COMBOBOX", L"", CBS_SIMPLE);
  child(L"EDIT", L"text", 0);
  child(L"SCROLLBAR", L"bar", SBS_HORZ);
  child(L"STATIC", L"label", 0);
  child(L"COMBOBOX", L"", CBS_DROPDOWNLIST, ExtendedComboBox(window));
  const HWND popup = CreateWindowExW(0, L"BUTTON", L"popup", WS_POPUP, 0, 0, 10, 10, window, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);

  Walk().AttachChildWindowSkins(window);
  const std::vector<std::string> expected{"check box on window check",   "radio button on window radio",
                                          "button on window push",       "combo box on window ComboBox",
                                          "edit on window text",         "sizer on window bar",
                                          "combo box on window ComboBox"};
  EXPECT_EQ(log, expected);
  Walk().AttachChildWindowSkins(window);
  EXPECT_EQ(log, expected);
  DestroyWindow(popup);
  DestroyWindow(window);
}

}  // namespace
}  // namespace skin
