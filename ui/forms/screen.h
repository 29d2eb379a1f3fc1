#pragma once
// The live forms of the program, in creation order, and the system fonts.

#include <vector>

#include "ui/graphics/font.h"

namespace ui {

class TForm;

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_.at(index); }
  // The form whose window this is, or nullptr.
  TForm* FindForm(HWND window) const;
  // The system's menu font, read now.
  const TFont& MenuFont();

 private:
  friend class TForm;
  void AddForm(TForm* form) { forms_.push_back(form); }
  void RemoveForm(TForm* form);

  std::vector<TForm*> forms_;
  TFont menuFont_;
};

TScreen& Screen();

}  // namespace ui
