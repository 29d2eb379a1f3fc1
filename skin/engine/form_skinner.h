#pragma once
// What the skin manager asks of the frame skinner of a top-level window.
// The manager owns the frame skinners it holds and frees them through this
// interface; a frame skinner's destructor calls the manager's
// RemoveFormSkinner so that one freed by its form leaves the list too.

#include <windows.h>

namespace skin {

class TSkinData;

class TFormSkinner {
 public:
  virtual ~TFormSkinner() = default;

  // The window it serves.
  virtual HWND WindowHandle() const = 0;
  // The skin component it paints with.
  virtual TSkinData* SkinData() const = 0;
  // True once its window has received WM_NCDESTROY; the purge action frees it then.
  virtual bool WindowDestroyed() const = 0;

  // Frees the caption-button objects (before a skin change).
  virtual void ReleaseCaptionButtons() = 0;
  // Measures the frame of the new skin.
  virtual void RebuildFrameMetrics() = 0;
  // Applies colours and frame again.
  virtual void RefreshSkin() = 0;
  // Detaches fully and restores the window.
  virtual void Unskin() = 0;
  // Detaches while the window is being destroyed, restoring nothing.
  virtual void UnskinOnDestroy() = 0;
};

}  // namespace skin
