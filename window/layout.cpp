// The controls of the window as its layout places them. Positions are in
// Panel1's client area, which is the window's.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "window/frm_date.h"
#include "window/gbk_literal.h"
#include "window/pictures.h"
#include "window/resource_names.h"

namespace DateWin {
namespace {

using ui::TAlignment;
using ui::TTextLayout;

constexpr TColour kYearWatermarkColour = 14543103;             // #FFE8DD
constexpr TColour kMonthWatermarkColour = 15461355;            // #EBEBEB
constexpr TColour kMarkerColour = 8512126;                     // #7EE281
constexpr TColour kMonthNumberColour = 12615808;               // #8080C0
constexpr TColour kTodayColour = RgbColour(0xE6, 0x51, 0x00);  // deep orange, apart from the selection's green

struct TFontLook {
  std::string_view Face;  // UTF-8
  int Height;             // pixels
  TColour Color = clBlack;
  ui::TFontStyles Style = 0;
};

void SetFont(ui::TControl& control, const TFontLook& look) {
  ui::TFont& font = control.Font();
  font.SetName(Gbk(look.Face));
  font.SetHeight(look.Height);
  font.SetColor(look.Color);
  font.SetStyle(look.Style);
  // A Latin face with the Chinese character set would be swapped for a Chinese font.
  const bool latin =
      std::all_of(look.Face.begin(), look.Face.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  font.SetCharset(latin ? DEFAULT_CHARSET : GB2312_CHARSET);
}

const TFontLook kSongTi12{"宋体", 12};
const TFontLook kInformationFont{"宋体", 12, clFuchsia};

template <class Control>
Control* Place(TFRM_Date* form, ui::TWinControl* parent, std::string name, RECT bounds) {
  auto* control = new Control(form);
  control->SetName(std::move(name));
  control->SetParent(parent);
  control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
  return control;
}

struct TLabelLook {
  std::string Name;
  RECT Bounds;                      // left, top, width, height
  std::string_view Caption;         // UTF-8
  const TFontLook* Font = nullptr;  // nullptr: the window's font
  TAlignment Alignment = TAlignment::taLeftJustify;
  TTextLayout Layout = TTextLayout::tlTop;
  bool Transparent = false;
  bool AutoSize = false;  // true: the label takes the size of its text
  bool Visible = true;
};

ui::TLabel* PlaceLabel(TFRM_Date* form, ui::TWinControl* parent, const TLabelLook& look) {
  auto* label = new ui::TLabel(form);
  label->SetName(look.Name);
  label->SetAutoSize(false);
  label->SetParent(parent);
  label->SetBounds(look.Bounds.left, look.Bounds.top, look.Bounds.right, look.Bounds.bottom);
  if (look.Font) SetFont(*label, *look.Font);
  label->SetAlignment(look.Alignment);
  label->SetLayout(look.Layout);
  label->SetTransparent(look.Transparent);
  label->SetVisible(look.Visible);
  label->SetCaption(Gbk(look.Caption));
  label->SetAutoSize(look.AutoSize);
  return label;
}

// The watermarks and the cell templates: text centred both ways, nothing behind it painted.
ui::TLabel* PlaceCentredText(TFRM_Date* form, ui::TWinControl* parent, std::string name, RECT bounds,
                             const TFontLook& font, bool visible) {
  return PlaceLabel(form, parent,
                    {.Name = std::move(name),
                     .Bounds = bounds,
                     .Caption = "",
                     .Font = &font,
                     .Alignment = TAlignment::taCenter,
                     .Layout = TTextLayout::tlCenter,
                     .Transparent = true,
                     .Visible = visible});
}

ui::TShape* PlaceShape(TFRM_Date* form, ui::TWinControl* parent, std::string name, RECT bounds, TColour fill,
                       TColour outline) {
  auto* shape = Place<ui::TShape>(form, parent, std::move(name), bounds);
  shape->SetBrush(ui::TBrush{fill});
  shape->SetPen(ui::TPen{outline});
  return shape;
}

ui::TBitBtn* PlaceBitBtn(TFRM_Date* form, ui::TWinControl* parent, std::string name, RECT bounds,
                         std::string_view caption, const char* glyph) {
  auto* button = Place<ui::TBitBtn>(form, parent, std::move(name), bounds);
  button->SetCaption(Gbk(caption));
  button->SetTabStop(true);
  if (glyph) LoadGlyph(button->Glyph(), glyph);
  return button;
}

}  // namespace

void TFRM_Date::CreateLayout() {
  SetBorderStyle(ui::TFormBorderStyle::bsNone);
  SetCaption("Rilvanta");
  SetColor(clWhite);
  SetBounds(700, 160, 312, 311);  // borderless: the client area is the whole window
  SetFont(*this, TFontLook{"宋体", 12, clWindowText});

  Panel1 = Place<ui::TPanel>(this, this, "Panel1", RECT{0, 0, 312, 311});
  Panel1->SetBevelOuter(ui::TBevelCut::bvNone);
  Panel1->SetColor(clWhite);

  CreateGraphicControls();
  CreateWindowedControls();
  CreateMenus();
  Label18->SetPopupMenu(MenuMonth);
  Label19->SetPopupMenu(MenuYear);
}

void TFRM_Date::CreateGraphicControls() {
  const auto drag = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    FormMouseDown(s, b, sh, x, y);
  };
  Shape1 = PlaceShape(this, Panel1, "Shape1", RECT{0, 0, 312, 311}, clWhite, clBlack);
  Shape1->OnMouseDown = drag;
  const TFontLook yearWatermark{"Arial Black", 64, kYearWatermarkColour};
  Label20 = PlaceCentredText(this, Panel1, "Label20", RECT{0, 56, 313, 72}, yearWatermark, true);
  const TFontLook monthWatermark{"Arial Black", 120, kMonthWatermarkColour};
  Label16 = PlaceCentredText(this, Panel1, "Label16", RECT{0, 98, 313, 134}, monthWatermark, true);
  Image1 = Place<ui::TImage>(this, Panel1, "Image1", RECT{9, 56, 297, 191});
  Image1->OnMouseDown = drag;
  Shape2 = PlaceShape(this, Panel1, "Shape2", RECT{12, 56, 38, 30}, kMarkerColour, clGreen);
  // An outline only, so the selection's green shows through when today is selected.
  ShapeToday = Place<ui::TShape>(this, Panel1, "ShapeToday", RECT{12, 56, 38, 30});
  ShapeToday->SetBrush(ui::TBrush{clWhite, ui::TBrushStyle::bsClear});
  ShapeToday->SetPen(ui::TPen{kTodayColour, 2});
  ShapeToday->SetVisible(false);
  const TFontLook dayFont{"Arial Black", 14, clBlack};
  day1 = PlaceCentredText(this, Panel1, "day1", RECT{14, 56, 36, 16}, dayFont, false);
  image_month = Place<ui::TImage>(this, Panel1, "image_month", RECT{0, 0, 95, 40});
  image_month->OnMouseDown = drag;
  image_year = Place<ui::TImage>(this, Panel1, "image_year", RECT{94, 0, 154, 40});
  image_year->OnMouseDown = drag;
  Bevel2 = Place<ui::TBevel>(this, Panel1, "Bevel2", RECT{9, 46, 297, 10});
  Bevel2->SetShape(ui::TBevelShape::bsBottomLine);
  const TFontLook yearFont{"Arial Black", 29, clBlue};
  Label1 = PlaceLabel(this, Panel1,
                      {.Name = "Label1",
                       .Bounds = {118, -1, 76, 41},
                       .Caption = "",
                       .Font = &yearFont,
                       .Alignment = TAlignment::taCenter,
                       .Transparent = true,
                       .AutoSize = true});
  Label1->OnMouseDown = drag;

