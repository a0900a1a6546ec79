// Times the start-up of a Windows program from outside, with no hook in it:
// from CreateProcess until its top-level window is visible, nothing of it or
// its controls waits to be painted and the program idles in its message loop.
// Then reads the process's peak working set and closes it. Wine's figures
// for another process's CPU time grow from run to run whatever the program,
// so none is printed.
// Usage: startup_timer RUNS WARMUP PROGRAM FLOOR
// The two run alternately, each pair in the other order from the last; the
// medians, their ratios and the median of the paired ratios are printed.
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int GiveUpSeconds = 30;

struct Sample {
  double milliseconds;
  double mebibytes;
};

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchVisible(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND VisibleWindowOf(DWORD processId) {
  Search search{processId, nullptr};
  EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM lParam) {
  if (!GetUpdateRect(window, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(lParam) = true;
  return FALSE;
}

bool Painted(HWND window) {
  bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!unpainted) EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

double Seconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

Sample RunOnce(const std::wstring& program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fwprintf(stderr, L"Cannot start %ls (error %lu).\n", program.c_str(), GetLastError());
    std::exit(1);
  }
  HWND window = nullptr;
  for (;;) {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
      std::fwprintf(stderr, L"%ls ended before it showed its window.\n", program.c_str());
      std::exit(1);
    }
    window = VisibleWindowOf(process.dwProcessId);
    if (window != nullptr && WaitForInputIdle(process.hProcess, 0) == 0 && Painted(window)) break;
    QueryPerformanceCounter(&end);
    if (Seconds(end.QuadPart - start.QuadPart) > GiveUpSeconds) {
      std::fwprintf(stderr, L"%ls showed no painted window in %d seconds.\n", program.c_str(), GiveUpSeconds);
      TerminateProcess(process.hProcess, 1);
      std::exit(1);
    }
    Sleep(1);
  }
  QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
  const Sample sample{Seconds(end.QuadPart - start.QuadPart) * 1000,
                      static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0};
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Field>
std::vector<double> Column(const std::vector<Sample>& samples, Field field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  return values;
}

void PrintLine(const char* what, const char* unit, double program, double floor, const char* target) {
  std::printf("  %-12s kestrune.exe %7.1f %-3s bare Win32 %7.1f %-3s ratio %.3fx%s\n", what, program, unit, floor, unit,
              program / floor, target);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 5) {
    std::fwprintf(stderr, L"Usage: startup_timer RUNS WARMUP PROGRAM FLOOR\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  const int warmup = std::max(0, _wtoi(argv[2]));
  const std::wstring program = argv[3], floor = argv[4];
  for (int i = 0; i < warmup; ++i) RunOnce(program), RunOnce(floor);
  std::vector<Sample> programSamples, floorSamples;
  for (int i = 0; i < runs; ++i) {
    if (i % 2 == 0) {
      programSamples.push_back(RunOnce(program));
      floorSamples.push_back(RunOnce(floor));
    } else {
      floorSamples.push_back(RunOnce(floor));
      programSamples.push_back(RunOnce(program));
    }
  }
  // Each pair ran close together in time, so its ratio shifts less with the
  // machine's load than the ratio of the medians does.
  std::vector<double> pairRatios;
  for (size_t i = 0; i < programSamples.size(); ++i)
    pairRatios.push_back(programSamples[i].milliseconds / floorSamples[i].milliseconds);
  std::printf("Under Wine, median of %d runs each:\n", runs);
  PrintLine("first paint", "ms", Median(Column(programSamples, &Sample::milliseconds)),
            Median(Column(floorSamples, &Sample::milliseconds)), " (target <= 1.2x)");
  std::printf("  first paint  median of the %d paired ratios %.3fx\n", runs, Median(pairRatios));
  PrintLine("peak memory", "MiB", Median(Column(programSamples, &Sample::mebibytes)),
            Median(Column(floorSamples, &Sample::mebibytes)), " (target <= 1.1x)");
  return 0;
}
