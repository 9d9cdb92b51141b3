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
// unmeasured start each, and each start ends by posting WM_CLOSE. The same is then timed
// inside the harness's own process, from just before the window object is made to its first
// complete paint, watched from a second thread: the window's own cost without the process's.
//
// Keystroke to shown result. The harness opens the converter window itself, converting
// Kilometer to Meter, and once the window is idle a timer of the window's thread runs the
// measurement there, with nothing between the clock and the window: for each of 1,000 digits
// typed at the end of the value field the clock starts, the value field gets the key message
// of the digit (WM_CHAR, what a key press becomes), and the clock stops when WM_GETTEXT of the
// result field gives a text other than the one it held before. Every twelfth digit starts a
// new number over the selected text (the selection is made off the clock), so the value never
// leaves the form in which it is typed. The yardstick is the cost of one WM_SETTEXT plus one
// WM_GETTEXT on the same result field, over as many alternating texts. Painting is not timed:
// the result field repaints later, when the thread is idle, as after any WM_SETTEXT.
#include "bench/wine/bare_dialog.h"
#include "framework/app.h"
#include "res/resource.h"
#include "ui/converter_dlg.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDefaultRepetitions = 15;
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr int kKeystrokes = 1000;
constexpr int kDigitsPerNumber = 12;
constexpr double kShownTimeoutSeconds = 1.0;

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

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(wnd);
    return TRUE;
}

HWND FindVisibleWindow(DWORD processId) {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (const HWND wnd : windows) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner == processId && IsWindowVisible(wnd)) {
            return wnd;
        }
    }
    return nullptr;
}

bool HasUpdateRegion(HWND wnd) {
    return GetUpdateRect(wnd, nullptr, FALSE) != FALSE;
}

bool IsCompletelyPainted(HWND wnd) {
    std::vector<HWND> windows{wnd};
    EnumChildWindows(wnd, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return std::none_of(windows.begin(), windows.end(), HasUpdateRegion);
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

// Waits for the first complete paint of a window of this process, then closes it. Runs on a
// thread of its own while the window's thread is in its modal loop.
std::optional<double> WatchFirstPaint(LONGLONG start) {
    while (Seconds(Now() - start) * 1000.0 < kStartTimeoutMs) {
        const HWND window = FindVisibleWindow(GetCurrentProcessId());
        if (window && IsCompletelyPainted(window)) {
            const double elapsed = Seconds(Now() - start);
            PostMessageW(window, WM_CLOSE, 0, 0);
            return elapsed;
        }
        Sleep(1);
    }
    return std::nullopt;
}

// Seconds from just before the window is made, in this process, to its first complete paint.
std::optional<double> TimeWindow(bool quantik) {
    std::optional<double> elapsed;
    const LONGLONG start = Now();
    std::thread watcher([&elapsed, start] { elapsed = WatchFirstPaint(start); });
    if (quantik) {
        CConverterDlg dlg;
        dlg.DoModal();
    } else {
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONVERTER), nullptr,
                        BareDialogProc, 0);
    }
    watcher.join();
    return elapsed;
}

void PrintComparison(const std::vector<double>& quantikMs, const std::vector<double>& baselineMs) {
    const double quantikMedian = Median(quantikMs);
    const double baselineMedian = Median(baselineMs);
    std::wprintf(L"  Quantik         %8.1f ms (fastest %.1f ms)\n", quantikMedian,
                 *std::min_element(quantikMs.begin(), quantikMs.end()));
    std::wprintf(L"  bare dialog     %8.1f ms (fastest %.1f ms)\n", baselineMedian,
                 *std::min_element(baselineMs.begin(), baselineMs.end()));
    std::wprintf(L"  ratio           %8.3f x (goal: at most 1.10 x), difference %.1f ms\n",
                 quantikMedian / baselineMedian, quantikMedian - baselineMedian);
}

