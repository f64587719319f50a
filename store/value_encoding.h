// Property values between the window description text and the settings entries.
//
// Flattening turns the description lines of one kept property into entries "key=value": a one-line
// value keeps its path as key; list elements get "(n)" keys; collection items get
// "<item(n)>." prefixes, nested as deep as the collections are; binary data written on several
// rows goes to the binary rows under a section of its own, and the entry "{}" names that section.
// Rebuilding turns one component's entries back into description lines the loader can apply.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/storage_interfaces.h"

namespace store {

// The property a description line belongs to: for "Font.Color = clBlack" it is "Font", for
// "Caption = 'a.b'" "Caption"; "end", "item" and list elements yield an empty name.
std::string LinePropertyName(std::string_view line);

// True for an object header line ("object Name: TClass", any indentation).
bool IsObjectHeader(std::string_view line);

// The component name of an object header line; empty for an unnamed object ("object TPage") and
// for a line that is not a header.
std::string HeaderComponentName(std::string_view line);

// Number of leading spaces of a description line.
int Indentation(std::string_view line);

// Description text split into lines without their ends (CR LF, LF or CR).
std::vector<std::string> SplitLines(std::string_view text);

// Flattens the property that starts at lines[index] and moves index past its last line.
// key_prefix goes in front of every key (empty at a component's top level); section_prefix is the
// owner chain of the component ("frmMain.Win95SpeedButton2."), which with the key prefix and the
// property path names the binary-data section of a property.
void FlattenProperty(const std::vector<std::string>& lines, size_t& index, const std::string& key_prefix,
                     const std::string& section_prefix, BinaryRows& binary,
                     std::vector<std::string>& entries);

// Rebuilds one component's property=value lines (keys without the component name) into
// description lines at the given indentation (2 for a component's own properties). Lines
// without "=" are passed over. When top_collections is given, it receives the name of every
// collection the lines assign at their top level, so that the caller can empty it first.
void RebuildProperties(const std::vector<std::string>& lines, int indentation, BinaryRows& binary,
                       std::vector<std::string>& out, std::vector<std::string>* top_collections);

// The one-object description text for a component: "object Name: TClass", the rebuilt lines and
// "end", each line ended by CR LF.
std::string BuildObjectText(const std::string& name, const std::string& class_name,
                            const std::vector<std::string>& lines, BinaryRows& binary,
                            std::vector<std::string>* top_collections);

}  // namespace store
