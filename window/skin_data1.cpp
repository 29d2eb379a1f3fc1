// The window's skin component SkinData1 as the window's layout stores it,
// with the skin archive embedded in the program as its SkinStream.

#include "skin/data/skin_stream.h"
#include "skin/engine/skin_manage.h"
#include "window/frm_date.h"
#include "window/resource_bytes.h"
#include "window/resource_names.h"

namespace DateWin {

void TFRM_Date::CreateSkinData() {
  SkinData1 = new skin::TSkinData(this, skin::ManagerRequests());
  SkinData1->SetName("SkinData1");
  SkinData1->BeginLoading();
  // Stored as they are; Active takes effect in Loaded. Skin3rd is the default list.
  SkinData1->SetActive(true);
  SkinData1->SetDisableTag(99);
  SkinData1->SetSkinControls(skin::TSkinControls::Default());  // every kind but xcFastReport
  SkinData1->SetSkinFormtype(skin::TSkinFormType::sfMainform);
  SkinData1->SetMenuUpdate(true);
  SkinData1->ReadSkinStream(skin::WriteSkinStream(ResourceBytes(kSkinResource)));
}

}  // namespace DateWin
