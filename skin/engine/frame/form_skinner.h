#pragma once
// What the skin manager asks of the frame skinner of a top-level window.
// The manager alone owns the frame skinners it holds and frees them: when it
// detaches them (deactivation, its own end), and after a skinner's window is
// destroyed, once the skinner has told it so (TFormSkinnerHost).

#include <windows.h>

namespace skin {

class TSkinData;

// Where a frame skinner is in its life.
enum class TFormSkinnerState {
  Created = 0,
  Active = 1,
  Refreshing = 3,
  // While its window is destroyed (or the manager is): nothing is restored.
  Destroying = 4,
  // While the first SKM_ATTACHED fits the window to the skin's frame.
  Fitting = 5,
  // After WM_NCDESTROY, until the manager's purge frees it.
  Destroyed = 6,
};

// The window's part in a multiple-document interface.
enum class TMdiKind { None = 0, Frame = 1, Child = 2 };

class TFormSkinner {
 public:
  virtual ~TFormSkinner() = default;

  // The window it serves.
  virtual HWND WindowHandle() const = 0;
  // The skin component it paints with.
  virtual TSkinData* SkinData() const = 0;
  virtual TFormSkinnerState State() const = 0;
  virtual void SetState(TFormSkinnerState state) = 0;
  virtual TMdiKind MdiKind() const = 0;

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
  // An MDI child's skinner: the frame's children are now shown maximised
  // (the system draws their frames), or no longer.
  virtual void MdiMaximizedChanged(bool maximized) = 0;
};

}  // namespace skin
