#pragma once
// The GDI objects, windows and memory a running process holds, read from
// outside it. Wine's GetGuiResources is a stub, so the GDI counts come from
// the process's own GDI handle table, found through its process environment
// block.

#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>

namespace test_support {

// Object kinds as the handle table records them (the type byte of a handle's
// high word). A display DC comes with one more object of kind 0x05.
enum class TGdiObjectType : unsigned char {
  Dc = 0x01,
  Region = 0x04,
  Palette = 0x08,
  Bitmap = 0x09,
  Font = 0x0a,
  Brush = 0x10,
  EnhancedMetafileDc = 0x21,
  Pen = 0x30,
  MemoryDc = 0x41,
  ExtendedPen = 0x50,
  MetafileDc = 0x66,
};

struct GuiObjectCounts {
  // Live GDI objects, stock ones included, by kind.
  std::map<unsigned char, int> gdiByType;
  int windows = 0;  // top-level, child and message-only
  std::size_t workingSetBytes = 0;

  int Gdi(TGdiObjectType type) const;
  int GdiTotal() const;
  bool operator==(const GuiObjectCounts&) const = default;
};

// Nothing when the process cannot be opened or its handle table read.
std::optional<GuiObjectCounts> ReadGuiObjectCounts(DWORD processId);
// The counts once two readings 100 ms apart agree; nothing when they did not
// within 20 s or could not be read.
std::optional<GuiObjectCounts> SettledGuiObjectCounts(DWORD processId);

// One line: "GDI 231 (DC 5, bitmap 40, ...), windows 12, working set 35.1 MB".
std::string Describe(const GuiObjectCounts& counts);

}  // namespace test_support
