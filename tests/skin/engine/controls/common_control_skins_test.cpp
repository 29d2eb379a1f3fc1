// The skinners of progress bars, track bars, up-down controls, edits and
// panels on a real library form under Wine: attached by the frame skinner's
// control walk, their looks read back from the pixels they paint. The test
// skin's pictures are solid colours, one per frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "painted_face.h"
#include "skin/component/skin_data.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/controls/control_skinners.h"
#include "skin/engine/controls/skin_box.h"
#include "skin/engine/controls/skin_edit.h"
#include "skin/engine/controls/skin_progress.h"
#include "skin/engine/controls/skin_track_bar.h"
#include "skin/engine/controls/skin_up_down.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skinned_form_fixture.h"
#include "ui/controls/edit.h"
#include "ui/controls/panel.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/track_bar.h"
#include "ui/controls/up_down.h"
#include "ui/forms/form.h"

namespace skin {
namespace {

constexpr COLORREF kFace = RGB(200, 200, 200), kShadow = RGB(0, 0, 128), kDkShadow = RGB(0, 64, 0);
constexpr COLORREF kTrack = RGB(250, 200, 0), kBar = RGB(0, 128, 255), kBlock = RGB(128, 0, 128);
constexpr COLORREF kPanelOwn = RGB(1, 2, 3);

// Frame `frame` (from 1) of each strip has its own colour.
COLORREF ThumbColour(int frame) { return RGB(10 * frame, 200, 10); }
COLORREF UpDownColour(bool horizontal, int frame) { return RGB(20 * frame, horizontal ? 150 : 100, 50); }
COLORREF ArrowColour(int frame) { return RGB(20 * frame, 50, 200); }

// A strip of `frames` cells of `width` x `height`, each filled with its colour.
TSkinEntry Strip(const char* name, int frames, int width, int height, COLORREF (*colour)(int frame)) {
  return {name, skintest::Bmp24(width * frames, height, [&](int x, int) { return colour(x / width + 1); })};
}

std::vector<std::uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

// The test skin: colours always; with `elements` also the progress, thumb and
// up-down pictures, the progress drawn in `progressStyle`, with or without its block.
std::vector<std::uint8_t> TestSkin(bool elements, int progressStyle = 0, bool block = true) {
  std::string ini =
      "[TitlebarSkin]\r\nSkinName=Test\r\n[Colours]\r\nButtonFace=200 200 200\r\nButtonShadow=0 0 128\r\n"
      "ButtonDkShadow=0 64 0\r\n";
  std::vector<TSkinEntry> entries;
  if (elements) {
    char progress[160];
    std::snprintf(progress, sizeof progress,
                  "[Progress]\r\nBitmap=progress.bmp\r\nChunk=%s\r\nStyle=%d\r\nLeftWidth=3\r\nTrans=1\r\n",
                  block ? "chunk.bmp" : "", progressStyle);
    ini += progress;
    ini += "[Trackbar.ThumbHorz]\r\nImage=thumb.bmp\r\nTrans=1\r\n";
    ini += "[UpDown.Vert]\r\nImage=updown_v.bmp\r\nGlyphImage=arrows.bmp\r\nTrans=1\r\n";
    ini += "[UpDown.Horz]\r\nImage=updown_h.bmp\r\nGlyphImage=arrows.bmp\r\nTrans=1\r\n";
    entries = {
        Strip("progress.bmp", 2, 10, 10, [](int frame) { return frame == 1 ? kTrack : kBar; }),
        Strip("chunk.bmp", 1, 4, 6, [](int) { return kBlock; }),
        Strip("thumb.bmp", 5, 6, 10, ThumbColour),
        Strip("updown_v.bmp", 8, 8, 8, [](int frame) { return UpDownColour(false, frame); }),
        Strip("updown_h.bmp", 8, 8, 8, [](int frame) { return UpDownColour(true, frame); }),
        Strip("arrows.bmp", 8, 4, 4, ArrowColour),
    };
  }
  entries.push_back({"test.ini", Text(ini)});
  return WriteSkinStream(ComposeSkinArchive(entries));
}

class CommonControlSkinsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    data->SetSkin3rd({"TProgressBar=progress"});
    progress = Place(new ui::TProgressBar(form.get()), 10, 10, 100, 10);
    progress->SetRange(10, 60);
    progress->SetPosition(30);
    track = Place(new ui::TTrackBar(form.get()), 10, 30, 150, 40);
    track->SetRange(0, 10);
    track->SetPosition(5);
    upDown = Place(new ui::TUpDown(form.get()), 200, 10, 17, 30);
    upDownH = Place(new ui::TUpDown(form.get()), 230, 10, 30, 17);
    upDownH->SetOrientation(ui::TOrientation::Horizontal);
    edit = Place(new ui::TEdit(form.get()), 10, 80, 100, 22);
    spin = Place(new ui::TEdit(form.get()), 10, 110, 100, 22);
    spinUpDown = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 82, 0, 14, 18, spin->Handle(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    flat = Place(new ui::TEdit(form.get()), 120, 80, 80, 22);
    SetWindowLongPtrW(flat->Handle(), GWL_EXSTYLE, 0);
    SetWindowPos(flat->Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    panel = Place(new ui::TPanel(form.get()), 120, 110, 80, 40);
    panel->SetColor(kPanelOwn);
    ShowForm();
  }

  // Loads the skin and attaches the frame skinner, whose walk attaches the control skinners.
  void Skin(const std::vector<std::uint8_t>& skin) {
    data->ReadSkinStream(skin);
    ASSERT_FALSE(data->SkinEmpty());
    AttachFrameSkinner();
  }
  template <class TSkinner>
  TSkinner* SkinnerOf(HWND window) const {
    return dynamic_cast<TSkinner*>(skinner->ControlSkinners().FindByWindow(window));
  }

  ui::TProgressBar* progress = nullptr;
  ui::TTrackBar* track = nullptr;
  ui::TUpDown* upDown = nullptr;
  ui::TUpDown* upDownH = nullptr;
  ui::TEdit* edit = nullptr;
  ui::TEdit* spin = nullptr;
  HWND spinUpDown = nullptr;
  ui::TEdit* flat = nullptr;
  ui::TPanel* panel = nullptr;
};

TEST_F(CommonControlSkinsTest, ProgressFillsThePositionsShareOfTheUpperLimitInBothStyles) {
  Skin(TestSkin(true));
  ASSERT_NE(SkinnerOf<TSkinProgress>(progress->Handle()), nullptr);
  // 30 of 10..60 fills 30/60 of 100 pixels, not 20/50.
  auto face = PaintedFace(progress->Handle());
  EXPECT_EQ(face->Pixel(1, 5), kBar);
  EXPECT_EQ(face->Pixel(45, 5), kBar);
  EXPECT_EQ(face->Pixel(55, 5), kTrack);
  progress->SetPosition(10);
  progress->SetRange(0, 60);
  EXPECT_EQ(PaintedFace(progress->Handle())->Pixel(15, 5), kBar);
  EXPECT_EQ(PaintedFace(progress->Handle())->Pixel(17, 5), kTrack) << "10 of 0..60 fills 16 pixels";
  progress->SetPosition(0);
  EXPECT_EQ(PaintedFace(progress->Handle())->Pixel(1, 5), kTrack) << "position 0 shows the track only";

  // Blocks: from the left margin, centred in height, cut where the filled part ends.
  data->ReadSkinStream(TestSkin(true, 1));
  progress->SetPosition(30);
  face = PaintedFace(progress->Handle());
  EXPECT_EQ(face->Pixel(2, 5), kTrack);
  EXPECT_EQ(face->Pixel(3, 5), kBlock);
  EXPECT_EQ(face->Pixel(52, 5), kBlock);
  EXPECT_NE(face->Pixel(53, 5), kBlock);
  EXPECT_NE(face->Pixel(10, 1), kBlock);
  EXPECT_EQ(face->Pixel(10, 2), kBlock);
  // A block style without a block picture shows the track only.
  data->ReadSkinStream(TestSkin(true, 1, false));
  EXPECT_EQ(PaintedFace(progress->Handle())->Pixel(10, 5), kTrack);

  // A range of millions: the share is not lost to an overflow.
  data->ReadSkinStream(TestSkin(true));
  progress->SetRange(0, 100'000'000);
  progress->SetPosition(50'000'000);
  face = PaintedFace(progress->Handle());
  EXPECT_EQ(face->Pixel(45, 5), kBar);
  EXPECT_EQ(face->Pixel(55, 5), kTrack);

  // An upright bar fills from the bottom, with a bar or with blocks standing on it.
  progress->SetOrientation(ui::TOrientation::Vertical);
  progress->SetBounds(10, 10, 10, 100);
  progress->SetRange(0, 100);
  progress->SetPosition(30);
  face = PaintedFace(progress->Handle());
  EXPECT_EQ(face->Pixel(5, 71), kBar);
  EXPECT_EQ(face->Pixel(5, 69), kTrack);
  data->ReadSkinStream(TestSkin(true, 1));
  face = PaintedFace(progress->Handle());
  EXPECT_EQ(face->Pixel(3, 71), kBlock);
  EXPECT_NE(face->Pixel(3, 69), kBlock);
  EXPECT_NE(face->Pixel(2, 71), kBlock) << "centred across the bar";
}

// The thumb in the picture's second frame, its fourth when disabled, on the skin's face.
TEST_F(CommonControlSkinsTest, TrackBarThumbIsTheSkinsSecondFrameOrAPlainOutlinedBox) {
  Skin(TestSkin(true));
  ASSERT_NE(SkinnerOf<TSkinTrackBar>(track->Handle()), nullptr);
  RECT thumb{}, channel{};
  SendMessageW(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  SendMessageW(track->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  auto face = PaintedFace(track->Handle());
  EXPECT_EQ(face->Pixel((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), ThumbColour(2));
  const COLORREF channelEdge = face->Pixel(channel.left + 2, channel.top);
  EXPECT_NE(channelEdge, kFace) << "the control draws its own channel";
  EXPECT_EQ(face->Pixel(1, 1), kFace) << "the skin's face around the channel";
  track->SetEnabled(false);
  EXPECT_EQ(PaintedFace(track->Handle())->Pixel((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2),
            ThumbColour(4))
      << "a disabled thumb";
  track->SetEnabled(true);

  data->ReadSkinStream(TestSkin(false));
  face = PaintedFace(track->Handle());
  EXPECT_EQ(face->Pixel(thumb.left, (thumb.top + thumb.bottom) / 2), kShadow);
  EXPECT_EQ(face->Pixel(thumb.right - 1, thumb.top), kShadow);
  EXPECT_EQ(face->Pixel(channel.left + 2, channel.top), channelEdge);
}

TEST_F(CommonControlSkinsTest, UpDownHalvesFollowTheCursorPressAndEnabledState) {
  Skin(TestSkin(true));
  ASSERT_NE(SkinnerOf<TSkinUpDown>(upDown->Handle()), nullptr);
  // Pressing the lower half: frame 2 + 4 there, the upper half normal.
  MoveOnto(upDown->Handle(), 8, 22);
  SendMessageW(upDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 22));
  auto face = PaintedFace(upDown->Handle());
  SendMessageW(upDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, 22));
  EXPECT_EQ(face->Pixel(2, 2), UpDownColour(false, 1));
  EXPECT_EQ(face->Pixel(2, 27), UpDownColour(false, 6));
  EXPECT_EQ(face->Pixel(8, 7), ArrowColour(1)) << "the arrow, centred in its half";
  EXPECT_EQ(PaintedFace(upDown->Handle())->Pixel(2, 27), UpDownColour(false, 8)) << "released: mouse over";

  upDown->SetEnabled(false);
  upDownH->SetEnabled(false);
  face = PaintedFace(upDown->Handle());
  EXPECT_EQ(face->Pixel(2, 2), UpDownColour(false, 3));
  EXPECT_EQ(face->Pixel(2, 27), UpDownColour(false, 7));
  face = PaintedFace(upDownH->Handle());
  EXPECT_EQ(face->Pixel(2, 2), UpDownColour(true, 3)) << "left half";
  EXPECT_EQ(face->Pixel(27, 2), UpDownColour(true, 7)) << "right half";

  // Without up-down pictures: plain boxes outlined in the dark shadow.
  data->ReadSkinStream(TestSkin(false));
  face = PaintedFace(upDown->Handle());
  EXPECT_EQ(face->Pixel(0, 0), kDkShadow);
  EXPECT_EQ(face->Pixel(2, 2), kFace);
}

TEST_F(CommonControlSkinsTest, EditBorderIsAShadowAndAWhiteLineAfterEveryPaintAndWhenPrinted) {
  Skin(TestSkin(true));
  ASSERT_NE(SkinnerOf<TSkinEdit>(edit->Handle()), nullptr);
  EXPECT_EQ(WindowPixel(edit->Handle(), 0, 0), kShadow);
  EXPECT_EQ(WindowPixel(edit->Handle(), 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(edit->Handle(), 99, 21), kShadow);

  // Painted over, the border comes back with the next change of the edit.
  for (const auto& change : std::vector<std::function<void()>>{[&] { edit->SetText("new"); }, [&] { edit->SetFocus(); },
                                                               [&] { edit->SetEnabled(false); }}) {
    HDC dc = GetWindowDC(edit->Handle());
    const RECT all{0, 0, 100, 22};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(edit->Handle(), dc);
    change();
    EXPECT_EQ(WindowPixel(edit->Handle(), 0, 0), kShadow);
    EXPECT_EQ(WindowPixel(edit->Handle(), 1, 1), RGB(255, 255, 255));
  }

  TFace printed(100, 22);
  const HGDIOBJ brush = SelectObject(printed.Dc(), CreateSolidBrush(RGB(9, 99, 9)));
  SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_NONCLIENT | PRF_CLIENT);
  EXPECT_EQ(printed.Pixel(0, 0), kShadow);
  EXPECT_EQ(printed.Pixel(1, 1), RGB(9, 99, 9)) << "the DC's brush inside";
  DeleteObject(SelectObject(printed.Dc(), brush));

  // An edit without a border is left as it paints itself.
  ASSERT_NE(SkinnerOf<TSkinEdit>(flat->Handle()), nullptr);
  EXPECT_NE(WindowPixel(flat->Handle(), 0, 0), kShadow);
}

TEST_F(CommonControlSkinsTest, AnUpDownInsideAnEditGetsItsOwnSkinnerInsetByOnePixel) {
  Skin(TestSkin(true));
  SetCursorPos(0, 0);
  auto* spinSkinner = SkinnerOf<TSkinEdit>(spin->Handle());
  ASSERT_NE(spinSkinner, nullptr);
  RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  TSkinUpDown* inside = spinSkinner->UpDownSkinner();
  ASSERT_NE(inside, nullptr);
  EXPECT_TRUE(inside->InEdit());
  EXPECT_EQ(SkinnerOf<TSkinUpDown>(spinUpDown), inside) << "owned by the frame skinner";
  EXPECT_EQ(SkinnerOf<TSkinEdit>(edit->Handle())->UpDownSkinner(), nullptr);

  const std::size_t count = skinner->ControlSkinners().Count();
  RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(skinner->ControlSkinners().Count(), count) << "found once";
  auto face = PaintedFace(spinUpDown);
  EXPECT_EQ(face->Pixel(0, 0), kFace);
  EXPECT_EQ(face->Pixel(1, 1), UpDownColour(false, 1));
}

TEST_F(CommonControlSkinsTest, PanelTakesTheButtonFaceAndGetsItsColourBackAndAMissingSkinPartLeavesTheSystemLook) {
  auto plainProgress = PaintedFace(progress->Handle());
  Skin(TestSkin(false));
  ASSERT_NE(SkinnerOf<TSkinBox>(panel->Handle()), nullptr);
  EXPECT_EQ(panel->Color(), kFace);
  // No progress picture: the progress bar paints itself.
  auto face = PaintedFace(progress->Handle());
  for (int x = 0; x < 100; x += 7) EXPECT_EQ(face->Pixel(x, 5), plainProgress->Pixel(x, 5)) << x;

  skinner->Unskin();
  EXPECT_EQ(panel->Color(), kPanelOwn);
}

// The list's owner says whether its window is being destroyed: detached then,
// a skinner gives back no colour.
TEST_F(CommonControlSkinsTest, APanelDetachedWhileItsOwnersWindowIsDestroyedKeepsTheSkinsColour) {
  data->ReadSkinStream(TestSkin(false));
  ASSERT_FALSE(data->SkinEmpty());
  ui::TCanvas canvas;
  for (const bool destroying : {false, true}) {
    SCOPED_TRACE(destroying ? "owner destroying" : "owner alive");
    TControlSkinners skinners([&] { return destroying; });
    auto box = std::make_unique<TSkinBox>();
    box->AttachControl(*panel, *data, true, canvas);
    skinners.Add(std::move(box));
    EXPECT_EQ(panel->Color(), kFace);
    skinners.DetachAll();
    EXPECT_EQ(panel->Color(), destroying ? kFace : kPanelOwn);
  }
}

}  // namespace
}  // namespace skin
