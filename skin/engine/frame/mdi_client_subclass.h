#pragma once
// The MDI client window of a skinned MDI frame, subclassed by the frame's
// skinner: children created in it are attached once the client has set
// their menu up, maximised children switch the children's frames between
// the skin's and the system's, and the client loses its own scroll-bar
// styles while the skin paints frames.

#include <windows.h>

#include <vector>

#include "skin/engine/frame/form_skinner_host.h"
#include "skin/engine/win32/window_subclass.h"

namespace skin {

class TWinSkinForm;

class TMdiClientSubclass {
 public:
  // Subclasses the frame's MDI client window; `host` holds the frame's skinner.
  TMdiClientSubclass(TWinSkinForm& frame, TFormSkinnerHost& host);
  TMdiClientSubclass(const TMdiClientSubclass&) = delete;
  TMdiClientSubclass& operator=(const TMdiClientSubclass&) = delete;

  HWND Window() const { return client_; }
  // Whether the client's active child is shown maximised.
  bool ActiveChildMaximized() const;

 private:
  LRESULT ClientWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

  TWinSkinForm& frame_;
  TFormSkinnerHost& host_;
  // The skin component's MenuUpdate as the frame found it.
  const bool savedMenuUpdate_;
  HWND client_;
  // Children created since the client last set the frame's menu up (several
  // may be made before it does).
  std::vector<HWND> newMdiChildren_;
  TWindowSubclass subclass_;
};

}  // namespace skin
