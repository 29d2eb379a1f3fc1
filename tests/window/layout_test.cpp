// Every control of the window where the layout puts it, with its look, its
// z-order, and the three menus as FormCreate leaves them.

#include <windows.h>

#include <string>
#include <vector>

#include "window_test_support.h"

namespace window_test {
namespace {

// Opened once: these tests only look at the window.
class Layout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form = OpenWindow(Date(2026, 5, 15)); }
  static void TearDownTestSuite() { CloseWindow(form); }
  static inline DateWin::TFRM_Date* form = nullptr;

  ui::TControl& Control(const std::string& name) {
    auto* control = dynamic_cast<ui::TControl*>(form->FindComponent(name));
    if (!control) throw std::runtime_error("no control " + name);
    return *control;
  }
  int PanelIndex(const std::string& name) {
    for (int index = 0; index < form->Panel1->ControlCount(); ++index)
      if (form->Panel1->Controls(index)->Name() == name) return index;
    return -1;
  }
};

struct TPlacement {
  std::string Name;
  std::string ClassName;
  RECT Bounds;  // left, top, width, height
  bool Visible;
};

// Graphic controls from back to front, then the windowed ones in tab order.
const std::vector<TPlacement> kPlacements = {
    {"Shape1", "TShape", {0, 0, 312, 311}, true},
    {"Label20", "TLabel", {0, 56, 313, 72}, true},
    {"Label16", "TLabel", {0, 98, 313, 134}, true},
    {"Image1", "TImage", {9, 56, 297, 191}, true},
    {"Shape2", "TShape", {0, 0, 38, 30}, true},  // moved by the month view
    {"day1", "TLabel", {14, 56, 36, 16}, false},
    {"image_month", "TImage", {0, 0, 95, 40}, true},
    {"image_year", "TImage", {94, 0, 154, 40}, true},
    {"Bevel2", "TBevel", {9, 46, 297, 10}, true},
    {"Label1", "TLabel", {118, -1, 0, 0}, true},  // sizes to its text
    {"Label2", "TLabel", {19, 40, 36, 12}, true},
    {"Label3", "TLabel", {59, 40, 36, 12}, true},
    {"Label4", "TLabel", {99, 40, 36, 12}, true},
    {"Label6", "TLabel", {139, 40, 36, 12}, true},
    {"Label5", "TLabel", {179, 40, 36, 12}, true},
    {"Label8", "TLabel", {219, 40, 36, 12}, true},
    {"Label7", "TLabel", {259, 40, 36, 12}, true},
    {"Cnday", "TLabel", {13, 73, 36, 12}, false},
    {"Label17", "TLabel", {14, 3, 0, 0}, true},  // sizes to its text
    {"Label18", "TLabel", {64, 17, 15, 14}, true},
    {"Label19", "TLabel", {210, 17, 15, 14}, true},
    {"Label21", "TLabel", {219, 278, 36, 12}, false},
    {"Label22", "TLabel", {140, 278, 24, 12}, false},
    {"lbl1", "TLabel", {13, 256, 24, 12}, false},
    {"lbl2", "TLabel", {9, 278, 24, 12}, false},
    {"lbl3", "TLabel", {219, 256, 24, 12}, false},
    {"lbl4", "TLabel", {271, 19, 24, 12}, true},
    {"image_today", "TImage", {247, 3, 65, 33}, true},
    {"SpeedButton1", "TSpeedButton", {51, 12, 12, 20}, true},
    {"SpeedButton2", "TSpeedButton", {196, 12, 12, 20}, true},
    {"BitBtn1", "TBitBtn", {3, 256, 73, 25}, true},
    {"BitBtn2", "TBitBtn", {159, 256, 76, 25}, true},
    {"BitBtn3", "TBitBtn", {150, 160, 76, 25}, false},
    {"BitBtn4", "TBitBtn", {79, 256, 77, 25}, true},
    {"Edit1", "TEdit", {3, 283, 232, 25}, true},
    {"BitBtn6", "TBitBtn", {223, 283, 12, 25}, false},
    {"Button1", "TButton", {238, 283, 71, 25}, true},
    {"BitBtn5", "TBitBtn", {238, 256, 71, 25}, true},
};

