#include "tests/e2e/kept_values.h"

#include <stdexcept>

namespace gv::e2e {

KeptValues::KeptValues(const FormOutline& outline) : outline_(outline) {
  for (const Kept& k : outline.KeptProperties()) {
    const Place& place = outline.Of(k.component);
    values_[k.Key()] = k.property == "Checked" ? (place.checked ? "True" : "False") : place.text;
  }
}

std::string KeptValues::Key(const std::string& name, bool check) const {
  for (const Kept& k : outline_.KeptProperties())
    if (k.component == name && (k.property == "Checked") == check) return k.Key();
  throw std::out_of_range(name + " has no kept " + (check ? "check state" : "text"));
}

KeptValues& KeptValues::Check(const std::string& name, bool checked) {
  values_[Key(name, true)] = checked ? "True" : "False";
  return *this;
}

KeptValues& KeptValues::Text(const std::string& name, const std::string& text) {
  values_[Key(name, false)] = text;
  return *this;
}

std::string KeptValues::SettingsFile() const {
  std::string file = "[settings]\r\n";
  for (const Kept& k : outline_.KeptProperties()) {
    const std::string& value = values_.at(k.Key());
    if (k.property == "Checked")
      file += k.Key() + "=" + value + "\r\n";
    else if (!value.empty())
      file += k.Key() + "=" + FileValue(value) + "\r\n";
  }
  return file;
}

std::string FileValue(const std::string& text) {
  std::string out;
  bool quoted = false;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < ' ' || c == '\'') {
      if (quoted) out += '\'';
      quoted = false;
      out += "#" + std::to_string(u);
    } else {
      if (!quoted) out += '\'';
      quoted = true;
      out += c;
    }
  }
  if (quoted) out += '\'';
  if (out.empty()) out = "''";
  return out[0] == '\'' ? "'" + out + "'" : out;
}

}  // namespace gv::e2e
