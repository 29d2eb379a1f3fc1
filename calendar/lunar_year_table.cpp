#include "calendar/lunar_year_table.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace DateCn {
namespace {

// One entry per year, bytes 0-3 from the high end:
//   byte 0  bit 7: slot 0 is month 12 (1) or month 11 (0); bits 0-6: lunar day of 1 January
//   byte 1-2: bit 15 - k set when month slot k has 30 days, clear for 29
//   byte 3: the leap month's number, 0 for none
// 1989 and 2013 carry the astronomically right month lengths (6th month of 1989
// 30 days and 7th 29; 4th month of 2013 29 days and 5th 30).
// clang-format off
constexpr std::uint32_t kLunarYearTable[] = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500, 0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00,  // 1901-1910
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500, 0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00,  // 1911-1920
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404, 0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06,  // 1921-1930
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00, 0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,  // 1931-1940
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600, 0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00,  // 1941-1950
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03, 0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06,  // 1951-1960
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00, 0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500,  // 1961-1970
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700, 0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,  // 1971-1980
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500, 0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A55D00, 0x85A4BD05,  // 1981-1990
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508, 0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00,  // 1991-2000
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00, 0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600,  // 2001-2010
    0x1B6D2A00, 0x885AAA04, 0x14AB5500, 0x81AAD509, 0x0B52EA00, 0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,  // 2011-2020
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06, 0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900,  // 2021-2030
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700, 0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900,  // 2031-2040
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00, 0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803,  // 2041-2050
};
// clang-format on
static_assert(std::size(kLunarYearTable) == kLastTableYear - kFirstTableYear + 1);

}  // namespace

TLunarMonthRun LunarMonthsOf(int year) {
  const std::uint32_t entry = kLunarYearTable[year - kFirstTableYear];
  const int head = static_cast<int>(entry >> 24);
  const unsigned mask = (entry >> 8) & 0xFFFF;
  const int leapMonth = static_cast<int>(entry & 0xFF);

  TLunarMonthRun run{};
  run.FirstDay = head & 0x7F;
  run.Numbers[0] = (head & 0x80) ? 12 : 11;
  for (int slot = 0; slot < 16; ++slot) {
    run.Lengths[slot] = (mask >> (15 - slot)) & 1 ? 30 : 29;
    // A leap slot's number is negative, so it never matches and the month after it
    // continues from its absolute value.
    const int number = run.Numbers[slot];
    run.Numbers[slot + 1] = number == leapMonth ? -leapMonth : std::abs(number) % 12 + 1;
  }
  return run;
}

}  // namespace DateCn
