// Timing harness for the converter window. It prints figures and judges nothing.
//
//   window_bench QUANTIK_EXE BASELINE_EXE [REPETITIONS]
//
// Start-up. Each program is started with CreateProcess, and the clock (QueryPerformanceCounter)
// stops at its first complete paint: the first moment after its top-level window has become
// visible at which neither that window nor any of its child windows has an update region left.
// Showing a window gives it and every child an update region at once, and a window only loses
// it by painting (WM_PAINT with BeginPaint/EndPaint, or validation), so this is the moment the
// whole window has been painted once. The harness looks from outside every millisecond, so the
// figures hold the program's whole start as a user sees it: process creation, start-up code,
// the window's initialisation and its first paint. The two programs alternate, after one
// unmeasured start each, and each start ends by posting WM_CLOSE.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRepetitions = 15;
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

double Seconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

struct ProcessWindow {
    DWORD processId;
    HWND hwnd;
};

HWND FindVisibleWindow(DWORD processId) {
    ProcessWindow search{processId, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<ProcessWindow*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->processId && IsWindowVisible(hwnd)) {
                s->hwnd = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hwnd;
}

bool HasNoUpdateRegion(HWND hwnd) {
    return !GetUpdateRect(hwnd, nullptr, FALSE);
}

bool IsCompletelyPainted(HWND hwnd) {
    if (!HasNoUpdateRegion(hwnd)) {
        return false;
    }
    bool painted = true;
    EnumChildWindows(
        hwnd,
        [](HWND child, LPARAM param) -> BOOL {
            if (!HasNoUpdateRegion(child)) {
                *reinterpret_cast<bool*>(param) = false;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&painted));
    return painted;
}

// Seconds from CreateProcess to the first complete paint of the program's window, or nothing
// when the program does not get there.
std::optional<double> TimeStartup(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    const LONGLONG start = Now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return std::nullopt;
    }
    std::optional<double> elapsed;
    HWND window = nullptr;
    while (Seconds(Now() - start) * 1000.0 < kStartTimeoutMs) {
        window = FindVisibleWindow(process.dwProcessId);
        if (window && IsCompletelyPainted(window)) {
            elapsed = Seconds(Now() - start);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            break;
        }
    }
    if (window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"%ls did not close; terminating it\n", program.c_str());
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kExitTimeoutMs);
        elapsed.reset();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!elapsed) {
        std::fwprintf(stderr, L"%ls showed no painted window\n", program.c_str());
    }
    return elapsed;
}

bool BenchStartup(const std::wstring& quantik, const std::wstring& baseline, int repetitions) {
    if (!TimeStartup(quantik) || !TimeStartup(baseline)) {
        return false;
    }
    std::vector<double> quantikMs;
    std::vector<double> baselineMs;
    for (int i = 0; i < repetitions; ++i) {
        // Alternate the order so that neither program always runs right after the other.
        const bool quantikFirst = i % 2 == 0;
        const std::optional<double> first = TimeStartup(quantikFirst ? quantik : baseline);
        const std::optional<double> second = TimeStartup(quantikFirst ? baseline : quantik);
        if (!first || !second) {
            return false;
        }
        quantikMs.push_back((quantikFirst ? *first : *second) * 1000.0);
        baselineMs.push_back((quantikFirst ? *second : *first) * 1000.0);
    }
    const double quantikMedian = Median(quantikMs);
    const double baselineMedian = Median(baselineMs);
    std::wprintf(L"start-up to first complete paint, median of %d starts each:\n", repetitions);
    std::wprintf(L"  Quantik         %8.1f ms (fastest %.1f ms)\n", quantikMedian,
                 *std::min_element(quantikMs.begin(), quantikMs.end()));
    std::wprintf(L"  bare dialog     %8.1f ms (fastest %.1f ms)\n", baselineMedian,
                 *std::min_element(baselineMs.begin(), baselineMs.end()));
    std::wprintf(L"  ratio           %8.3f x (goal: at most 1.10 x), difference %.1f ms\n",
                 quantikMedian / baselineMedian, quantikMedian - baselineMedian);
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: window_bench QUANTIK_EXE BASELINE_EXE [REPETITIONS]\n");
        return 2;
    }
    const int repetitions = argc > 3 ? std::max(1, _wtoi(argv[3])) : kDefaultRepetitions;
    const bool ok = BenchStartup(argv[1], argv[2], repetitions);
    std::fflush(stdout);
    return ok ? 0 : 1;
}