TEST_F(Layout, EveryControlLiesOnTheFullSizePanelWhereTheLayoutPutsIt) {
  EXPECT_EQ(form->Panel1->BoundsRect().right, 312);
  EXPECT_EQ(form->Panel1->BoundsRect().bottom, 311);
  EXPECT_EQ(form->Panel1->BevelOuter(), ui::TBevelCut::bvNone);
  // The layout's white form and panel are recoloured at the first activation,
  // the form by its frame skinner, the panel by its own.
  EXPECT_EQ(form->Color(), form->SkinData1->Skin().ButtonFaceColour);
  EXPECT_EQ(form->Panel1->Color(), form->SkinData1->Skin().ButtonFaceColour);
  for (const TPlacement& expected : kPlacements) {
    SCOPED_TRACE(expected.Name);
    ui::TControl& control = Control(expected.Name);
    EXPECT_EQ(control.ClassName(), expected.ClassName);
    EXPECT_EQ(control.Parent(), form->Panel1);
    if (expected.Name != "Shape2") {
      EXPECT_EQ(control.Left(), expected.Bounds.left);
      EXPECT_EQ(control.Top(), expected.Bounds.top);
    }
    if (expected.Bounds.right != 0) {
      EXPECT_EQ(control.Width(), expected.Bounds.right);
      EXPECT_EQ(control.Height(), expected.Bounds.bottom);
    }
    EXPECT_EQ(control.Visible(), expected.Visible);
  }
}

TEST_F(Layout, ControlsStackInLayoutOrderWithTheGridCellsInFrontOfTheGraphicOnes) {
  int previous = -1;
  for (const TPlacement& expected : kPlacements) {
    const int index = PanelIndex(expected.Name);
    EXPECT_GT(index, previous) << expected.Name << " is out of order";
    previous = index;
  }
  const auto cellIndex = [this](ui::TControl* cell) {
    for (int index = 0; index < form->Panel1->ControlCount(); ++index)
      if (form->Panel1->Controls(index) == cell) return index;
    return -1;
  };
  EXPECT_GT(cellIndex(form->DayCells[1]), PanelIndex("SpeedButton2"));
  // The clear button lies over the edit's right end.
  HWND above = form->Edit1->Handle();
  while (above && above != form->BitBtn6->Handle()) above = GetWindow(above, GW_HWNDPREV);
  EXPECT_EQ(above, form->BitBtn6->Handle());
}

struct TLook {
  std::string Name;
  std::string Face;  // UTF-8
  int Height;
  TColour Color;
  ui::TFontStyles Style;
};

TEST_F(Layout, TextsHaveTheirFacesSizesAndColours) {
  const std::vector<TLook> looks = {
      {"Label20", "Arial Black", 64, 14543103, 0},
      {"Label16", "Arial Black", 120, 15461355, 0},
      {"day1", "Arial Black", 14, clBlack, 0},
      {"Label1", "Arial Black", 29, clBlue, 0},
      {"Label2", "宋体", 12, clRed, 0},
      {"Label3", "宋体", 12, clBlack, 0},
      {"Label5", "宋体", 12, clBlack, 0},
      {"Label7", "宋体", 12, clRed, 0},
      {"Cnday", "宋体", 12, 16384, 0},
      {"Label17", "Arial", 32, 12615808, ui::fsBold},
      {"Label18", "宋体", 14, clWindowText, ui::fsBold},
      {"Label19", "宋体", 14, clWindowText, ui::fsBold},
      {"Label21", "宋体", 12, clFuchsia, 0},
      {"lbl3", "宋体", 12, clFuchsia, 0},
      {"lbl4", "宋体", 12, form->SkinData1->Skin().ButtonTextColour, 0},  // on the skin's face, in its text colour
      {"Edit1", "宋体", 16, clWindowText, 0},
      {"Button1", "宋体", 12, clWindowText, 0},
  };
  EXPECT_EQ(form->Font().Name(), Gbk("宋体"));
  EXPECT_EQ(form->Font().Height(), 12);
  EXPECT_EQ(form->Font().Charset(), GB2312_CHARSET);
  for (const TLook& look : looks) {
    SCOPED_TRACE(look.Name);
    const ui::TFont& font = Control(look.Name).Font();
    EXPECT_EQ(font.Name(), Gbk(look.Face));
    EXPECT_EQ(font.Height(), look.Height);
    EXPECT_EQ(font.Color(), look.Color);
    EXPECT_EQ(font.Style(), look.Style);
  }
}

