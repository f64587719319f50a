// Start-up benchmark, observed from outside: for each program, the time from process creation
// until its GUI thread first waits for input (its windows made, the main window shown and its
// show handler done), and its working set at that moment. The launcher and a bare one-window
// program run alternately under the same conditions; medians and their ratio are printed.
//   startup_bench LAUNCHER.exe BARE.exe [RUNS]
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

bool Measure(const std::string& exe, Sample& sample) {
  LARGE_INTEGER frequency, start, idle;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + exe + "\"";
  std::string dir = DirectoryOf(exe);
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

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench LAUNCHER.exe BARE.exe [RUNS]\n");
    return 2;
  }
  int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
  const std::string programs[2] = {argv[1], argv[2]};
  std::vector<double> ms[2], kb[2];
  Sample warm;
  Measure(programs[0], warm);  // the first start of a prefix pays for loading Wine's DLLs
  Measure(programs[1], warm);
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < 2; ++k) {
      int p = (i + k) % 2;  // alternate which program goes first, so neither gains from order
      Sample s;
      if (!Measure(programs[p], s)) {
        std::fprintf(stderr, "could not measure %s\n", programs[p].c_str());
        return 1;
      }
      ms[p].push_back(s.ms);
      kb[p].push_back(s.workingSetKb);
    }
  }
  const char* names[2] = {"launcher", "bare window"};
  for (int p = 0; p < 2; ++p)
    std::printf("%-12s start to idle: median %7.1f ms   working set: median %7.0f KB   (%d runs)\n", names[p],
                Median(ms[p]), Median(kb[p]), runs);
  std::printf("ratio launcher / bare: time %.2f, working set %.2f\n", Median(ms[0]) / Median(ms[1]),
              Median(kb[0]) / Median(kb[1]));
  return 0;
}
