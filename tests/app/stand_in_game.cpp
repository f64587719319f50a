// Stands in for the game: writes the command line it was started with, byte for byte, to
// "command-line.txt" beside itself, so that a test can see what a game would receive.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/batch_file.h"

int main() {
  const std::string dir = gv::ProgramDirectory();
  const std::string partial = dir + "command-line.tmp";
  const char* line = ::GetCommandLineA();
  HANDLE file = ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  ::WriteFile(file, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
  ::CloseHandle(file);
  // Renamed only when complete, so the reader never sees half a record.
  return ::MoveFileA(partial.c_str(), (dir + "command-line.txt").c_str()) ? 0 : 1;
}