TEST_F(Layout, CaptionsReadAsTheLayoutWritesThem) {
  const std::vector<std::pair<std::string, std::string>> captions = {
      {"Label2", "星期日"},    {"Label3", "星期一"},    {"Label4", "星期二"},    {"Label6", "星期三"},
      {"Label5", "星期四"},    {"Label8", "星期五"},    {"Label7", "星期六"},    {"Label18", "月"},
      {"Label19", "年"},       {"lbl4", "今天"},        {"SpeedButton1", ">"},   {"SpeedButton2", ">"},
      {"BitBtn1", "网址导航"}, {"BitBtn2", "网上购物"}, {"BitBtn3", "淘宝商城"}, {"BitBtn4", "淘 宝 网"},
      {"BitBtn6", "×"},        {"Button1", "百度一下"}, {"BitBtn5", "软件设置"}, {"Edit1", ""},
  };
  for (const auto& [name, caption] : captions) EXPECT_EQ(Control(name).Caption(), Gbk(caption)) << name;
}

TEST_F(Layout, SearchBoxAsksForThePinyinInputMethodByItsFullName) {
  EXPECT_EQ(form->Edit1->ImeName(), Gbk("中文 (简体) - 搜狗拼音输入法"));
}

TEST_F(Layout, MarkerBorderAndWatermarksHaveTheirShapesAndAlignment) {
  EXPECT_EQ(form->Shape1->Brush().Color, clWhite);
  EXPECT_EQ(form->Shape1->Pen().Color, clBlack);
  EXPECT_EQ(form->Shape1->Pen().Width, 1);
  EXPECT_EQ(form->Shape2->Brush().Color, 8512126u);
  EXPECT_EQ(form->Shape2->Pen().Color, clGreen);
  EXPECT_EQ(form->Bevel2->Shape(), ui::TBevelShape::bsBottomLine);
  for (ui::TLabel* watermark : {form->Label20, form->Label16, form->day1, form->Cnday}) {
    EXPECT_TRUE(watermark->Transparent()) << watermark->Name();
    EXPECT_EQ(watermark->Alignment(), ui::TAlignment::taCenter) << watermark->Name();
    EXPECT_EQ(watermark->Layout(), ui::TTextLayout::tlCenter) << watermark->Name();
    EXPECT_FALSE(watermark->AutoSize()) << watermark->Name();
  }
  EXPECT_TRUE(form->Label1->AutoSize());
  EXPECT_TRUE(form->Label17->AutoSize());
}

TEST_F(Layout, PicturesHaveTheirSizes) {
  const auto glyphSize = [](ui::TBitBtn* button) { return SIZE{button->Glyph().Width(), button->Glyph().Height()}; };
  const std::vector<std::pair<ui::TBitBtn*, SIZE>> glyphs = {{form->BitBtn1, {18, 16}}, {form->BitBtn2, {17, 16}},
                                                             {form->BitBtn3, {17, 17}}, {form->BitBtn4, {16, 16}},
                                                             {form->BitBtn5, {17, 16}}, {form->BitBtn6, {0, 0}}};
  for (const auto& [button, size] : glyphs) {
    EXPECT_EQ(glyphSize(button).cx, size.cx) << button->Name();
    EXPECT_EQ(glyphSize(button).cy, size.cy) << button->Name();
  }
  ui::TBitmap& today = form->image_today->Picture().Bitmap();
  ASSERT_EQ(today.Width(), 60);
  ASSERT_EQ(today.Height(), 40);
  EXPECT_GT(today.Pixel(0, 0) & 0xFF, 0xE0u) << "white background";
  int dark = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 60; ++x) dark += (today.Pixel(x, y) & 0xFF) < 0x60;
  EXPECT_GT(dark, 40) << "black lettering along the top rows";
  EXPECT_TRUE(form->Image1->Picture().Empty());
  EXPECT_TRUE(form->image_month->Picture().Empty());
  EXPECT_TRUE(form->image_year->Picture().Empty());
}

