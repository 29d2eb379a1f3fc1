#include "ui/base/shortcut.h"

namespace ui {
namespace {

std::string KeyName(WORD key) {
  std::string name;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return name.assign(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return name.assign("F").append(std::to_string(key - VK_F1 + 1));
  switch (key) {
    case VK_BACK:
      return "BkSp";
    case VK_TAB:
      return "Tab";
    case VK_RETURN:
      return "Enter";
    case VK_ESCAPE:
      return "Esc";
    case VK_SPACE:
      return "Space";
    case VK_INSERT:
      return "Ins";
    case VK_DELETE:
      return "Del";
    default:
      return "";
  }
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return "";
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text.append(name);
}

}  // namespace ui
