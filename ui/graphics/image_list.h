#pragma once
// A list of equally sized images (a comctl32 image list), drawn by index.

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "ui/base/component.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

namespace ui {

// An image list's image size; false for a list without images of a size.
bool ImageListIconSize(HIMAGELIST images, int& width, int& height);
// Image `index` of the list at (x, y): by default its mask colour left out,
// with ILD_MASK its mask alone (black where the image is).
void DrawImageListImage(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style = ILD_TRANSPARENT);

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner, int width = 16, int height = 16);
  ~TImageList() override;
  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;
  HIMAGELIST Handle() const { return handle_; }

  // The image may hold several images side by side; returns the first new index or -1.
  int Add(TBitmap& image, TBitmap* mask);
  // Pixels of the mask colour become transparent.
  int AddMasked(TBitmap& image, TColour maskColor);
  // A disabled image is drawn in the system's embossed grey look.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

  // One-colour marks (glyphs) that a drawer paints in the colour of the text beside them.
  bool Marks() const { return marks_; }
  void SetMarks(bool marks) { marks_ = marks; }

 private:
  int width_, height_;
  bool marks_ = false;
  HIMAGELIST handle_;
};

}  // namespace ui
