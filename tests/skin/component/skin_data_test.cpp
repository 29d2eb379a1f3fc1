#include "skin/component/skin_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "bmp_builder.h"
#include "skin/data/bmp_decoder.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_stream.h"
#include "skin/engine/skin_manage.h"
#include "test_files.h"

namespace skin {
namespace {

std::vector<std::uint8_t> DefaultSkin() {
  std::ifstream file(RILVANTA_DEFAULT_SKIN, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH info{};
  EXPECT_EQ(GetObjectW(brush, sizeof(info), &info), static_cast<int>(sizeof(info)));
  return info.lbColor;
}

std::size_t EntryCount(const std::vector<std::uint8_t>& archive) {
  TSkinReader reader;
  EXPECT_TRUE(reader.LoadArchive(archive));
  return reader.EntryCount();
}

// Every test starts without a skin manager, as a fresh program does.
class SkinDataTest : public testing::Test {
 protected:
  void SetUp() override { FreeSkinManager(); }
  void TearDown() override { FreeSkinManager(); }

  // A component whose older-version messages are collected instead of shown.
  std::unique_ptr<TSkinData> NewSkinData() {
    auto data = std::make_unique<TSkinData>(nullptr, ManagerRequests());
    data->ShowMessage = [this](std::string_view text) { messages.emplace_back(text); };
    return data;
  }

  // Reads the component as the calendar window's resource does: the stored
  // properties, then SkinStream, then Loaded.
  void ReadAsStored(TSkinData& data, bool active, std::span<const std::uint8_t> skinStream) {
    data.BeginLoading();
    data.SetActive(active);
    data.ReadSkinStream(skinStream);
    data.Loaded();
  }

  std::vector<std::string> messages;
};

TEST_F(SkinDataTest, ConstructionGivesEveryDefault) {
  const auto data = NewSkinData();
  EXPECT_EQ(data->ClassName(), "TSkinData");
  EXPECT_FALSE(data->Active());
  EXPECT_EQ(data->DisableTag(), 99);
  EXPECT_EQ(data->SkinControls().Bits(), 0x3FFFFu);
  EXPECT_FALSE(data->SkinControls().Contains(TSkinControlType::xcFastReport));
  EXPECT_TRUE(data->SkinControls().Contains(TSkinControlType::xcMainMenu));
  EXPECT_TRUE(data->SkinControls().Contains(TSkinControlType::xcSystemMenu));
  EXPECT_TRUE(data->SkinFile().empty());
  EXPECT_EQ(data->SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_TRUE(data->ArchiveData().empty());
  EXPECT_TRUE(data->IconImage().Empty());
  EXPECT_TRUE(data->NcPaintEnabled());
  EXPECT_EQ(data->Skin().LeftBorder.Name, "Left");
  EXPECT_EQ(data->Skin().BottomBorder.Name, "Bottom");
  EXPECT_EQ(data->Skin().Title.Name, "Title");
  EXPECT_EQ(data->Skin().Buttons.Name, "Buttons");
  EXPECT_FALSE(data->Skin().MenuItem.has_value());
  // Before any skin the face brush has the system's button face.
  EXPECT_EQ(BrushColour(data->FaceBrush()), GetSysColor(COLOR_BTNFACE));
  // Nothing reaches for the manager before the component is loaded.
  EXPECT_EQ(SkinManager(), nullptr);
}

TEST_F(SkinDataTest, Skin3rdHoldsTheStoredListAndAssigningReplacesIt) {
  const auto data = NewSkinData();
  const std::vector<std::string>& lines = data->Skin3rd();
  ASSERT_EQ(lines.size(), 95u);
  EXPECT_EQ(lines.front(), "TTBDock=Panel");
  EXPECT_EQ(lines[14], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(lines.back(), "TOVCDBNUMERICFIELD=Edit");
  // Three lines occur twice.
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 92u);
  for (const std::string& line : lines) EXPECT_NE(line.find('='), std::string::npos) << line;

  data->SetSkin3rd({"TMyGrid=scrollbar"});
  EXPECT_EQ(data->Skin3rd(), std::vector<std::string>{"TMyGrid=scrollbar"});
}

TEST_F(SkinDataTest, SkinStoreReadsNoneWhateverIsWritten) {
  const auto data = NewSkinData();
  data->SetSkinStore("(Good)");
  EXPECT_EQ(data->SkinStore(), "(none)");
  data->ReadSkinStream(WriteSkinStream(DefaultSkin()));
  EXPECT_EQ(data->SkinStore(), "(none)");
}

TEST_F(SkinDataTest, SysMenuGlyphsAreFourMaskedGlyphsFromTheResource) {
  const auto data = NewSkinData();
  ui::TImageList& glyphs = data->SysMenuGlyphs();
  ASSERT_EQ(glyphs.Count(), 4);
  EXPECT_EQ(glyphs.Width(), 16);
  EXPECT_EQ(glyphs.Height(), 16);

  // Drawn on red: white is transparent, the strokes are black.
  ui::TBitmap canvas;
  canvas.SetSize(16 * 4, 16);
  canvas.Canvas().Brush.Color = clRed;
  canvas.Canvas().FillRect(RECT{0, 0, 64, 16});
  for (int index = 0; index < 4; ++index) glyphs.Draw(canvas.Canvas(), index * 16, 0, index);
  for (int index = 0; index < 4; ++index) {
    EXPECT_EQ(canvas.Pixel(index * 16, 0), clRed) << "corner of glyph " << index;
    EXPECT_EQ(canvas.Pixel(index * 16 + 15, 15), clRed) << "corner of glyph " << index;
  }
  EXPECT_EQ(canvas.Pixel(3 * 16 + 7, 7), clBlack);   // the middle of the close cross
  EXPECT_EQ(canvas.Pixel(2 * 16 + 5, 10), clBlack);  // the minimize bar
  EXPECT_EQ(canvas.Pixel(2 * 16 + 7, 7), clRed);     // ... which leaves the middle free
  EXPECT_EQ(canvas.Pixel(1 * 16 + 3, 8), clBlack);   // the maximize frame's left side
  EXPECT_EQ(canvas.Pixel(1 * 16 + 7, 8), clRed);     // ... around an empty window
  EXPECT_EQ(canvas.Pixel(0 * 16 + 7, 3), clBlack);   // restore: the window behind
  EXPECT_EQ(canvas.Pixel(0 * 16 + 7, 9), clRed);     // ... and the empty one in front
}

TEST_F(SkinDataTest, TheDefaultSkinLoadsFromItsSkinStream) {
  const auto data = NewSkinData();
  const std::vector<std::uint8_t> archive = DefaultSkin();
  const std::vector<std::uint8_t> value = WriteSkinStream(archive);
  data->ReadSkinStream(value);

  EXPECT_FALSE(data->SkinEmpty());
  EXPECT_EQ(data->ArchiveData(), archive);
  EXPECT_EQ(EntryCount(data->ArchiveData()), 45u);
  EXPECT_FALSE(data->Skin().SkinName.empty());
  EXPECT_EQ(data->Skin().SysButtons.size(), 11u);
  EXPECT_EQ(data->Skin().Buttons.CheckBitmap.Width(), 65);
  EXPECT_TRUE(data->Skin().MenuItem.has_value());
  EXPECT_EQ(BrushColour(data->FaceBrush()), RGB(236, 233, 216));
  EXPECT_TRUE(messages.empty());
  // Written back, the value is the one read.
  EXPECT_EQ(data->WriteSkinStream(), value);
}

TEST_F(SkinDataTest, TheCalendarWindowsSequenceEnablesSkinningOnLoaded) {
  const auto data = NewSkinData();
  data->BeginLoading();
  data->SetActive(true);  // only stored while reading
  EXPECT_EQ(SkinManager(), nullptr);
  data->ReadSkinStream(WriteSkinStream(DefaultSkin()));
  EXPECT_FALSE(data->SkinEmpty());
  data->Loaded();

  TSkinManage* manager = SkinManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_FALSE(data->Loading());
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(manager->SkinDatas(), std::vector<TSkinData*>{data.get()});
  EXPECT_NE(manager->CbtHook(), nullptr);
  // No window was activated yet, so the activation took effect at once.
  EXPECT_EQ(manager->Started(), 0);
  EXPECT_EQ(manager->PendingAction(), TSkinAction::Activate);
  EXPECT_TRUE(manager->Enabled());
  EXPECT_FALSE(manager->ActionTimer().Enabled());
}

TEST_F(SkinDataTest, AnEmptySkinStreamLoadsNothingAndLoadedTurnsActiveOff) {
  const auto data = NewSkinData();
  ReadAsStored(*data, true, WriteSkinStream({}));
  EXPECT_TRUE(data->ArchiveData().empty());
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_FALSE(data->Active());
  EXPECT_FALSE(SkinManager()->Enabled());
  EXPECT_EQ(SkinManager()->PendingAction(), TSkinAction::None);
  EXPECT_NE(SkinManager()->CbtHook(), nullptr);
}

TEST_F(SkinDataTest, SettingActiveToItsValueSchedulesNothing) {
  const auto data = NewSkinData();
  ReadAsStored(*data, false, WriteSkinStream(DefaultSkin()));
  data->SetActive(false);
  EXPECT_EQ(SkinManager()->PendingAction(), TSkinAction::None);
  EXPECT_EQ(SkinManager()->PendingSkinData(), nullptr);

  // The other value does schedule; before the first activation it applies at once.
  data->SetActive(true);
  EXPECT_EQ(SkinManager()->PendingAction(), TSkinAction::Activate);
  EXPECT_EQ(SkinManager()->PendingSkinData(), data.get());
  EXPECT_TRUE(SkinManager()->Enabled());
  data->SetActive(false);
  EXPECT_EQ(SkinManager()->PendingAction(), TSkinAction::Deactivate);
  EXPECT_FALSE(SkinManager()->Enabled());
}

TEST_F(SkinDataTest, TurningActiveOnWithoutASkinIsStoredButNotScheduled) {
  const auto data = NewSkinData();
  ReadAsStored(*data, false, WriteSkinStream({}));
  data->SetActive(true);
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(SkinManager()->PendingAction(), TSkinAction::None);
  EXPECT_EQ(SkinManager()->PendingSkinData(), nullptr);
  EXPECT_FALSE(SkinManager()->Enabled());
}

TEST_F(SkinDataTest, OtherFormTypesEnableTheManagerOnLoaded) {
  const auto dialog = NewSkinData();
  dialog->SetSkinFormtype(TSkinFormType::sfDialog);
  ReadAsStored(*dialog, true, WriteSkinStream(DefaultSkin()));
  TSkinManage* manager = SkinManager();
  EXPECT_TRUE(manager->Enabled());
  EXPECT_EQ(manager->Started(), 1);
  EXPECT_EQ(manager->CbtHook(), nullptr);  // only a main-form component installs the hook

  // A dialog component only stores Active.
  dialog->SetActive(false);
  dialog->SetActive(true);
  EXPECT_EQ(manager->PendingAction(), TSkinAction::None);
  EXPECT_EQ(manager->PendingSkinData(), nullptr);
  EXPECT_FALSE(manager->ActionTimer().Enabled());

  // A component for its own form names itself even when it cannot turn on.
  const auto own = NewSkinData();
  own->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
  ReadAsStored(*own, false, WriteSkinStream({}));
  EXPECT_EQ(manager->Started(), 2);
  own->SetActive(true);
  EXPECT_EQ(manager->PendingSkinData(), own.get());
  EXPECT_EQ(manager->PendingAction(), TSkinAction::None);
}

TEST_F(SkinDataTest, TheSharedSampleSkinsLoadAsStreamAndAsFile) {
  const auto fromStream = NewSkinData();
  fromStream->ReadSkinStream(skintest::ReadTestFile("skins/sample.skinstream"));
  EXPECT_FALSE(fromStream->SkinEmpty());
  EXPECT_EQ(fromStream->Skin().SkinName, "Sample Gray");
  EXPECT_EQ(EntryCount(fromStream->ArchiveData()), 10u);

  const auto fromFile = NewSkinData();
  fromFile->SetSkinFile(std::string(RILVANTA_TESTDATA_DIR) + "/skins/sample.skn");
  EXPECT_FALSE(fromFile->SkinEmpty());
  EXPECT_EQ(fromFile->Skin().SkinName, "Sample Gray");
  EXPECT_EQ(fromFile->ArchiveData(), skintest::ReadTestFile("skins/sample.skn"));
  // The new skin is reapplied: the manager is made and a refresh is scheduled for this component.
  ASSERT_NE(SkinManager(), nullptr);
  EXPECT_EQ(SkinManager()->SkinDatas(), std::vector<TSkinData*>{fromFile.get()});
  EXPECT_EQ(SkinManager()->PendingAction(), TSkinAction::SkinChanged);
  EXPECT_EQ(SkinManager()->PendingSkinData(), fromFile.get());
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinDataTest, ASettingsTextSavedAsUnicodeLoadsWithItsKeys) {
  // As Notepad saves "Unicode": UTF-16LE behind its byte-order mark.
  std::vector<std::uint8_t> settings = {0xFF, 0xFE};
  for (char16_t unit :
       std::u16string_view(u"[TitlebarSkin]\r\nSkinName=\u76AE\u80A4\r\n[Colours]\r\nButtonFace=1 2 3")) {
    settings.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    settings.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  const auto data = NewSkinData();
  data->ReadSkinStream(WriteSkinStream(ComposeSkinArchive({{"unicode.ini", settings}})));
  EXPECT_FALSE(data->SkinEmpty());
  EXPECT_EQ(data->Skin().SkinName, "\xC6\xA4\xB7\xF4");  // 皮肤 in GBK
  EXPECT_EQ(BrushColour(data->FaceBrush()), RGB(1, 2, 3));
}

TEST_F(SkinDataTest, ABadArchiveLeavesTheComponentUnskinnedWithoutAMessage) {
  const std::vector<std::vector<std::uint8_t>> values = {
      WriteSkinStream(Bytes("no archive at all")),                             // declares gigabytes of output
      WriteSkinStream(std::vector<std::uint8_t>{1, 2, 3}),                     // too short for the declared size
      {0x40, 0x00, 0x00, 0x00, 0x01, 0x02},                                    // a value cut short
      WriteSkinStream(ComposeSkinArchive({{"left.bmp", Bytes("not read")}})),  // no settings text
  };
  for (const std::vector<std::uint8_t>& value : values) {
    FreeSkinManager();
    const auto data = NewSkinData();
    ReadAsStored(*data, true, value);
    EXPECT_TRUE(data->SkinEmpty());
    EXPECT_FALSE(data->Active());
    EXPECT_FALSE(SkinManager()->Enabled());
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinDataTest, AnOlderArchiveShowsTheVersionMessageAndStaysUnskinned) {
  const auto data = NewSkinData();
  ReadAsStored(*data, true, WriteSkinStream(skintest::ReadTestFile("skins/oldversion.skn")));
  EXPECT_EQ(messages, std::vector<std::string>{std::string(kOlderSkinMessage)});
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_FALSE(data->Active());
  EXPECT_FALSE(SkinManager()->Enabled());
}

TEST_F(SkinDataTest, APictureThatIsNoBmpEndsTheLoadWithItsError) {
  const auto data = NewSkinData();
  data->ReadSkinStream(WriteSkinStream(DefaultSkin()));
  ASSERT_FALSE(data->SkinEmpty());
  const std::vector<std::uint8_t> broken = ComposeSkinArchive(
      {{"left.bmp", Bytes("BM but nothing more")}, {"broken.ini", Bytes("[Personality]\r\nLeft=left.bmp\r\n")}});
  const std::string skinName = data->Skin().SkinName;
  EXPECT_THROW(data->ReadSkinStream(WriteSkinStream(broken)), EInvalidGraphic);
  EXPECT_FALSE(data->SkinEmpty());
  // Nothing of the broken skin replaced the records or the archive.
  EXPECT_EQ(data->Skin().SkinName, skinName);
  EXPECT_EQ(data->ArchiveData(), DefaultSkin());
}

// A skin file the component refuses leaves the skin it had: its records and
// archive stay, nothing is reapplied, and a cut file says why. Each is refused
// by what it would cost, before it costs it.
TEST_F(SkinDataTest, ARefusedSkinFileKeepsTheOldRecordsAndArchive) {
  const std::vector<std::uint8_t> archive = DefaultSkin();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("skin-data-test-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  const auto write = [&folder](const char* name, std::span<const std::uint8_t> bytes) {
    std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return (folder / name).string();
  };
  // 16,384 x 16,384 pixels of 8 bits, run-length coded as one end-of-picture mark.
  skintest::TBmpFields bomb;
  bomb.Width = bomb.Height = 16384;
  bomb.BitCount = 8;
  bomb.Compression = 1;
  bomb.Pixels = {0, 1};
  const std::string huge = write("huge.skn", {});
  std::filesystem::resize_file(huge, kMaxSkinFileSize + 1);  // sparse: refused by its size alone
  struct TRefused {
    const char* What;
    std::string Path;
    std::vector<std::string> Messages;
    bool TooLarge;  // ESkinTooLarge reaches the caller
  };
  const std::vector<TRefused> files = {
      {"missing", (folder / "missing.skn").string(), {}, false},
      {"cut in half",
       write("cut.skn", std::span(archive).first(archive.size() / 2)),
       {std::string(kCutSkinMessage)},
       false},
      {"larger than any skin", huge, {}, false},
      {"picture bomb",
       write("bomb.skn", ComposeSkinArchive({{"bomb.bmp", skintest::BuildBmp(bomb)},
                                             {"s.ini", Bytes("[Personality]\r\nLeft=bomb.bmp\r\n")}})),
       {},
       true},
  };
  for (const TRefused& file : files) {
    SCOPED_TRACE(file.What);
    FreeSkinManager();
    messages.clear();
    const auto data = NewSkinData();
    data->ReadSkinStream(WriteSkinStream(archive));
    const std::string skinName = data->Skin().SkinName;
    if (file.TooLarge) {
      EXPECT_THROW(data->SetSkinFile(file.Path), ESkinTooLarge);
    } else {
      EXPECT_FALSE(data->SetSkinFile(file.Path));
    }
    EXPECT_EQ(data->SkinFile(), file.Path);
    EXPECT_FALSE(data->SkinEmpty());
    EXPECT_EQ(data->Skin().SkinName, skinName);
    EXPECT_FALSE(data->Skin().LeftBorder.Bitmap.Empty());
    EXPECT_EQ(data->ArchiveData(), archive);
    EXPECT_EQ(SkinManager(), nullptr);  // nothing to reapply
    EXPECT_EQ(messages, file.Messages);
  }
  std::filesystem::remove_all(folder);
}

TEST_F(SkinDataTest, EveryLoadReplacesTheFaceBrushAndDestructionFreesIt) {
  auto data = NewSkinData();
  const HBRUSH systemBrush = data->FaceBrush();
  data->ReadSkinStream(WriteSkinStream(DefaultSkin()));
  const HBRUSH skinBrush = data->FaceBrush();
  EXPECT_NE(skinBrush, systemBrush);
  EXPECT_EQ(GetObjectType(systemBrush), 0u);
  EXPECT_EQ(GetObjectType(skinBrush), static_cast<DWORD>(OBJ_BRUSH));

  data->Loaded();
  data->SetActive(false);
  data->SetActive(true);
  ASSERT_EQ(SkinManager()->PendingSkinData(), data.get());
  data.reset();
  EXPECT_EQ(GetObjectType(skinBrush), 0u);
  EXPECT_TRUE(SkinManager()->SkinDatas().empty());
  EXPECT_EQ(SkinManager()->PendingSkinData(), nullptr);  // the timer cannot reach it any more
}

}  // namespace
}  // namespace skin
