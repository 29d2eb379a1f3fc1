#pragma once
// Where the window learns today's date. The program asks the system; tests
// hand the window a fixed day instead.

#include <functional>

namespace DateWin {

// Gives today as a date value of whole days.
using TTodaySource = std::function<double()>;

// The local date of the system now.
double SystemToday();

}  // namespace DateWin
