#pragma once
// A header control (the comctl32 header): a row of column headings the user
// can click and size. The sections are kept before the window exists and
// given to it when it is made; once it exists, the widths are the window's,
// as the user may drag them.

#include <functional>
#include <vector>

#include "ui/controls/header_section.h"
#include "ui/controls/win_control.h"

namespace ui {

class TImageList;

using TSectionEvent = std::function<void(TComponent* sender, int section)>;

class THeaderControl : public TWinControl {
 public:
  explicit THeaderControl(TComponent* owner);
  std::string ClassName() const override { return "THeaderControl"; }

  int SectionCount() const { return static_cast<int>(sections_.size()); }
  THeaderSection Section(int index) const;
  void AddSection(const THeaderSection& section);
  // The images the sections' image indexes refer to; not owned.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  // After the user clicked a section.
  TSectionEvent OnSectionClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  HWND CreateWindowHandle(const TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  static void InsertSection(HWND window, int index, const THeaderSection& section);

  std::vector<THeaderSection> sections_;
  TImageList* images_ = nullptr;
};

}  // namespace ui
