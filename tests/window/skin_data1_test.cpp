// The skin component the window carries: its stored settings, and the
// embedded skin loaded and handed to the skin manager as the window is made.

#include <fstream>
#include <iterator>

#include "skin/data/skin_reader.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/skin_manage.h"
#include "skin/engine/win32/skin_messages.h"
#include "window_test_support.h"

namespace window_test {
namespace {

class SkinData1 : public WindowTest {};

std::vector<std::uint8_t> DefaultSkinFile() {
  std::ifstream file(RILVANTA_DEFAULT_SKIN, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST_F(SkinData1, CarriesTheStoredSettings) {
  Open(Date(2026, 5, 15));
  const skin::TSkinData* data = form->SkinData1;
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(form->FindComponent("SkinData1"), data);
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(data->DisableTag(), 99);
  EXPECT_EQ(data->SkinControls().Bits(), 0x3FFFFu);
  EXPECT_EQ(data->Skin3rd().size(), 95u);
  EXPECT_EQ(data->SkinFormtype(), skin::TSkinFormType::sfMainform);
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_EQ(data->SkinStore(), "(none)");
}

TEST_F(SkinData1, LoadsTheEmbeddedSkinAndHandsItToTheSkinManager) {
  Open(Date(2026, 5, 15));
  const skin::TSkinData* data = form->SkinData1;
  EXPECT_FALSE(data->SkinEmpty());
  EXPECT_EQ(data->ArchiveData(), DefaultSkinFile());
  skin::TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(data->ArchiveData()));
  EXPECT_EQ(reader.EntryCount(), 45u);

  const skin::TSkinManage* manager = skin::SkinManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->SkinDatas().back(), data);
  EXPECT_NE(manager->CbtHook(), nullptr);
  EXPECT_TRUE(manager->Enabled());
  EXPECT_NE(manager->Started(), 0) << "the hook saw the window being activated";
}

TEST_F(SkinData1, FirstActivationGivesTheWindowAFrameSkinnerWithoutAFrame) {
  Open(Date(2026, 5, 15));
  const HWND window = form->Handle();
  RECT before{};
  GetWindowRect(window, &before);
  Pump();
  auto* skinner = dynamic_cast<skin::TWinSkinForm*>(skin::SkinManager()->FindFormSkinner(window));
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(SendMessageW(window, skin::SKM_QUERYSKINNED, 0, 0), skin::kSkinnedAnswer);
  EXPECT_EQ(skinner->State(), skin::TFormSkinnerState::Active);
  EXPECT_EQ(form->Color(), form->SkinData1->Skin().ButtonFaceColour);

  // No frame: the window keeps its place and size, the client fills it, nothing is cut off.
  RECT after{}, client{};
  GetWindowRect(window, &after);
  GetClientRect(window, &client);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(client.right, after.right - after.left);
  EXPECT_EQ(client.bottom, after.bottom - after.top);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
}

}  // namespace
}  // namespace window_test
