#include "tools/skinview/skin_source.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

#include "skin/component/skin_data.h"
#include "skin/data/skin_stream.h"
#include "text/gbk.h"
#include "tools/skinview/skin_resources.h"
#include "window/resource_bytes.h"

namespace skinview {
namespace {

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(text::GbkToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string TSkinSource::LoadFile(const std::string& path) {
  std::string problem;
  if (!IsFile(path)) {
    problem = "The skin file \"" + path + "\" does not exist.";
  } else {
    // What the skin reader would say in a box of its own (an older version)
    // becomes part of the one message.
    std::string readerSays;
    auto showMessage = std::exchange(data_.ShowMessage, [&readerSays](std::string_view text) {
      readerSays.assign(text);
      std::replace(readerSays.begin(), readerSays.end(), '\r', ' ');
    });
    bool loaded = false;
    try {
      loaded = data_.SetSkinFile(path);  // applies the skin itself when it loads
    } catch (const std::exception&) {
      // A picture that is no valid BMP or a skin too large; the skin worn before stays.
    }
    data_.ShowMessage = std::move(showMessage);
    if (!loaded)
      problem = "\"" + path + "\" is not a skin file that can be read" +
                (readerSays.empty() ? std::string(".") : " (" + readerSays + ").");
  }
  if (problem.empty()) {
    filePath_ = path;
    return {};
  }
  // The skin worn before, and the file it came from (which Reload reads), stay.
  if (!data_.SkinEmpty()) return problem + " The skin shown before stays.";
  LoadBuiltIn(TBuiltInSkin::Default);
  return problem + " The default skin is shown instead.";
}

void TSkinSource::LoadBuiltIn(TBuiltInSkin skin) {
  data_.ReadSkinStream(
      skin::WriteSkinStream(DateWin::ResourceBytes(skin == TBuiltInSkin::Dark ? kDarkSkin : kDefaultSkin)));
  filePath_.clear();
  builtIn_ = skin;
  Apply();
}

std::string TSkinSource::Reload() {
  if (!filePath_.empty()) return LoadFile(filePath_);
  LoadBuiltIn(builtIn_);
  return {};
}

void TSkinSource::Apply() {
  if (!data_.Loading()) data_.ReapplySkin();
}

}  // namespace skinview
