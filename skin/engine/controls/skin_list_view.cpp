#include "skin/engine/controls/skin_list_view.h"

#include <commctrl.h>

#include "skin/engine/controls/control_skinners.h"
#include "skin/engine/controls/skin_header.h"

namespace skin {

void TSkinListView::AttachControl(ui::TControl& control, TSkinData& data, bool recolour, ui::TCanvas& canvas) {
  TSkinScrollBar::AttachControl(control, data, recolour, canvas);
  SkinHeader();
}

void TSkinListView::AttachHandle(HWND window, TSkinData& data, ui::TCanvas& canvas) {
  TSkinScrollBar::AttachHandle(window, data, canvas);
  SkinHeader();
  // The next message finds the header once the frame skinner has listed this skinner.
  if (!headerSought_) InvalidateRect(window, nullptr, FALSE);
}

void TSkinListView::AfterMessage(ui::TMessage& message) {
  TSkinScrollBar::AfterMessage(message);
  if (!headerSought_) SkinHeader();
}

void TSkinListView::SkinHeader() {
  // The header skinner belongs to the frame skinner's list, which this one
  // joins only after it is attached.
  TControlSkinners* skinners = Skinners();
  if (!skinners || !WindowHandle() || !SkinData() || !DrawCanvas()) return;
  headerSought_ = true;
  const auto header = reinterpret_cast<HWND>(SendMessageW(WindowHandle(), LVM_GETHEADER, 0, 0));
  if (!header) return;
  if (TSkinControl* serving = skinners->FindByWindow(header)) {
    headerSkinner_ = dynamic_cast<TSkinHeader*>(serving);
    return;
  }
  auto skinner = std::make_unique<TSkinHeader>();
  skinner->AttachHandle(header, *SkinData(), *DrawCanvas());
  headerSkinner_ = skinner.get();
  skinners->Add(std::move(skinner));
  InvalidateRect(header, nullptr, TRUE);
}

}  // namespace skin
