#pragma once
// The skins the calendar can wear: those built into the program and every
// *.skn in the "skins" folder beside it. The user's choice is remembered
// under HKEY_CURRENT_USER\Software\Rilvanta.

#include <string>
#include <vector>

namespace skin {
class TSkinData;
}

namespace DateWin {

struct TSkinChoice {
  std::string Caption;                // GBK, as the 皮肤 menu shows it
  const wchar_t* Resource = nullptr;  // a built-in skin's RCDATA; nullptr for a file
  std::wstring File;                  // a skin file's full path
  // How the choice is remembered: the built-in skin's resource name or the file's path.
  std::wstring Key() const { return Resource ? Resource : File; }
};

// The built-in skins, then the folder's *.skn files by name.
std::vector<TSkinChoice> SkinChoices(const std::wstring& skinsFolder);
// The "skins" folder beside the running program.
std::wstring SkinsFolderBesideProgram();
// A skin file named on the command line.
TSkinChoice SkinFileChoice(const std::wstring& path);

// Wears the choice. A skin that cannot be worn leaves the component with the
// skin it had and returns the one message for the user; else empty.
std::string WearSkin(skin::TSkinData& data, const TSkinChoice& choice);

// The remembered choice's key; empty when none is.
std::wstring RememberedSkinKey();
void RememberSkinKey(const std::wstring& key);

}  // namespace DateWin
