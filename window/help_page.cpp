#include "window/help_page.h"

#include <windows.h>

#include <span>

#include "text/gbk.h"
#include "window/resource_bytes.h"
#include "window/resource_names.h"
#include "window/web/url_encoding.h"

namespace DateWin {
namespace {

struct THelpFile {
  const wchar_t* Resource;
  const wchar_t* FileName;  // as the page names it
};

constexpr THelpFile kHelpFiles[] = {
    {kHelpPageResource, L"index.html"},
    {kHelpWindowPictureResource, L"rilvanta-window.png"},
    {kHelpMenuPictureResource, L"rilvanta-month-menu.png"},
    {kHelpHolidaysPictureResource, L"rilvanta-holidays.png"},
};

bool WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return whole;
}

}  // namespace

// Written again at every opening: a newer program's page replaces an older one.
std::string WriteHelpPage() {
  wchar_t temporary[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
  if (length == 0 || length > MAX_PATH) return {};
  const std::wstring folder = std::wstring(temporary, length) + L"Rilvanta-help\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const THelpFile& file : kHelpFiles) {
    const std::span<const std::uint8_t> bytes = ResourceBytes(file.Resource);
    if (bytes.empty() || !WriteWholeFile(folder + file.FileName, bytes)) return {};
  }
  return FileAddress(text::WideToUtf8(folder + kHelpFiles[0].FileName));
}

}  // namespace DateWin