bool BenchWindowInProcess(int repetitions) {
    if (!TimeWindow(true) || !TimeWindow(false)) {
        return false;
    }
    std::vector<double> quantikMs;
    std::vector<double> baselineMs;
    for (int i = 0; i < repetitions; ++i) {
        const bool quantikFirst = i % 2 == 0;
        const std::optional<double> first = TimeWindow(quantikFirst);
        const std::optional<double> second = TimeWindow(!quantikFirst);
        if (!first || !second) {
            return false;
        }
        quantikMs.push_back((quantikFirst ? *first : *second) * 1000.0);
        baselineMs.push_back((quantikFirst ? *second : *first) * 1000.0);
    }
    std::wprintf(L"the window alone, in this process, to its first complete paint, median of %d "
                 L"each:\n",
                 repetitions);
    PrintComparison(quantikMs, baselineMs);
    return true;
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
    std::wprintf(L"start-up to first complete paint, median of %d starts each:\n", repetitions);
    PrintComparison(quantikMs, baselineMs);
    return true;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

// Like Quantik's application object, it gives the window's thread the dialog colours.
class CBenchApp : public CWinApp {
public:
    bool InitInstance() override {
        SetDialogBkColor(RGB(204, 235, 255), RGB(0, 0, 0));
        return true;
    }
};

std::wstring Text(HWND wnd) {
    std::array<wchar_t, 64> text{};
    const LRESULT length =
        SendMessageW(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::wstring(text.data(), static_cast<std::size_t>(length));
}

// Reads the field until its text differs from before, letting the thread handle what is
// pending between reads; false if it does not change within kShownTimeoutSeconds.
bool WaitForNewText(HWND field, const std::wstring& before, LONGLONG start) {
    while (Text(field) == before) {
        if (Seconds(Now() - start) > kShownTimeoutSeconds) {
            return false;
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

bool SelectRow(HWND list, int row) {
    LVITEMW item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item)) != 0;
}

// Picks "Length/Distance", Kilometer to Meter, and gives the value field the focus; false
// when the window does not have them.
bool SetUpKilometreToMetre(HWND dialog) {
    const HWND tree = GetDlgItem(dialog, IDC_CATEGORY_TREE);
    for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
         item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                               reinterpret_cast<LPARAM>(item)))) {
        std::array<wchar_t, 64> text{};
        TVITEMW tvi = {};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = text.data();
        tvi.cchTextMax = static_cast<int>(text.size());
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
        if (std::wstring_view(text.data()) == L"Length/Distance") {
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            break;
        }
    }
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    const HWND from = GetDlgItem(dialog, IDC_FROM_LIST);
    const HWND to = GetDlgItem(dialog, IDC_TO_LIST);
    find.psz = L"Kilometer";
    const auto kilometre = static_cast<int>(SendMessageW(
        from, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    find.psz = L"Meter";
    const auto metre = static_cast<int>(
        SendMessageW(to, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    if (kilometre < 0 || metre < 0 || !SelectRow(from, kilometre) || !SelectRow(to, metre)) {
        return false;
    }
    const HWND value = GetDlgItem(dialog, IDC_VALUE);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(value), TRUE);
    return true;
}

struct KeystrokeRun {
    CConverterDlg* dlg;
    std::vector<double> keystrokeUs;
    std::vector<double> setGetUs;
    int unseen = 0;
    bool ready = false;
};

KeystrokeRun* g_pKeystrokeRun = nullptr;

void MeasureKeystrokes(KeystrokeRun& run) {
    const HWND dialog = run.dlg->GetSafeHwnd();
    const HWND value = GetDlgItem(dialog, IDC_VALUE);
    const HWND result = GetDlgItem(dialog, IDC_RESULT);
    run.ready = SetUpKilometreToMetre(dialog);
    if (!run.ready) {
        return;
    }
    // A fixed sequence of digits, the same in every run.
    unsigned seed = 12345;
    for (int i = 0; i < kKeystrokes; ++i) {
        seed = seed * 1103515245u + 12345u;
        const bool first = i % kDigitsPerNumber == 0;
        const wchar_t digit = first ? static_cast<wchar_t>(L'1' + (seed >> 16) % 9)
                                    : static_cast<wchar_t>(L'0' + (seed >> 16) % 10);
        if (first) {
            SendMessageW(value, EM_SETSEL, 0, -1);
        }
        const std::wstring before = Text(result);
        const auto scan = static_cast<LPARAM>(MapVirtualKeyW(digit, MAPVK_VK_TO_VSC));
        const LONGLONG start = Now();
        SendMessageW(value, WM_CHAR, digit, 1 | (scan << 16));
        if (WaitForNewText(result, before, start)) {
            run.keystrokeUs.push_back(Seconds(Now() - start) * 1e6);
        } else {
            ++run.unseen;
        }
    }
    static constexpr const wchar_t* kTexts[] = {L"123456789000", L"1234567890000"};
    std::array<wchar_t, 64> text{};
    for (int i = 0; i < kKeystrokes; ++i) {
        const LONGLONG start = Now();
        SendMessageW(result, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kTexts[i % 2]));
        SendMessageW(result, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        run.setGetUs.push_back(Seconds(Now() - start) * 1e6);
    }
}

void CALLBACK KeystrokeTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_pKeystrokeRun) {
        MeasureKeystrokes(*g_pKeystrokeRun);
        g_pKeystrokeRun->dlg->EndDialog(IDCANCEL);
    }
}

bool BenchKeystrokes() {
    CConverterDlg dlg;
    KeystrokeRun run{&dlg, {}, {}, 0, false};
    g_pKeystrokeRun = &run;
    // A thread timer fires from the window's own message loop, once the window is idle.
    SetTimer(nullptr, 0, 0, KeystrokeTimerProc);
    dlg.DoModal();
    g_pKeystrokeRun = nullptr;
    if (!run.ready || run.keystrokeUs.empty()) {
        std::fwprintf(stderr, L"the converter window has no Length/Distance, Kilometer, Meter\n");
        return false;
    }
    const double keystroke = Median(run.keystrokeUs);
    const double setGet = Median(run.setGetUs);
    std::wprintf(L"typed digit to shown result, median of %zu digits:\n", run.keystrokeUs.size());
    std::wprintf(L"  keystroke       %8.1f us (90%% within %.1f us)\n", keystroke,
                 Percentile(run.keystrokeUs, 0.9));
    std::wprintf(L"  WM_SETTEXT + WM_GETTEXT on the result field %.1f us (90%% within %.1f us)\n",
                 setGet, Percentile(run.setGetUs, 0.9));
    std::wprintf(L"  ratio           %8.2f x (goal: at most 3 x)\n", keystroke / setGet);
    if (run.unseen > 0) {
        std::wprintf(L"  %d digits showed no new result within %.0f s\n", run.unseen,
                     kShownTimeoutSeconds);
    }
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: window_bench QUANTIK_EXE BASELINE_EXE [REPETITIONS]\n");
        return 2;
    }
    const int repetitions = argc > 3 ? std::max(1, _wtoi(argv[3])) : kDefaultRepetitions;
    CBenchApp app;
    app.InitInstance();
    const bool startup = BenchStartup(argv[1], argv[2], repetitions);
    std::fflush(stdout);
    const bool window = BenchWindowInProcess(repetitions);
    std::fflush(stdout);
    const bool ok = BenchKeystrokes() && startup && window;
    std::fflush(stdout);
    return ok ? 0 : 1;
}
