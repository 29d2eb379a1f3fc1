#include "gui_object_counts.h"

#include <psapi.h>
#include <winternl.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <set>
#include <thread>
#include <vector>

namespace test_support {
namespace {

// The handle table as Wine lays it out (worked out by creating known numbers
// of each kind and watching the table): 65536 entries of 24 bytes, indexed
// by a handle's low word.
struct THandleEntry {
  std::uint64_t Object;  // a free entry may hold the free list's link here
  std::uint32_t Owner;   // left 0: each process has a table of its own
  // Byte 0: the kind, with 0x80 on stock objects; byte 1: how often the
  // entry was reused; byte 2: the base kind, 0 once the entry is free.
  std::uint32_t Type;
  std::uint64_t UserData;
};
static_assert(sizeof(THandleEntry) == 24);
constexpr std::size_t kHandleEntries = 0x10000;
// Where a 64-bit process environment block holds the table's address.
constexpr std::size_t kPebGdiSharedHandleTable = 0xF8;
constexpr unsigned char kStockFlag = 0x80;

class TProcessHandle {
 public:
  explicit TProcessHandle(DWORD processId)
      : handle_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {}
  ~TProcessHandle() {
    if (handle_) CloseHandle(handle_);
  }
  TProcessHandle(const TProcessHandle&) = delete;
  TProcessHandle& operator=(const TProcessHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool ReadFrom(HANDLE process, std::uintptr_t address, void* buffer, std::size_t size) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, reinterpret_cast<const void*>(address), buffer, size, &read) && read == size;
}

std::optional<std::map<unsigned char, int>> CountGdiObjects(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
    return std::nullopt;
  std::uintptr_t table = 0;
  if (!ReadFrom(process, reinterpret_cast<std::uintptr_t>(basic.PebBaseAddress) + kPebGdiSharedHandleTable, &table,
                sizeof(table)) ||
      table == 0)
    return std::nullopt;
  std::vector<THandleEntry> entries(kHandleEntries);
  if (!ReadFrom(process, table, entries.data(), entries.size() * sizeof(THandleEntry))) return std::nullopt;
  std::map<unsigned char, int> byType;
  for (const THandleEntry& entry : entries)
    if ((entry.Type >> 16) & 0xff) ++byType[static_cast<unsigned char>(entry.Type & ~kStockFlag & 0xff)];
  return byType;
}

// Every window of the process: top-level ones (hidden ones too) with their
// descendants, and message-only ones, which EnumWindows does not list;
// gathered in a set, so that a window listed twice counts once.
class TWindowCount {
 public:
  explicit TWindowCount(DWORD processId) : processId_(processId) {
    EnumWindows(AddWithDescendants, reinterpret_cast<LPARAM>(this));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
      AddWithDescendants(window, reinterpret_cast<LPARAM>(this));
  }
  int Windows() const { return static_cast<int>(windows_.size()); }

 private:
  static BOOL CALLBACK Add(HWND window, LPARAM self) {
    auto& count = *reinterpret_cast<TWindowCount*>(self);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count.processId_) count.windows_.insert(window);
    return TRUE;
  }
  static BOOL CALLBACK AddWithDescendants(HWND window, LPARAM self) {
    Add(window, self);
    EnumChildWindows(window, Add, self);
    return TRUE;
  }

  DWORD processId_;
  std::set<HWND> windows_;
};

std::string TypeName(unsigned char type) {
  switch (static_cast<TGdiObjectType>(type)) {
    case TGdiObjectType::Dc:
      return "DC";
    case TGdiObjectType::Region:
      return "region";
    case TGdiObjectType::Palette:
      return "palette";
    case TGdiObjectType::Bitmap:
      return "bitmap";
    case TGdiObjectType::Font:
      return "font";
    case TGdiObjectType::Brush:
      return "brush";
    case TGdiObjectType::EnhancedMetafileDc:
      return "enhanced metafile DC";
    case TGdiObjectType::Pen:
      return "pen";
    case TGdiObjectType::MemoryDc:
      return "memory DC";
    case TGdiObjectType::ExtendedPen:
      return "extended pen";
    case TGdiObjectType::MetafileDc:
      return "metafile DC";
  }
  char name[16];
  std::snprintf(name, sizeof(name), "kind 0x%02x", type);
  return name;
}

}  // namespace

int GuiObjectCounts::Gdi(TGdiObjectType type) const {
  const auto found = gdiByType.find(static_cast<unsigned char>(type));
  return found == gdiByType.end() ? 0 : found->second;
}

int GuiObjectCounts::GdiTotal() const {
  return std::accumulate(gdiByType.begin(), gdiByType.end(), 0,
                         [](int sum, const auto& kind) { return sum + kind.second; });
}

std::optional<GuiObjectCounts> ReadGuiObjectCounts(DWORD processId) {
  TProcessHandle process(processId);
  if (!process.Get()) return std::nullopt;
  GuiObjectCounts counts;
  std::optional<std::map<unsigned char, int>> gdi = CountGdiObjects(process.Get());
  PROCESS_MEMORY_COUNTERS memory{};
  if (!gdi || !GetProcessMemoryInfo(process.Get(), &memory, sizeof(memory))) return std::nullopt;
  counts.gdiByType = std::move(*gdi);
  counts.windows = TWindowCount(processId).Windows();
  counts.workingSetBytes = memory.WorkingSetSize;
  return counts;
}

std::string Describe(const GuiObjectCounts& counts) {
  std::string kinds;
  for (const auto& [type, number] : counts.gdiByType)
    kinds += (kinds.empty() ? "" : ", ") + TypeName(type) + " " + std::to_string(number);
  char memory[32];
  std::snprintf(memory, sizeof(memory), "%.1f MB", counts.workingSetBytes / (1024.0 * 1024.0));
  return "GDI " + std::to_string(counts.GdiTotal()) + " (" + kinds + "), windows " + std::to_string(counts.windows) +
         ", working set " + memory;
}

std::optional<GuiObjectCounts> SettledGuiObjectCounts(DWORD processId) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  std::optional<GuiObjectCounts> last = ReadGuiObjectCounts(processId);
  while (std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(100ms);
    std::optional<GuiObjectCounts> now = ReadGuiObjectCounts(processId);
    if (now && last && now->gdiByType == last->gdiByType && now->windows == last->windows) return now;
    last = std::move(now);
  }
  return std::nullopt;
}

}  // namespace test_support
