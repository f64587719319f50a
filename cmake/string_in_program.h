// Included ahead of every C++ source of the product tree (see CMakeLists.txt).
//
// std::string's members are compiled into the program's own objects instead of being taken
// from libstdc++'s explicit instantiation of the class. That object file holds every member of
// std::string, and mingw's linker keeps all of them once one is used, since it keeps whatever
// has unwind information; compiled here, only the members the program uses are linked (some
// 28 KB less). The value -1 is libstdc++'s own setting for this ("no extern templates for
// basic_string"), the one its assertion mode uses; the code is the same either way.
#pragma once

#include <bits/c++config.h>

#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
