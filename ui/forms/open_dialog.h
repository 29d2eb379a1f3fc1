#pragma once
// The system's standard dialog for choosing a file to open. comdlg32, which
// shows it, is loaded when the first dialog runs, not with every start.

#include <string>

#include "ui/base/component.h"

namespace ui {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner);
  std::string ClassName() const override { return "TOpenDialog"; }

  // Pairs of description and patterns, every part ended by '|' but the last:
  // "Skins (*.skn)|*.skn|All files (*.*)|*.*". GBK, as every text here.
  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  // The chosen file's full path; before Execute, the name the dialog proposes.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }
  // The dialog's caption; empty: the system's own.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Runs the dialog modally over the active window; true when a file was chosen.
  bool Execute();

 private:
  std::string filter_;
  std::string fileName_;
  std::string title_;
};

}  // namespace ui
