#pragma once
// Where the gallery's skin comes from: a skin file, read through the skin
// component's SkinFile, or one of the two skins built into the program. A
// file that cannot be read as a skin gives one message and leaves the skin
// worn before, or the default skin when there was none.

#include <string>

namespace skin {
class TSkinData;
}

namespace skinview {

enum class TBuiltInSkin { Default, Dark };

class TSkinSource {
 public:
  explicit TSkinSource(skin::TSkinData& data) : data_(data) {}

  // Loads the skin file (GBK path). When it is missing or no readable skin,
  // keeps the skin worn before (or, with none, loads the default skin) and
  // returns the message for the user; else returns the empty text.
  std::string LoadFile(const std::string& path);
  void LoadBuiltIn(TBuiltInSkin skin);
  // Reads the current skin file, or the built-in skin, again.
  std::string Reload();

  // The skin file in use; empty while a built-in skin is.
  const std::string& FilePath() const { return filePath_; }
  TBuiltInSkin BuiltIn() const { return builtIn_; }

 private:
  // Makes the windows show the skin just loaded (nothing while the component is still being read).
  void Apply();

  skin::TSkinData& data_;
  std::string filePath_;
  TBuiltInSkin builtIn_ = TBuiltInSkin::Default;
};

}  // namespace skinview
