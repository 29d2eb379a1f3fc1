#pragma once
// Input methods chosen by their display names, as a user reads them in the
// system's language bar: an IME's description, or the "Layout Text" of the
// keyboard layout in the registry.

#include <windows.h>

#include <string>

namespace ui {

// The installed keyboard layout whose display name is exactly `name` (GBK),
// or nullptr.
HKL FindKeyboardLayout(const std::string& name);

// Activates for the calling thread the installed layout named `name` (GBK);
// when none has that name nothing changes.
void ActivateInputMethod(const std::string& name);

}  // namespace ui
