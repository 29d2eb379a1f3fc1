// The programs a user gets say what they are, read back from the built files
// the way Windows reads them: the version resource, the icon and the manifest.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct TProgramFile {
  const wchar_t* Name;
  const char* UnixPath;
};

const TProgramFile kPrograms[] = {
    {L"rilvanta.exe", RILVANTA_EXE}, {L"skintool.exe", SKINTOOL_EXE}, {L"rilvanta-cal.exe", RILVANTA_CAL_EXE}};

// A path of the build as Wine's drive Z: shows it.
std::wstring WindowsPath(const std::string& unixPath) {
  const std::string path = "Z:" + unixPath;
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                      static_cast<int>(wide.size()));
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

// A file's version resource as GetFileVersionInfoW gives it.
class TVersionInfo {
 public:
  explicit TVersionInfo(const std::wstring& file) {
    DWORD ignored = 0;
    block_.resize(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    loaded_ = !block_.empty() && GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block_.size()), block_.data());
  }

  bool Loaded() const { return loaded_; }

  const VS_FIXEDFILEINFO* Fixed() const {
    return static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", sizeof(VS_FIXEDFILEINFO)));
  }

  // A value of the string table that the file's first translation names.
  std::wstring String(const wchar_t* name) const {
    const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", 2 * sizeof(WORD)));
    if (!translation) return L"(no translation)";
    wchar_t key[128];
    std::swprintf(key, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    const auto* value = static_cast<const wchar_t*>(Query(key, 0));
    return value ? value : L"(missing)";
  }

 private:
  const void* Query(const wchar_t* key, UINT leastBytes) const {
    void* value = nullptr;
    UINT length = 0;
    if (!loaded_ || !VerQueryValueW(block_.data(), key, &value, &length) || length < leastBytes) return nullptr;
    return value;
  }

  std::vector<BYTE> block_;
  bool loaded_ = false;
};

std::wstring Widened(const char* text) { return std::wstring(text, text + std::strlen(text)); }

TEST(ProgramIdentity, EveryProgramCarriesTheProjectVersionAndNamesItself) {
  for (const TProgramFile& program : kPrograms) {
    SCOPED_TRACE(program.UnixPath);
    const TVersionInfo info(WindowsPath(program.UnixPath));
    ASSERT_TRUE(info.Loaded());
    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    wchar_t fileVersion[32];
    std::swprintf(fileVersion, 32, L"%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                  HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(fileVersion, Widened(RILVANTA_EXPECTED_VERSION));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(info.String(L"ProductName"), L"Rilvanta");
    EXPECT_EQ(info.String(L"ProductVersion"), Widened(RILVANTA_EXPECTED_VERSION));
    EXPECT_EQ(info.String(L"FileVersion"), Widened(RILVANTA_EXPECTED_VERSION));
    EXPECT_EQ(info.String(L"OriginalFilename"), program.Name);
    EXPECT_NE(info.String(L"FileDescription").find(L"Rilvanta"), std::wstring::npos);
    EXPECT_EQ(info.String(L"LegalCopyright").rfind(L"Copyright \u00A9 ", 0), 0u) << "a copyright line";
  }
}

// The manifest, as the loader's activation context reads it: a malformed one fails here.
bool ManifestParses(const std::wstring& file) {
  ACTCTXW context{};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = file.c_str();
  context.lpResourceName = MAKEINTRESOURCEW(1);
  const HANDLE handle = CreateActCtxW(&context);
  if (handle == INVALID_HANDLE_VALUE) return false;
  ReleaseActCtx(handle);
  return true;
}

std::string ResourceText(HMODULE module, LPCWSTR name, LPCWSTR type) {
  const HRSRC found = FindResourceW(module, name, type);
  if (!found) return {};
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

#pragma pack(push, 2)
struct TIconGroupEntry {  // GRPICONDIRENTRY
  BYTE Width, Height, Colours, Reserved;
  WORD Planes, BitCount;
  DWORD Bytes;
  WORD Id;
};
#pragma pack(pop)

TEST(ProgramIdentity, EveryProgramHasTheIconInFourSizesAndAnAsInvokerManifest) {
  for (const TProgramFile& program : kPrograms) {
    SCOPED_TRACE(program.UnixPath);
    const std::wstring file = WindowsPath(program.UnixPath);
    const HMODULE module =
        LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);

    const std::string group = ResourceText(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(TIconGroupEntry));
    std::vector<int> sides;
    for (WORD i = 0; i < count; ++i) {
      const auto& entry = reinterpret_cast<const TIconGroupEntry*>(group.data() + 6)[i];
      sides.push_back(entry.Width == 0 ? 256 : entry.Width);
      EXPECT_EQ(entry.BitCount, 32);
    }
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, (std::vector<int>{16, 32, 48, 256}));

    // The image Windows would pick for a 32-pixel icon makes an icon.
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(const_cast<char*>(group.data())), TRUE, 32, 32,
                                               LR_DEFAULTCOLOR);
    std::string image = ResourceText(module, MAKEINTRESOURCEW(id), RT_ICON);
    const HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                                                TRUE, 0x00030000, 32, 32, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);

    const std::string manifest = ResourceText(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
    FreeLibrary(module);
    EXPECT_TRUE(ManifestParses(file));
  }
}

}  // namespace
