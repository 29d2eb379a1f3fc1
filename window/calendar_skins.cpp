#include "window/calendar_skins.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

#include "skin/component/skin_data.h"
#include "skin/data/skin_stream.h"
#include "text/gbk.h"
#include "window/gbk_literal.h"
#include "window/registry.h"
#include "window/resource_bytes.h"
#include "window/resource_names.h"
#include "window/start_with_windows.h"

namespace DateWin {
namespace {

constexpr char kSettingsKey[] = "Software\\Rilvanta";
constexpr wchar_t kSkinValue[] = L"Skin";

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

std::vector<std::wstring> SkinFilesIn(const std::wstring& folder) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*.skn").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + L"\\" + found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(files.begin(), files.end());
  return files;
}

// Loads the choice; false when it could not be read, with what the skin
// reader said, if anything, in `readerSays`.
bool Load(skin::TSkinData& data, const TSkinChoice& choice, std::string& readerSays) {
  auto showMessage = std::exchange(data.ShowMessage, [&readerSays](std::string_view text) {
    readerSays.assign(text);
    std::replace(readerSays.begin(), readerSays.end(), '\r', ' ');
    std::replace(readerSays.begin(), readerSays.end(), '\n', ' ');
  });
  bool loaded = false;
  try {
    if (choice.Resource) {
      data.ReadSkinStream(skin::WriteSkinStream(ResourceBytes(choice.Resource)));
      loaded = !data.SkinEmpty();
      if (loaded) data.ReapplySkin();
    } else {
      loaded = data.SetSkinFile(text::WideToGbk(choice.File));
    }
  } catch (const std::exception&) {
    // A picture that is no valid BMP.
  }
  data.ShowMessage = std::move(showMessage);
  return loaded;
}

}  // namespace

std::vector<TSkinChoice> SkinChoices(const std::wstring& skinsFolder) {
  std::vector<TSkinChoice> choices{{Gbk("默认"), kSkinResource, {}}, {Gbk("深色"), kDarkSkinResource, {}}};
  for (const std::wstring& file : SkinFilesIn(skinsFolder)) choices.push_back(SkinFileChoice(file));
  return choices;
}

std::wstring SkinsFolderBesideProgram() {
  const std::wstring program = RunningProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1) + L"skins";
}

TSkinChoice SkinFileChoice(const std::wstring& path) { return {text::WideToGbk(FileName(path)), nullptr, path}; }

// A refused skin leaves the component wearing the one before.
std::string WearSkin(skin::TSkinData& data, const TSkinChoice& choice) {
  std::string readerSays;
  if (Load(data, choice, readerSays)) return {};
  return Gbk("无法使用皮肤文件“") + text::WideToGbk(choice.File) + Gbk("”：它不是能读取的皮肤文件") +
         (readerSays.empty() ? std::string() : Gbk("（") + readerSays + Gbk("）")) + Gbk("。日历保持原来的皮肤。");
}

std::wstring RememberedSkinKey() {
  TRegistry registry(KEY_READ);
  registry.SetRootKey(HKEY_CURRENT_USER);
  return registry.OpenKeyReadOnly(kSettingsKey) ? registry.ReadString(std::wstring(kSkinValue)) : std::wstring();
}

void RememberSkinKey(const std::wstring& key) {
  TRegistry registry(KEY_SET_VALUE);
  registry.SetRootKey(HKEY_CURRENT_USER);
  try {
    if (registry.OpenKey(kSettingsKey, true)) registry.WriteString(kSkinValue, key);
  } catch (const ERegistryException&) {
    // Not remembered: the skin is worn all the same.
  }
}

}  // namespace DateWin
