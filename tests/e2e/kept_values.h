// The option values the settings store keeps, as a scenario expects them: the design values of
// the window's description with the scenario's changes; and the settings file they make.
#pragma once

#include <map>
#include <string>

#include "tests/support/form_outline.h"

namespace gv::e2e {

using test::FormOutline;
using test::Kept;
using test::Place;

class KeptValues {
 public:
  // The design values: check states and texts as the description sets them.
  explicit KeptValues(const FormOutline& outline);

  KeptValues& Check(const std::string& name, bool checked = true);
  KeptValues& Text(const std::string& name, const std::string& text);  // Text or Caption

  // "True"/"False" for a check state, the plain text for a text.
  const std::string& Value(const std::string& key) const { return values_.at(key); }
  const std::map<std::string, std::string>& All() const { return values_; }

  // The whole settings file a save of these values writes: the section line, then a line for
  // every kept check state and every kept text that is not empty, in the description's order
  // of the controls, each ended by CR LF.
  std::string SettingsFile() const;

 private:
  std::string Key(const std::string& name, bool check) const;

  const FormOutline& outline_;
  std::map<std::string, std::string> values_;
};

// A text as the settings file holds it: in the description's string syntax (quoted runs, "#"
// and the code for a quote or a control character), with one more pair of quotes around a
// value that begins with a quote.
std::string FileValue(const std::string& text);

}  // namespace gv::e2e
