// What Gorvale.exe carries for Windows, read from the built file: version information that names
// the product and nobody, its icon first among the icons, the manifest, imports from Windows'
// own libraries only. Our windows' class icon, and the terminate handler's error box.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "framework/win32/application.h"
#include "framework/win32/form.h"
#include "framework/win32/framework_setup.h"
#include "tests/support/child_process.h"
#include "tests/support/file_bytes.h"
#include "tests/support/message_box.h"
#include "tests/support/message_loop.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/window_info.h"

namespace gv::test {
namespace {

const std::string kProgram = WindowsPath(GORVALE_EXE);

// A resource of the program, read with the file loaded as data.
std::string ProgramResource(LPCSTR name, LPCSTR type) {
  HMODULE module = ::LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return "";
  std::string bytes;
  HRSRC found = ::FindResourceA(module, name, type);
  HGLOBAL data = found ? ::LoadResource(module, found) : nullptr;
  if (const void* p = data ? ::LockResource(data) : nullptr)
    bytes.assign(static_cast<const char*>(p), ::SizeofResource(module, found));
  ::FreeLibrary(module);
  return bytes;
}

TEST(ReleaseTest, VersionInformationNamesTheProductAndNobody) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(kProgram.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(::GetFileVersionInfoA(kProgram.c_str(), 0, size, info.data()));
  auto text = [&](const char* name) -> std::string {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!::VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
      return "(none)";
    return value;
  };
  EXPECT_EQ(text("ProductName"), "Gorvale FE");
  EXPECT_EQ(text("FileDescription"), "OEM Gorvale FE");
  EXPECT_EQ(text("FileVersion"), "1.0.0.0");
  EXPECT_EQ(text("ProductVersion"), "1.0.0.0");
  EXPECT_EQ(text("OriginalFilename"), "Gorvale.exe");
  for (const char* name : {"CompanyName", "LegalCopyright", "LegalTrademarks", "Comments", "PrivateBuild"})
    EXPECT_EQ(text(name), "(none)") << name;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ReleaseTest, TheFirstIconIsTheProgramsInBothSizes) {
  // Explorer and the taskbar take the file's first icon group, as ExtractIconEx's index 0 does.
  HICON large = nullptr, small = nullptr;
  ASSERT_EQ(::ExtractIconExA(kProgram.c_str(), -1, nullptr, nullptr, 0), 1u);  // one icon group
  ASSERT_EQ(::ExtractIconExA(kProgram.c_str(), 0, &large, &small, 1), 2u);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(large, &info));
  BITMAP mask{};
  ::GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  ::DeleteObject(info.hbmMask);
  ::DeleteObject(info.hbmColor);
  ::DestroyIcon(large);
  ::DestroyIcon(small);
  // Both sizes are drawn, not scaled: the group lists a 32 and a 16 pixel image.
  const std::string group = ProgramResource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_EQ(group.size(), 6u + 2 * 14);
  EXPECT_EQ(static_cast<unsigned char>(group[6]), 32);
  EXPECT_EQ(static_cast<unsigned char>(group[6 + 14]), 16);
}

TEST(ReleaseTest, ManifestAsksForNoElevationAndKeepsTheClassicLook) {
  const std::string manifest = ProgramResource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
  ASSERT_FALSE(manifest.empty());
  // No execution level at all: naming one (asInvoker included) would turn off the file
  // virtualisation that lets a standard user keep Zelt.ini "in the Windows directory".
  EXPECT_EQ(manifest.find("<requestedExecutionLevel"), std::string::npos);
  EXPECT_EQ(manifest.find("<trustInfo"), std::string::npos);
  EXPECT_NE(manifest.find("processorArchitecture=\"x86\""), std::string::npos);
  size_t systems = 0;
  for (size_t at = manifest.find("<supportedOS"); at != std::string::npos;
       at = manifest.find("<supportedOS", at + 1))
    ++systems;
  EXPECT_EQ(systems, 5u);
  // Neither the version 6 common controls nor DPI awareness: the layout is in pixels.
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
}

TEST(ReleaseTest, ImportsOnlyFromWindowsOwnLibraries) {
  const std::string image = ReadFileBytes(kProgram);
  ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, image.data(), sizeof dos);
  IMAGE_NT_HEADERS32 nt;
  ASSERT_LE(dos.e_lfanew + sizeof nt, image.size());
  std::memcpy(&nt, image.data() + dos.e_lfanew, sizeof nt);
  ASSERT_EQ(nt.Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
  EXPECT_EQ(nt.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  std::vector<IMAGE_SECTION_HEADER> sections(nt.FileHeader.NumberOfSections);
  const size_t table =
      dos.e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
  ASSERT_LE(table + sections.size() * sizeof(IMAGE_SECTION_HEADER), image.size());
  std::memcpy(sections.data(), image.data() + table, sections.size() * sizeof(IMAGE_SECTION_HEADER));
  auto offset = [&](DWORD rva) -> size_t {
    for (const auto& s : sections)
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
        return rva - s.VirtualAddress + s.PointerToRawData;
    return image.size();
  };

  // Comctl32 and shell32 are loaded when first needed (a tool tip, the launch), not at every start.
  const std::set<std::string> windows = {"ADVAPI32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL",
                                         "USER32.DLL"};
  size_t at = offset(nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  int libraries = 0;
  for (;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    ASSERT_LE(at + sizeof(IMAGE_IMPORT_DESCRIPTOR), image.size());
    IMAGE_IMPORT_DESCRIPTOR entry;
    std::memcpy(&entry, image.data() + at, sizeof entry);
    if (entry.Name == 0) break;
    const size_t name = offset(entry.Name);
    ASSERT_LT(name, image.size());
    std::string library = image.c_str() + name;
    for (char& c : library) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(windows.count(library)) << library << " is not one of Windows' own libraries";
    ++libraries;
  }
  EXPECT_GE(libraries, 4);
}

// Our window class carries the program's first icon, so the main window shows it. Read in this
// process, which carries the same icon (icon.rc): Wine answers no other process's class icon.
TEST(ReleaseTest, OurWindowsShowTheProgramsIcon) {
  fw::SetUpFramework();
  std::unique_ptr<fw::TForm> form(
      fw::Application()->CreateFormFromText<fw::TForm>("object Form1: TForm\n  Caption = 'Icon'\nend\n"));
  HICON icon = reinterpret_cast<HICON>(::GetClassLongPtrA(form->Handle(), GCLP_HICON));
  EXPECT_TRUE(icon);
  EXPECT_EQ(icon, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
}

TEST(ReleaseTest, TerminationIsReportedInAnErrorBox) {
  const std::string probe = WindowsPath(TERMINATE_PROBE);
  ChildProcess process(probe, probe.substr(0, probe.find_last_of('\\') + 1));
  ASSERT_TRUE(process.Started());
  // The box, once it has its title and text.
  std::string message;
  HWND box = nullptr;
  Await(
      [&] {
        box = process.TopWindow([&message](HWND w) {
          if (ClassOf(w) != "#32770" || WindowText(w) != "OEM Gorvale FE") return false;
          message = ReadBox(w).text;
          return !message.empty();
        });
        return box != nullptr;
      },
      10000);
  ASSERT_TRUE(box);
  EXPECT_EQ(message, "vector::_M_range_check: __n (which is 5) >= this->size() (which is 3).");
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  DWORD code = 0;
  ASSERT_TRUE(process.AwaitExit(10000, &code));
  EXPECT_EQ(code, 3u);  // abort()
}

}  // namespace
}  // namespace gv::test
