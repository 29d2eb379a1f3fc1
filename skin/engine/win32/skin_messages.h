#pragma once
// The skin engine's private window messages, in the range Windows leaves to
// private window classes. They pass between the manager, the skinners and
// the skinned windows.

namespace skin {

// Sent to a skinned form by other code: re-apply colours and frame.
inline constexpr unsigned SKM_REFRESH = 0x3401;
// Posted to an MDI frame: repaint the non-client area now.
inline constexpr unsigned SKM_REPAINTFRAME = 0x3502;
// Posted to a window right after its frame skinner was attached (wParam 0,
// lParam kAttachedTag): the skinner fits the window to the skin's frame.
inline constexpr unsigned SKM_ATTACHED = 0x3503;
inline constexpr long kAttachedTag = 1000;
// Sent to any window: one with a frame or popup-menu skinner answers
// kSkinnedAnswer; any other answer means it is not skinned.
inline constexpr unsigned SKM_QUERYSKINNED = 0x3504;
inline constexpr long kSkinnedAnswer = 1;

}  // namespace skin