  const TFontLook weekend{"宋体", 12, clRed};
  const auto weekday = [this](std::string name, int left, std::string_view caption, const TFontLook& font) {
    return PlaceLabel(this, Panel1,
                      {.Name = std::move(name),
                       .Bounds = {left, 40, 36, 12},
                       .Caption = caption,
                       .Font = &font,
                       .Alignment = TAlignment::taCenter});
  };
  Label2 = weekday("Label2", 19, "星期日", weekend);
  Label3 = weekday("Label3", 59, "星期一", kSongTi12);
  Label4 = weekday("Label4", 99, "星期二", kSongTi12);
  Label6 = weekday("Label6", 139, "星期三", kSongTi12);
  Label5 = weekday("Label5", 179, "星期四", kSongTi12);
  Label8 = weekday("Label8", 219, "星期五", kSongTi12);
  Label7 = weekday("Label7", 259, "星期六", weekend);

  const TFontLook lunarFont{"宋体", 12, kLunarWeekdayColour};
  Cnday = PlaceCentredText(this, Panel1, "Cnday", RECT{13, 73, 36, 12}, lunarFont, false);
  Cnday->OnClick = [this](ui::TComponent* s) { CnDayClick(s); };
  const TFontLook monthFont{"Arial", 32, kMonthNumberColour, ui::fsBold};
  Label17 = PlaceLabel(this, Panel1,
                       {.Name = "Label17",
                        .Bounds = {14, 3, 36, 37},
                        .Caption = "",
                        .Font = &monthFont,
                        .Alignment = TAlignment::taCenter,
                        .Transparent = true,
                        .AutoSize = true});
  const TFontLook headerWord{"宋体", 14, clWindowText, ui::fsBold};
  Label18 =
      PlaceLabel(this, Panel1, {.Name = "Label18", .Bounds = {64, 17, 15, 14}, .Caption = "月", .Font = &headerWord});
  Label19 =
      PlaceLabel(this, Panel1, {.Name = "Label19", .Bounds = {210, 17, 15, 14}, .Caption = "年", .Font = &headerWord});

