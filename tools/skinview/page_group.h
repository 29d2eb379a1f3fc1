#pragma once
// A group of controls on a gallery page: a lowered panel with its heading, in
// a grid of two columns and two rows; the controls go below the heading.

#include <string>

namespace ui {
class TForm;
class TPanel;
}  // namespace ui

namespace skinview {

constexpr int kGroupWidth = 302, kGroupHeight = 216;
constexpr int kGroupTop = 32;  // the first row of controls in a group

// The group at `column`, `row` of `page`, `columns` wide, its controls owned by `form`.
ui::TPanel* Group(ui::TForm& form, ui::TPanel& page, int column, int row, const std::string& heading, int columns = 1);

}  // namespace skinview