TEST_F(Layout, MonthMenuCarriesTheLocaleMonthNamesAndTheirNumbers) {
  const char* names[] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                         "七月", "八月", "九月", "十月", "十一月", "十二月"};
  ui::TMenuItem* items = form->MenuMonth->Items();
  ASSERT_EQ(items->Count(), 12);
  for (int month = 1; month <= 12; ++month) {
    ui::TMenuItem* item = items->Items(month - 1);
    EXPECT_EQ(item->Name(), "MenuMonth_" + std::to_string(month));
    EXPECT_EQ(item->Caption(), Gbk(names[month - 1]));
    EXPECT_EQ(item->Tag(), month);
  }
  EXPECT_EQ(form->MenuMonth->TrackButton, ui::TTrackButton::tbLeftButton);
  EXPECT_EQ(form->MenuMonth->BiDiMode(), ui::TBiDiMode::bdRightToLeft);
  EXPECT_FALSE(form->MenuMonth->IsRightToLeft()) << "honoured only under a right-to-left locale";
}

TEST_F(Layout, YearMenuHoldsFifteenDecadesCaptionedByTheYearBefore) {
  ui::TMenuItem* decades = form->MenuYear->Items();
  ASSERT_EQ(decades->Count(), 15);
  int expectedYear = 1901;
  for (int decade = 0; decade < 15; ++decade) {
    ui::TMenuItem* group = decades->Items(decade);
    EXPECT_EQ(group->Caption(), std::to_string(expectedYear - 1));
    EXPECT_FALSE(group->OnClick);
    ASSERT_EQ(group->Count(), 10);
    for (int year = 0; year < 10; ++year, ++expectedYear) {
      EXPECT_EQ(group->Items(year)->Caption(), std::to_string(expectedYear));
      EXPECT_EQ(group->Items(year)->Tag(), expectedYear);
    }
  }
  EXPECT_EQ(expectedYear, 2051);
  EXPECT_EQ(decades->Items(0)->Caption(), "1900");
  EXPECT_EQ(decades->Items(14)->Items(9)->Caption(), "2050");
}

TEST_F(Layout, SettingsMenuListsItsSixItemsInOrder) {
  const char* names[] = {"N1", "N2", "N3", "N4", "N5", "N6"};
  const char* captions[] = {"返回今日", "开机启动", "开机运行", "人工帮助", "官方网站", "皮肤"};
  ui::TMenuItem* items = form->PopupMenu1->Items();
  ASSERT_EQ(items->Count(), 6);
  for (int index = 0; index < 6; ++index) {
    EXPECT_EQ(items->Items(index)->Name(), names[index]);
    EXPECT_EQ(items->Items(index)->Caption(), Gbk(captions[index]));
  }
}

TEST_F(Layout, TodayPictureIsDrawnUnscaledFromItsCorner) {
  const ui::TControl& image = *form->image_today;
  UpdateWindow(form->Panel1->Handle());
  HDC panel = GetDC(form->Panel1->Handle());
  ui::TBitmap& picture = form->image_today->Picture().Bitmap();
  int dark = 0, mismatched = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const bool darkInPicture = (picture.Pixel(x, y) & 0xFF) < 0x80;
      const bool darkOnScreen = (GetPixel(panel, image.Left() + x, image.Top() + y) & 0xFF) < 0x80;
      dark += darkInPicture;
      mismatched += darkInPicture != darkOnScreen;
    }
  ReleaseDC(form->Panel1->Handle(), panel);
  ASSERT_GT(dark, 40);
  EXPECT_LT(mismatched, dark / 20) << "the lettering is where the picture has it";
}

}  // namespace
}  // namespace window_test
