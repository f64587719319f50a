// A list of text lines with a change notification; published as the sub-object of a property
// ("Items"), written as "Items.Strings = ( ... )".
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"

namespace fw {

class TStrings : public Persistent {
 public:
  FW_CLASS()

  const std::vector<std::string>& Lines() const { return lines_; }
  std::vector<std::string> Strings() const { return lines_; }
  void SetStrings(const std::vector<std::string>& lines);

  size_t Count() const { return lines_.size(); }
  const std::string& operator[](size_t i) const { return lines_[i]; }
  void Clear();
  int IndexOf(std::string_view line) const;  // without regard to case; -1 if absent

  // Called after every change, so that the holder can bring its window up to date.
  std::function<void()> onChange;

 private:
  void Changed();

  std::vector<std::string> lines_;
};

}  // namespace fw
