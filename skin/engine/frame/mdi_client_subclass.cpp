#include "skin/engine/frame/mdi_client_subclass.h"

#include "skin/component/skin_data.h"
#include "skin/engine/frame/win_skin_form.h"
#include "skin/engine/frame/win_skin_menu.h"
#include "skin/engine/win32/skin_messages.h"

namespace skin {
namespace {

constexpr LONG_PTR kWithoutScrollBars = ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL);

}  // namespace

TMdiClientSubclass::TMdiClientSubclass(TWinSkinForm& frame, TFormSkinnerHost& host)
    : frame_(frame),
      host_(host),
      savedMenuUpdate_(frame.SkinData()->MenuUpdate()),
      client_(FindWindowExW(frame.WindowHandle(), nullptr, L"MDIClient", nullptr)) {
  subclass_.Attach(client_,
                   [this](UINT msg, WPARAM wParam, LPARAM lParam) { return ClientWindowProc(msg, wParam, lParam); });
}

bool TMdiClientSubclass::ActiveChildMaximized() const {
  BOOL maximized = FALSE;
  const HWND active =
      reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

LRESULT TMdiClientSubclass::ClientWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TSkinData& data = *frame_.SkinData();
  switch (msg) {
    case WM_NCCALCSIZE:
      // The skin has no scroll bars for the client; the children are reached by their menu.
      if (frame_.SkinsFrames())
        SetWindowLongPtrW(client_, GWL_STYLE, GetWindowLongPtrW(client_, GWL_STYLE) & kWithoutScrollBars);
      return subclass_.CallOld(msg, wParam, lParam);
    case WM_MDICREATE: {
      const LRESULT child = subclass_.CallOld(msg, wParam, lParam);
      data.SetMenuUpdate(false);
      // The child is attached once its creation is over and the client has
      // set the frame's menu up for it.
      if (child) {
        newMdiChildren_.push_back(reinterpret_cast<HWND>(child));
        PostMessageW(client_, WM_MDIREFRESHMENU, 0, 0);
      }
      return child;
    }
    case WM_MDIREFRESHMENU: {
      const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
      if (!newMdiChildren_.empty()) {
        for (HWND child : newMdiChildren_) host_.AttachMdiChild(child);
        PostMessageW(frame_.WindowHandle(), SKM_REPAINTFRAME, 0, 0);
        newMdiChildren_.clear();
      }
      return result;
    }
    case WM_MDIDESTROY: {
      const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
      host_.SetMdiMaximized(ActiveChildMaximized());
      // The last child gone, the bar follows its menu's changes again.
      if (TWinSkinMenu* bar = frame_.MenuBar(); bar && !GetWindow(client_, GW_CHILD)) {
        data.SetMenuUpdate(savedMenuUpdate_);
        bar->BuildFromMenuHandle(GetMenu(frame_.WindowHandle()));
      }
      return result;
    }
    case WM_MDISETMENU: {
      TWinSkinMenu* bar = frame_.MenuBar();
      const bool takesMenu =
          wParam && bar && (reinterpret_cast<HMENU>(wParam) != bar->MenuHandle() || !newMdiChildren_.empty());
      const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
      if (takesMenu) bar->BuildFromNativeMenu();
      // The skinned bar stands for the frame's menu.
      if (bar) SetMenu(frame_.WindowHandle(), nullptr);
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE: {
      const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
      if (host_.MdiMaximized()) host_.SetMdiMaximized(false);
      return result;
    }
    case WM_NCDESTROY: {
      const LRESULT result = subclass_.CallOld(msg, wParam, lParam);
      subclass_.Restore();
      // Children going with their frame are not destroyed one by one.
      data.SetMenuUpdate(savedMenuUpdate_);
      return result;
    }
    default:
      return subclass_.CallOld(msg, wParam, lParam);
  }
}

}  // namespace skin
