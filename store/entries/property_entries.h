// Property values between the description tree and the settings entries.
//
// Flattening turns one property of the tree into entries "key=value", each value in the
// description text's own syntax: a value that fits on a line keeps its path as key; list
// elements get "(n)" keys; collection items get "<item(n)>." prefixes, nested as deep as the
// collections are; binary data of a row or more goes to the binary rows under a section of its
// own, and the entry "{}" names that section. Rebuilding turns entries back into properties of
// the tree, parsed by the description parser, for the loader to apply.
#pragma once

#include <string>
#include <vector>

#include "framework/core/desc_tree.h"
#include "store/storage_interfaces.h"

namespace gv::store {

// Appends the entries of one property. keyPrefix goes in front of every key (empty at a
// component's top level); sectionPrefix is the owner chain of the component
// ("frmMain.Win95SpeedButton2."), which with the key prefix and the property path names the
// binary-data section of a property.
void FlattenProperty(const fw::desc::Property& property, const std::string& keyPrefix,
                     const std::string& sectionPrefix, BinaryRows& binary, std::vector<std::string>& entries);

// One entry of a component: its key without the component's name ("Checked",
// "Lines.Strings(0)", "Items<item(1)>.Width") and its value text. number tells the entry apart
// in reports: every property rebuilt from it carries it as its line.
struct Entry {
  std::string key;
  std::string value;
  int number = 0;
};

// An entry that could not be made into a property, and why ("Invalid string constant").
struct EntryFault {
  int number = 0;
  std::string reason;
};

// The properties that one component's entries stand for, in the order of the entries. Runs of
// list elements and of collection items make one property each; each item takes the place its
// number gives it, and a number without entries stands for an item of default values. An entry whose value
// does not parse is left out and reported in faults, and so is the whole list it belongs to.
std::vector<fw::desc::Property> RebuildProperties(const std::vector<Entry>& entries, BinaryRows& binary,
                                                  std::vector<EntryFault>& faults);

}  // namespace gv::store
