#pragma once
// A list view (the comctl32 list view) in report style: rows of items, each
// a caption with an optional small image and texts in the further columns,
// under a header of column headings. Columns and items are kept here and
// given to the window when it is made; the selection is the window's once it
// exists.

#include <string>
#include <vector>

#include "ui/controls/header_section.h"
#include "ui/controls/win_control.h"

namespace ui {

class TImageList;

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  std::string ClassName() const override { return "TListView"; }

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const THeaderSection& Column(int index) const { return columns_.at(index); }
  void AddColumn(const THeaderSection& column);

  int ItemCount() const { return static_cast<int>(items_.size()); }
  // Adds a row; returns its index.
  int AddItem(const std::string& caption, int imageIndex = kNoImageIndex);
  // The text of a row in a column: 0 is the caption, the others its sub-items.
  std::string ItemText(int item, int column) const;
  void SetItemText(int item, int column, const std::string& text);
  // The selected row, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);

  // The images of the rows and the column headings; not owned.
  TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TImageList* images);
  // The window of the column headings, or nullptr.
  HWND HeaderHandle();

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  struct TItem {
    std::vector<std::string> Texts;  // the caption first
    int ImageIndex = kNoImageIndex;
  };
  static void InsertColumn(HWND window, int index, const THeaderSection& column);
  static void InsertItem(HWND window, int index, const TItem& item);
  static void SendItemText(HWND window, int item, int column, const std::string& text);
  HWND MadeWindow() const;

  std::vector<THeaderSection> columns_;
  std::vector<TItem> items_;
  int itemIndex_ = -1;
  TImageList* smallImages_ = nullptr;
};

}  // namespace ui
