#pragma once
// The tooltips of the month grid: one per cell, over its day number and
// lunar text, telling all the calendar knows of the day.

#include <windows.h>

#include <string>

namespace DateWin {

class TDayTooltips {
 public:
  // Tools of `owner`'s client area.
  explicit TDayTooltips(HWND owner);
  ~TDayTooltips();
  TDayTooltips(const TDayTooltips&) = delete;
  TDayTooltips& operator=(const TDayTooltips&) = delete;

  // The cell's area and its text (GBK, lines parted by "\r\n"); an empty
  // text shows no tooltip.
  void SetCell(int cell, const RECT& area, const std::string& text);
  // The mouse moved to this point of the owner's client area. Handed on by
  // the cells themselves: the skinners that subclass the owner later would
  // cut a tooltip's own subclass out of the chain.
  void MouseMovedTo(POINT inOwner);

 private:
  HWND owner_;
  HWND tooltip_ = nullptr;
};

}  // namespace DateWin