  const auto information = [this](std::string name, RECT bounds) {
    return PlaceLabel(this, Panel1,
                      {.Name = std::move(name),
                       .Bounds = bounds,
                       .Caption = "",
                       .Font = &kInformationFont,
                       .Transparent = true,
                       .Visible = false});
  };
  Label21 = information("Label21", RECT{219, 278, 36, 12});
  Label22 = information("Label22", RECT{140, 278, 24, 12});
  lbl1 = information("lbl1", RECT{13, 256, 24, 12});
  lbl2 = information("lbl2", RECT{9, 278, 24, 12});
  lbl3 = information("lbl3", RECT{219, 256, 24, 12});

  lbl4 =
      PlaceLabel(this, Panel1,
                 {.Name = "lbl4", .Bounds = {271, 19, 24, 12}, .Caption = "今天", .Alignment = TAlignment::taCenter});
  lbl4->OnClick = [this](ui::TComponent* s) { lbl4Click(s); };
  image_today = Place<ui::TImage>(this, Panel1, "image_today", RECT{247, 3, 65, 33});
  LoadTodayPicture(image_today->Picture().Bitmap());
  image_today->OnClick = [this](ui::TComponent* s) { image_todayClick(s); };

  SpeedButton1 = Place<ui::TSpeedButton>(this, Panel1, "SpeedButton1", RECT{51, 12, 12, 20});
  SpeedButton1->SetCaption(">");
  SpeedButton1->OnClick = [this](ui::TComponent* s) { SpeedButton1Click(s); };
  SpeedButton2 = Place<ui::TSpeedButton>(this, Panel1, "SpeedButton2", RECT{196, 12, 12, 20});
  SpeedButton2->SetCaption(">");
  SpeedButton2->OnClick = [this](ui::TComponent* s) { SpeedButton2Click(s); };
}

void TFRM_Date::CreateWindowedControls() {
  const auto mouseUp = [this](ui::TComponent* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    BitBtn1MouseUp(s, b, sh, x, y);
  };
  BitBtn1 = PlaceBitBtn(this, Panel1, "BitBtn1", RECT{3, 256, 73, 25}, "网址导航", kNavigationGlyph);
  BitBtn1->OnClick = [this](ui::TComponent* s) { BitBtn1Click(s); };
  BitBtn2 = PlaceBitBtn(this, Panel1, "BitBtn2", RECT{159, 256, 76, 25}, "网上购物", kShoppingGlyph);
  BitBtn2->OnClick = [this](ui::TComponent* s) { BitBtn2Click(s); };
  BitBtn3 = PlaceBitBtn(this, Panel1, "BitBtn3", RECT{150, 160, 76, 25}, "淘宝商城", kMallGlyph);
  BitBtn3->OnClick = [this](ui::TComponent* s) { BitBtn3Click(s); };
  BitBtn3->SetVisible(false);
  BitBtn4 = PlaceBitBtn(this, Panel1, "BitBtn4", RECT{79, 256, 77, 25}, "淘 宝 网", kTaobaoGlyph);
  BitBtn4->OnClick = [this](ui::TComponent* s) { BitBtn4Click(s); };

  Edit1 = Place<ui::TEdit>(this, Panel1, "Edit1", RECT{3, 283, 232, 25});
  SetFont(*Edit1, TFontLook{"宋体", 16, clWindowText});
  Edit1->SetImeName(Gbk("中文 (简体) - 搜狗拼音输入法"));
  Edit1->OnChange = [this](ui::TComponent* s) { Edit1Change(s); };
  Edit1->OnKeyDown = [this](ui::TComponent* s, WORD& key, ui::TShiftState shift) { Edit1KeyDown(s, key, shift); };
  Edit1->OnKeyPress = [this](ui::TComponent* s, wchar_t& key) { Edit1KeyPress(s, key); };

  BitBtn6 = PlaceBitBtn(this, Panel1, "BitBtn6", RECT{223, 283, 12, 25}, "×", nullptr);
  BitBtn6->OnClick = [this](ui::TComponent* s) { BitBtn6Click(s); };
  BitBtn6->SetVisible(false);

  Button1 = Place<ui::TButton>(this, Panel1, "Button1", RECT{238, 283, 71, 25});
  Button1->SetCaption(Gbk("百度一下"));
  SetFont(*Button1, TFontLook{"宋体", 12, clWindowText});
  Button1->SetTabStop(true);
  Button1->OnClick = [this](ui::TComponent* s) { Button1Click(s); };

  BitBtn5 = PlaceBitBtn(this, Panel1, "BitBtn5", RECT{238, 256, 71, 25}, "软件设置", kSettingsGlyph);
  BitBtn5->OnClick = [this](ui::TComponent* s) { BitBtn5Click(s); };

  for (ui::TControl* button :
       {static_cast<ui::TControl*>(BitBtn1), static_cast<ui::TControl*>(BitBtn2), static_cast<ui::TControl*>(BitBtn3),
        static_cast<ui::TControl*>(BitBtn4), static_cast<ui::TControl*>(BitBtn5), static_cast<ui::TControl*>(Button1)})
    button->OnMouseUp = mouseUp;
}

}  // namespace DateWin
