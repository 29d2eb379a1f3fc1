#pragma once
// What a frame skinner asks of whoever holds it (the skin manager): the state
// the MDI children of the thread share, attaching a child an MDI frame's
// client has made, the loaded skin components, freeing the skinner once its
// window is gone, and the backgrounds of the skinned menu popups its menus'
// items are drawn on. Handed to the skinner when it is made.

#include <windows.h>

#include <vector>

#include "skin/engine/menus/popup_skinner.h"

namespace skin {

class TFormSkinner;
class TSkinData;

class TFormSkinnerHost : public TPopupBackgrounds {
 public:
  // Whether MDI children are shown maximised (the system draws their frames
  // then); a change reaches the skinner of every MDI child.
  virtual bool MdiMaximized() const = 0;
  virtual void SetMdiMaximized(bool maximized) = 0;
  // Attaches a child that the client window of a skinned MDI frame has just made.
  virtual bool AttachMdiChild(HWND child) = 0;
  // The loaded skin components, in load order.
  virtual const std::vector<TSkinData*>& SkinDatas() const = 0;
  // The skinner's window is destroyed and the skinner Destroyed: a skinner
  // the host holds is freed soon after, outside the window's last message.
  virtual void SkinnedWindowDestroyed(TFormSkinner& skinner) = 0;

 protected:
  ~TFormSkinnerHost() = default;
};

}  // namespace skin
