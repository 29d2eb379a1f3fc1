#include "generated_skin.h"

#include <functional>
#include <sstream>

#include "bmp_builder.h"
#include "skin/data/skin_archive_writer.h"
#include "skin/data/skin_stream.h"

namespace skin {
namespace generatedskin {

COLORREF InactiveShade(COLORREF active) {
  return RGB(GetRValue(active) / 2, GetGValue(active) / 2, GetBValue(active) / 2);
}

COLORREF ButtonColour(int index, int frame) { return RGB(60 + 60 * index, 250 - 40 * frame, 30 * frame); }

}  // namespace generatedskin
namespace {

using namespace generatedskin;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kMagentaCorner = 3;
constexpr int kSideLength = 40;
constexpr int kEdgeLength = 60;
constexpr int kMenuBarHeight = 20;
constexpr const char* kButtonNames[3] = {"close", "maximize", "minimize"};
constexpr int kButtonActions[3] = {0, 1, 2};

// A picture of `frames` cells of cellWidth x cellHeight, side by side or stacked.
std::vector<std::uint8_t> CellPicture(int cellWidth, int cellHeight, int frames, bool stacked,
                                      const std::function<COLORREF(int frame, int x, int y)>& colour) {
  const int width = stacked ? cellWidth : cellWidth * frames;
  const int height = stacked ? cellHeight * frames : cellHeight;
  return skintest::Bmp24(width, height, [&](int x, int y) {
    const int frame = stacked ? y / cellHeight : x / cellWidth;
    return static_cast<std::uint32_t>(colour(frame + 1, x % cellWidth, y % cellHeight));
  });
}

// A border's picture in its colour, the inactive cell shaded; the outer top
// corner magenta when the side borders are cut.
std::vector<std::uint8_t> BorderPicture(const TSkinRecipe& recipe, COLORREF active, int cellWidth, int cellHeight,
                                        bool stacked, int cornerX) {
  return CellPicture(cellWidth, cellHeight, recipe.BorderFrames, stacked, [&](int frame, int x, int y) {
    const bool corner = cornerX >= 0 && y < kMagentaCorner && x >= cornerX && x < cornerX + kMagentaCorner;
    if (corner && recipe.TransparentBorders) return kMagenta;
    return frame == 1 ? active : InactiveShade(active);
  });
}

std::string ColourText(COLORREF colour) {
  std::ostringstream text;
  text << static_cast<int>(GetRValue(colour)) << ',' << static_cast<int>(GetGValue(colour)) << ','
       << static_cast<int>(GetBValue(colour));
  return text.str();
}

std::string Settings(const TSkinRecipe& recipe) {
  std::ostringstream ini;
  ini << "[TitlebarSkin]\nSkinName=" << recipe.Name << "\n[Personality]\n";
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
    ini << side << '=' << side << ".bmp\n"
        << side << "TopHeight=" << recipe.BorderMargin << '\n'
        << side << "BotHeight=" << recipe.BorderMargin << '\n'
        << side << "Frame=" << recipe.BorderFrames << '\n'
        << side << "Stretch=" << (recipe.TiledEdges ? 0 : 1) << '\n'
        << side << "Trans=" << (recipe.TransparentBorders ? 1 : 0) << '\n';
  }
  ini << "TextAlignment=" << recipe.TitleAlignment
      << "\nTextShift=4\nTextShiftVert=0\nTextRightClip=" << recipe.TextRightClip << '\n';
  if (!recipe.ElementsMissing)
    ini << "TextBack=textback.bmp\nTXTBackleft=3\nTXTBackRight=3\nmenuBar=menubar.bmp\nTileLeftMenu=2\n"
           "TileRightMenu=2\n";
  ini << "[Colours]\nButtonFace=" << ColourText(kFace) << "\nMenubar=" << ColourText(kMenuBar)
      << "\nTitleTextActive=" << ColourText(kTitleText) << "\nTitleTextNoActive=" << ColourText(kTitleTextInactive)
      << '\n';
  for (int i = 0; i < 3; ++i) {
    const int align = recipe.ButtonAlign;
    const int offset = align == 0 ? kSideWidth + kButtonOffsets[i] - kButtonSize : kButtonOffsets[i];
    ini << "[Button" << i << "]\nAction=" << kButtonActions[i] << "\nAlign=" << align << "\nXcoord=" << offset
        << "\nYcoord=" << kButtonTop << "\nVisibility=" << (i == 1 ? recipe.MaximizeVisibility : 0)
        << "\nVisibility1=0\nframe=" << recipe.ButtonFrames << "\nButtonImage=" << kButtonNames[i] << ".bmp\n";
  }
  if (!recipe.ElementsMissing) {
    // The window's icon, at the left end of the title unless the buttons stand there.
    const int iconAlign = recipe.ButtonAlign == 0 ? 1 : 0;
    const int iconX = iconAlign == 0 ? kSideWidth + 2 : kButtonOffsets[2] + kButtonSize + 2;
    ini << "[Button3]\nAction=3\nAlign=" << iconAlign << "\nXcoord=" << iconX << "\nYcoord=" << kButtonTop
        << "\nVisibility=0\nVisibility1=0\n";
  }
  return ini.str();
}

std::vector<TSkinEntry> Entries(const TSkinRecipe& recipe) {
  const std::string text = Settings(recipe);
  std::vector<TSkinEntry> entries{{"skin.ini", std::vector<std::uint8_t>(text.begin(), text.end())}};
  const int side = kSideWidth;
  entries.push_back({"left.bmp", BorderPicture(recipe, kLeft, side, kSideLength, false, 0)});
  entries.push_back({"right.bmp", BorderPicture(recipe, kRight, side, kSideLength, false, side - kMagentaCorner)});
  entries.push_back({"top.bmp", BorderPicture(recipe, kTop, kEdgeLength, kTitleHeight, true, -1)});
  entries.push_back({"bottom.bmp", BorderPicture(recipe, kBottom, kEdgeLength, kBottomHeight, true, -1)});
  for (int i = 0; i < 3; ++i)
    entries.push_back({std::string(kButtonNames[i]) + ".bmp",
                       CellPicture(kButtonSize, kButtonSize, recipe.ButtonFrames, false,
                                   [i](int frame, int, int) { return ButtonColour(i, frame); })});
  if (!recipe.ElementsMissing) {
    entries.push_back({"textback.bmp", CellPicture(20, kTitleHeight, 2, true, [](int frame, int, int) {
                         return frame == 1 ? kTextBack : kTextBackInactive;
                       })});
    entries.push_back({"menubar.bmp", CellPicture(40, kMenuBarHeight, 2, true, [](int frame, int, int) {
                         return frame == 1 ? kMenuBar : InactiveShade(kMenuBar);
                       })});
  }
  return entries;
}

}  // namespace

std::vector<std::uint8_t> GeneratedSkinArchive(const TSkinRecipe& recipe) {
  return ComposeSkinArchive(Entries(recipe));
}

std::vector<std::uint8_t> GeneratedSkinStream(const TSkinRecipe& recipe) {
  return WriteSkinStream(GeneratedSkinArchive(recipe));
}

}  // namespace skin
