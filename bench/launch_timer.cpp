// Times how quickly windowed programs start and end, from inside Windows (or Wine): for each
// run, from CreateProcess to the moment the program's window with the given title exists
// and is visible, and from an Esc key press to the end of the process. The programs run in
// turn, one run each per round after a first round that is not counted, and the median of
// each is printed with its ratio to the first program's.
// Usage: launch_timer <runs> <exe> <title> [<exe> <title>]...   (a title may hold \uXXXX)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// After its window shows, a program gets this long to finish painting before Esc is pressed.
constexpr DWORD kSettleMs = 300;
constexpr double kGiveUpMs = 30000;

struct Target {
  std::wstring exe;
  std::wstring title;
  std::vector<double> startup_ms;
  std::vector<double> close_ms;
  int posted = 0;  // runs where the key press had to be posted to the window
};

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / frequency;
}

std::wstring Unescape(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' && i + 5 < text.size() && text[i + 1] == L'u') {
      out += static_cast<wchar_t>(std::wcstoul(text.substr(i + 2, 4).c_str(), nullptr, 16));
      i += 5;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::wstring BaseName(const std::wstring& path) {
  return path.substr(path.find_last_of(L"\\/") + 1);
}

// The visible top-level window with that title that belongs to the process.
HWND VisibleWindow(const std::wstring& title, DWORD process_id) {
  for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title.c_str()); window;
       window = FindWindowExW(nullptr, window, nullptr, title.c_str())) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

void PressEscape() {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = VK_ESCAPE;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof input[0]);
}

// One start and close; false (with a message) when the program does not play along.
bool RunOnce(Target& target, bool counted) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::wstring command_line = L"\"" + target.exe + L"\"";
  const double started = NowMs();
  if (!CreateProcessW(target.exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", target.exe.c_str(), GetLastError());
    return false;
  }
  HWND window = nullptr;
  while (!(window = VisibleWindow(target.title, process.dwProcessId))) {
    if (NowMs() - started > kGiveUpMs || WaitForSingleObject(process.hProcess, 0) == 0) break;
    Sleep(1);
  }
  const double shown = NowMs();
  bool ok = window != nullptr;
  if (!ok) {
    std::fwprintf(stderr, L"%ls: no visible window titled \"%ls\"\n", target.exe.c_str(),
                  target.title.c_str());
  } else {
    SetForegroundWindow(window);
    Sleep(kSettleMs);
    double pressed = NowMs();
    PressEscape();
    if (WaitForSingleObject(process.hProcess, 5000) == WAIT_TIMEOUT) {
      // The key went to another window: hand it to the program's window itself.
      pressed = NowMs();
      PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
      ++target.posted;
    }
    ok = WaitForSingleObject(process.hProcess, static_cast<DWORD>(kGiveUpMs)) == 0;
    const double ended = NowMs();
    if (!ok) {
      std::fwprintf(stderr, L"%ls: still running after Esc\n", target.exe.c_str());
    } else if (counted) {
      target.startup_ms.push_back(shown - started);
      target.close_ms.push_back(ended - pressed);
      std::wprintf(L"run %-19ls window after %7.1f ms, gone %6.1f ms after Esc\n",
                   BaseName(target.exe).c_str(), shown - started, ended - pressed);
      std::fflush(stdout);
    }
  }
  if (!ok) TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fwprintf(stderr, L"usage: launch_timer <runs> <exe> <title> [<exe> <title>]...\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  std::vector<Target> targets;
  for (int i = 2; i + 1 < argc; i += 2) {
    targets.emplace_back();
    targets.back().exe = argv[i];
    targets.back().title = Unescape(argv[i + 1]);
  }

  for (int round = 0; round <= runs; ++round) {
    for (Target& target : targets) {
      if (!RunOnce(target, round > 0)) return 1;
      Sleep(200);
    }
  }
  const double base_startup = Median(targets[0].startup_ms);
  const double base_close = Median(targets[0].close_ms);
  for (const Target& target : targets) {
    const double startup = Median(target.startup_ms);
    const double close = Median(target.close_ms);
    std::wprintf(L"median %-19ls start-up %7.1f ms (%.2fx)  close %6.1f ms (%.2fx)  %d runs%ls\n",
                 BaseName(target.exe).c_str(), startup, startup / base_startup, close,
                 close / base_close, runs,
                 target.posted ? L", Esc posted to the window in some" : L"");
  }
  return 0;
}
