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
struct HandleEntry {
  std::uint64_t object;  // a free entry may hold the free list's link here
  std::uint32_t owner;   // left 0: each process has a table of its own
  // Byte 0: the kind, with 0x80 on stock objects; byte 1: how often the
  // entry was reused; byte 2: the base kind, 0 once the entry is free.
  std::uint32_t type;
  std::uint64_t userData;
};
static_assert(sizeof(HandleEntry) == 24);
constexpr std::size_t kHandleEntries = 0x10000;
// Where a 64-bit process environment block holds the table's address.
constexpr std::size_t kPebGdiSharedHandleTable = 0xF8;
constexpr unsigned char kStockFlag = 0x80;

class ProcessHandle {
 public:
  explicit ProcessHandle(DWORD processId)
      : handle_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {}
  ~ProcessHandle() {
    if (handle_) CloseHandle(handle_);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  HANDLE get() const { return handle_; }

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
  std::vector<HandleEntry> entries(kHandleEntries);
  if (!ReadFrom(process, table, entries.data(), entries.size() * sizeof(HandleEntry))) return std::nullopt;
  std::map<unsigned char, int> byType;
  for (const HandleEntry& entry : entries)
    if ((entry.type >> 16) & 0xff) ++byType[static_cast<unsigned char>(entry.type & ~kStockFlag & 0xff)];
  return byType;
}

// Every window of the process: top-level ones (hidden ones too) with their
// descendants, and message-only ones, which EnumWindows does not list;
// gathered in a set, so that a window listed twice counts once.
class WindowCount {
 public:
  explicit WindowCount(DWORD processId) : processId_(processId) {
    EnumWindows(AddWithDescendants, reinterpret_cast<LPARAM>(this));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
      AddWithDescendants(window, reinterpret_cast<LPARAM>(this));
  }
  int windows() const { return static_cast<int>(windows_.size()); }

 private:
  static BOOL CALLBACK Add(HWND window, LPARAM self) {
    auto& count = *reinterpret_cast<WindowCount*>(self);
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
  switch (static_cast<GdiObjectType>(type)) {
    case GdiObjectType::kDc:
      return "DC";
    case GdiObjectType::kRegion:
      return "region";
    case GdiObjectType::kPalette:
      return "palette";
    case GdiObjectType::kBitmap:
      return "bitmap";
    case GdiObjectType::kFont:
      return "font";
    case GdiObjectType::kBrush:
      return "brush";
    case GdiObjectType::kEnhancedMetafileDc:
      return "enhanced metafile DC";
    case GdiObjectType::kPen:
      return "pen";
    case GdiObjectType::kMemoryDc:
      return "memory DC";
    case GdiObjectType::kExtendedPen:
      return "extended pen";
    case GdiObjectType::kMetafileDc:
      return "metafile DC";
  }
  char name[16];
  std::snprintf(name, sizeof(name), "kind 0x%02x", type);
  return name;
}

}  // namespace

int GuiObjectCounts::Gdi(GdiObjectType type) const {
  const auto found = gdiByType.find(static_cast<unsigned char>(type));
  return found == gdiByType.end() ? 0 : found->second;
}

int GuiObjectCounts::GdiTotal() const {
  return std::accumulate(gdiByType.begin(), gdiByType.end(), 0,
                         [](int sum, const auto& kind) { return sum + kind.second; });
}

std::optional<GuiObjectCounts> ReadGuiObjectCounts(DWORD processId) {
  ProcessHandle process(processId);
  if (!process.get()) return std::nullopt;
  GuiObjectCounts counts;
  std::optional<std::map<unsigned char, int>> gdi = CountGdiObjects(process.get());
  PROCESS_MEMORY_COUNTERS memory{};
  if (!gdi || !GetProcessMemoryInfo(process.get(), &memory, sizeof(memory))) return std::nullopt;
  counts.gdiByType = std::move(*gdi);
  counts.windows = WindowCount(processId).windows();
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
