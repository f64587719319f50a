// Start-up benchmark, observed from outside: for each program, the time from process creation
// until its GUI thread first waits for input (its windows made, the main window shown and its
// show handler done), and its working set at that moment. The programs run in rounds, one start
// each in an order that turns from round to round, so that all share the machine's state of the
// moment; medians are printed, and for each yardstick the median of the rounds' ratios of the
// first program's time to its own, and the size of the first program's file.
//   startup_bench [--runs N] [--pointer-centre] LAUNCHER.exe YARDSTICK.exe...
// The mouse pointer is put in the top right corner of the screen before each start, clear of
// every window the programs open; else whichever window appears under it pays for turning its
// pointer shape into one of the display's (under Wine, reading the animated theme cursor of the
// launcher's hourglass takes some 5 ms). --pointer-centre leaves it in the middle of the screen
// instead, over the launcher's splash.
#include <windows.h>

#include <psapi.h>  // after windows.h, whose types it uses

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kSettleMs = 300;

struct Sample {
  double ms = 0;
  double workingSetKb = 0;
};

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

enum class Pointer { Corner, Centre };

void PlacePointer(Pointer where) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (where == Pointer::Corner)
    SetCursorPos(width - 1, 0);
  else
    SetCursorPos(width / 2, height / 2);
}

bool Measure(const std::string& exe, Pointer pointer, Sample& sample) {
  LARGE_INTEGER frequency, start, idle;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + exe + "\"";
  std::string dir = DirectoryOf(exe);
  PlacePointer(pointer);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                      &pi))
    return false;
  DWORD waited = WaitForInputIdle(pi.hProcess, 60000);
  QueryPerformanceCounter(&idle);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  // The display and the server tear down the ended program's windows after it has gone; the
  // next start must not pay for that.
  Sleep(kSettleMs);
  if (waited != 0) return false;
  sample.ms =
      1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  sample.workingSetKb = static_cast<double>(counters.WorkingSetSize) / 1024.0;
  return true;
}

double Quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

double Median(const std::vector<double>& v) { return Quantile(v, 0.5); }

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10;
  Pointer pointer = Pointer::Corner;
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc)
      runs = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--pointer-centre")
      pointer = Pointer::Centre;
    else
      programs.push_back(arg);
  }
  if (programs.size() < 2) {
    std::fprintf(stderr,
                 "usage: startup_bench [--runs N] [--pointer-centre] LAUNCHER.exe YARDSTICK.exe...\n");
    return 2;
  }
  const size_t n = programs.size();
  std::vector<std::vector<double>> ms(n), kb(n), ratios(n);
  Sample warm;
  for (const std::string& program : programs)
    Measure(program, pointer, warm);  // the first start of a prefix pays for loading Wine's DLLs
  for (int round = 0; round < runs; ++round) {
    std::vector<Sample> samples(n);
    for (size_t k = 0; k < n; ++k) {
      size_t p = (round + k) % n;  // turn the order, so that no program gains from its place
      if (!Measure(programs[p], pointer, samples[p])) {
        std::fprintf(stderr, "could not measure %s\n", programs[p].c_str());
        return 1;
      }
      ms[p].push_back(samples[p].ms);
      kb[p].push_back(samples[p].workingSetKb);
    }
    // Starts of one round share the machine's state of the moment (other work, caches), which
    // swings single figures by more than the differences sought; their ratios swing far less.
    for (size_t p = 1; p < n; ++p) ratios[p].push_back(samples[0].ms / samples[p].ms);
  }
  std::printf("%d rounds, pointer in the %s\n", runs,
              pointer == Pointer::Corner ? "top right corner" : "centre of the screen");
  for (size_t p = 0; p < n; ++p)
    std::printf("%-22s start to idle: median %6.1f ms (quartiles %.1f-%.1f), working set: median %6.0f KB\n",
                BaseName(programs[p]).c_str(), Median(ms[p]), Quantile(ms[p], 0.25), Quantile(ms[p], 0.75),
                Median(kb[p]));
  for (size_t p = 1; p < n; ++p)
    std::printf("%s / %s: time %.2f (quartiles %.2f-%.2f), working set %.2f\n", BaseName(programs[0]).c_str(),
                BaseName(programs[p]).c_str(), Median(ratios[p]), Quantile(ratios[p], 0.25),
                Quantile(ratios[p], 0.75), Median(kb[0]) / Median(kb[p]));
  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (GetFileAttributesExA(programs[0].c_str(), GetFileExInfoStandard, &file))
    std::printf("%s size: %lu bytes (%.1f KB)\n", BaseName(programs[0]).c_str(), file.nFileSizeLow,
                static_cast<double>(file.nFileSizeLow) / 1024.0);
  return 0;
}
