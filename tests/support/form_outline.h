// The main window as its description (forms/frm_main.form) gives it, read by the tests rather than
// copied into them: every control's class, parent, page, place and design state, and the
// properties its settings store keeps, in the order in which the description lists the controls.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gv::test {

struct Place {
  std::string name;
  std::string className;  // "TCheckBox", "TWin95SpeedButton", ...
  std::string parent;     // component name of the parent control; "" for a page or the window
  std::string page;       // caption of the notebook page it stands on; "" off the notebook
  bool onPage = false;    // its parent is the page itself
  int left = 0, top = 0, width = 0, height = 0;
  std::string text;   // Caption or Text as designed
  int maxLength = 0;  // 0: no limit
  bool checked = false;
  bool enabled = true;
  bool aligned = false;   // placed by its Align property rather than by its bounds
  bool windowed = false;  // has a window of its own (labels, bevels and speed buttons have not)
};

// One property that the settings store keeps: "CheckBox1" and "Checked".
struct Kept {
  std::string component, property;
  std::string Key() const { return component + "." + property; }
};

class FormOutline {
 public:
  explicit FormOutline(std::string_view description);
  // Reads a description file (a Windows path).
  static FormOutline FromFile(const std::string& path);

  // The place of a control; throws std::out_of_range for a name the description lacks.
  const Place& Of(const std::string& name) const { return places_.at(name); }
  // The names of every component, and of the controls that have windows of their own.
  std::vector<std::string> Names() const;
  std::vector<std::string> WindowedNames() const;
  // The kept properties, each once, in the order of the controls in the description.
  const std::vector<Kept>& KeptProperties() const { return kept_; }

 private:
  std::map<std::string, Place> places_;
  std::vector<Kept> kept_;
};

}  // namespace gv::test
