#include "framework/core/string_list.h"

#include "framework/core/property_builders.h"
#include "framework/core/text_util.h"

namespace fw {

const ClassInfo& TStrings::StaticClass() {
  static const PropInfo kProps[] = {
      ListProp<&TStrings::Strings, &TStrings::SetStrings>("Strings"),
  };
  static const ClassInfo info = MakeClass<TStrings, Persistent>("TStrings", kProps);
  return info;
}

void TStrings::SetStrings(const std::vector<std::string>& lines) {
  lines_ = lines;
  Changed();
}

void TStrings::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

int TStrings::IndexOf(std::string_view line) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (SameText(lines_[i], line)) return static_cast<int>(i);
  return -1;
}

void TStrings::Changed() {
  if (onChange) onChange();
}

}  // namespace fw
