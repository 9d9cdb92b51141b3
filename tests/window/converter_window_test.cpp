// The real converter window, opened modally on the main thread and driven from a second thread
// the way a user drives it: real mouse clicks and key presses through SendInput, and messages
// where a user's action has no input of its own (choosing a category, selecting a row while a
// message box is up). The message box of a failed read runs its own nested message loop on the
// window's thread, so only the driving thread can look at it and close it.
#include "catalogue/catalogue.h"
#include "catalogue/convert.h"
#include "framework/app.h"
#include "framework/number_text.h"
#include "res/resource.h"
#include "tests/built_catalogue.h"
#include "ui/converter_dlg.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstring>
#include <cwctype>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr COLORREF kDialogBk = RGB(204, 235, 255);
constexpr int kMessageTextId = 0xFFFF;
constexpr wchar_t kPleaseEnter[] = L"Please enter a number.";
constexpr std::chrono::milliseconds kTimeout = 5s;

// Like Quantik's application object, it gives every dialog and message box of the main thread
// the dialog colours; its title, the caption of every message box, is this program's name.
class CTestApp : public CWinApp {
public:
    bool InitInstance() override {
        SetDialogBkColor(kDialogBk, RGB(0, 0, 0));
        return true;
    }
};

// Runs functions on the main thread, inside whichever message loop it is in, so that the
// driving thread reads the window object's state without racing the handlers.
class CMainThreadCall {
public:
    static void Create() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        RegisterClassW(&wc);
        s_hWnd = CreateWindowW(kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    static HWND Window() { return s_hWnd; }
    static void Run(const std::function<void()>& f) {
        SendMessageW(s_hWnd, kRunMessage, 0, reinterpret_cast<LPARAM>(&f));
    }

private:
    static constexpr wchar_t kClassName[] = L"QuantikTestMainThreadCall";
    static constexpr UINT kRunMessage = WM_APP + 1;
    static LRESULT CALLBACK WndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kRunMessage) {
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return 0;
        }
        return DefWindowProcW(wnd, message, wParam, lParam);
    }
    static inline HWND s_hWnd = nullptr;
};

template <typename Predicate>
bool WaitFor(Predicate done, std::chrono::milliseconds timeout = kTimeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

std::wstring Text(HWND wnd) {
    std::array<wchar_t, 256> text{};
    const LRESULT length =
        SendMessageW(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::wstring(text.data(), static_cast<std::size_t>(length));
}

// ASCII for test messages; other characters show as '?'.
std::string Narrow(std::wstring_view text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

bool IsClass(HWND wnd, std::wstring_view name) {
    std::array<wchar_t, 64> actual{};
    const int length = GetClassNameW(wnd, actual.data(), static_cast<int>(actual.size()));
    return std::wstring_view(actual.data(), static_cast<std::size_t>(std::max(length, 0))) == name;
}

// The key presses of a text: digits and letters as themselves, and {END}, {HOME}, {S-HOME}
// (Shift+Home), {BACK}, {RETURN}, {ESC}, {C-V} (Ctrl+V), {F1}.
std::vector<INPUT> KeyInputs(std::wstring_view keys) {
    struct Named {
        std::wstring_view name;
        WORD vk;
        WORD modifier;
    };
    static constexpr Named kNamed[] = {
        {L"{END}", VK_END, 0},       {L"{HOME}", VK_HOME, 0},     {L"{S-HOME}", VK_HOME, VK_SHIFT},
        {L"{BACK}", VK_BACK, 0},     {L"{RETURN}", VK_RETURN, 0}, {L"{ESC}", VK_ESCAPE, 0},
        {L"{C-V}", 'V', VK_CONTROL}, {L"{F1}", VK_F1, 0},
    };
    std::vector<INPUT> inputs;
    auto press = [&inputs](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    while (!keys.empty()) {
        WORD vk = 0;
        WORD modifier = 0;
        std::size_t length = 1;
        for (const Named& named : kNamed) {
            if (keys.starts_with(named.name)) {
                vk = named.vk;
                modifier = named.modifier;
                length = named.name.size();
                break;
            }
        }
        if (vk == 0) {
            vk = static_cast<WORD>(std::towupper(keys.front()));
        }
        if (modifier) {
            press(modifier, false);
        }
        press(vk, false);
        press(vk, true);
        if (modifier) {
            press(modifier, true);
        }
        keys.remove_prefix(length);
    }
    return inputs;
}

struct Selection {
    int category;
    int fromUnit;
    int toUnit;
    double value;
    double result;
};

// The open converter window, as the driving thread sees it.
class Window {
public:
    Window(const CConverterDlg& dlg, DWORD uiThread) : m_dlg(dlg), m_uiThread(uiThread) {}

    // Waits until the window is open and initialised.
    bool Attach() {
        // Keyboard input goes to the foreground window.
        if (!WaitFor([this] {
                m_hWnd = FindDialog();
                return m_hWnd && GetForegroundWindow() == m_hWnd;
            })) {
            return false;
        }
        value = GetDlgItem(m_hWnd, IDC_VALUE);
        result = GetDlgItem(m_hWnd, IDC_RESULT);
        tree = GetDlgItem(m_hWnd, IDC_CATEGORY_TREE);
        from = GetDlgItem(m_hWnd, IDC_FROM_LIST);
        to = GetDlgItem(m_hWnd, IDC_TO_LIST);
        return true;
    }
    HWND Hwnd() const { return m_hWnd; }
    bool IsOpen() const { return IsWindow(m_hWnd) && IsWindowVisible(m_hWnd); }

    Selection State() const {
        Selection s{};
        CMainThreadCall::Run([&] {
            s = {m_dlg.GetCategory(), m_dlg.GetFromUnit(), m_dlg.GetToUnit(), m_dlg.GetValue(),
                 m_dlg.GetResult()};
        });
        return s;
    }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(m_uiThread, &info) ? info.hwndFocus : nullptr;
    }
    void SetFocus(HWND control) const {
        SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }

    // Waits until the field shows text; false (and the text it shows) when it does not.
    ::testing::AssertionResult Shows(HWND field, std::wstring_view text) const {
        std::wstring shown;
        if (WaitFor([&] { return (shown = Text(field)) == text; })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "the field shows '" << Narrow(shown) << "', not '" << Narrow(text) << "'";
    }

    std::vector<std::wstring> TreeItems() const {
        std::vector<std::wstring> texts;
        for (HTREEITEM item = TreeItem(TVGN_ROOT, nullptr); item;
             item = TreeItem(TVGN_NEXT, item)) {
            texts.push_back(TreeItemText(item));
        }
        return texts;
    }
    HTREEITEM TreeItem(UINT code, HTREEITEM item) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    std::wstring TreeItemText(HTREEITEM item) const {
        std::array<wchar_t, 256> text{};
        TVITEMW tvi{};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = text.data();
        tvi.cchTextMax = static_cast<int>(text.size());
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
        return text.data();
    }
    // Selects the category by the tree's own selection message, as the keyboard would.
    bool SelectCategory(std::wstring_view name) const {
        for (HTREEITEM item = TreeItem(TVGN_ROOT, nullptr); item;
             item = TreeItem(TVGN_NEXT, item)) {
            if (TreeItemText(item) == name) {
                return SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET,
                                    reinterpret_cast<LPARAM>(item)) != 0;
            }
        }
        return false;
    }

    static std::vector<std::wstring> Rows(HWND list) {
        std::vector<std::wstring> rows;
        const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            std::array<wchar_t, 256> text{};
            LVITEMW lvi{};
            lvi.pszText = text.data();
            lvi.cchTextMax = static_cast<int>(text.size());
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&lvi));
            rows.emplace_back(text.data());
        }
        return rows;
    }
    static int RowOf(HWND list, std::wstring_view name) {
        const std::vector<std::wstring> rows = Rows(list);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    static int SelectedRow(HWND list) {
        return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             MAKELPARAM(LVNI_SELECTED, 0)));
    }
    // Selects a row by the list's own state message.
    static void SelectRow(HWND list, int row) {
        LVITEMW lvi{};
        lvi.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        lvi.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&lvi));
    }

    // A real click of the left mouse button at a point of the screen: the move to the point
    // and the button travel together, in one piece of input.
    static void Click(POINT screen) {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        INPUT inputs[3] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_MOUSE;
            // Normalised so that the system's scaling back gives the same pixel.
            input.mi.dx =
                static_cast<LONG>((static_cast<LONGLONG>(screen.x) * 65536 + width - 1) / width);
            input.mi.dy =
                static_cast<LONG>((static_cast<LONGLONG>(screen.y) * 65536 + height - 1) / height);
            input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        }
        inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        SendInput(3, inputs, sizeof(INPUT));
        // Two clicks on one spot would make a double click.
        Sleep(GetDoubleClickTime() / 2);
    }
    static void ClickAt(HWND wnd, POINT client) {
        MapWindowPoints(wnd, nullptr, &client, 1);
        Click(client);
    }
    static void ClickMiddle(HWND wnd) {
        RECT rect{};
        GetClientRect(wnd, &rect);
        ClickAt(wnd, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    // Clicks a control and waits until it has the keyboard focus.
    bool ClickToFocus(HWND control) const {
        ClickMiddle(control);
        return WaitFor([this, control] { return Focus() == control; });
    }
    static bool ClickRow(HWND list, int row) {
        RECT rect{};
        rect.left = LVIR_LABEL;
        if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(&rect))) {
            return false;
        }
        ClickAt(list, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        return true;
    }
    // A real click in the empty area of the list below its last row.
    static bool ClickBelowRows(HWND list) {
        const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        RECT last{};
        last.left = LVIR_BOUNDS;
        RECT client{};
        GetClientRect(list, &client);
        if (count == 0 ||
            !SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(count - 1),
                          reinterpret_cast<LPARAM>(&last)) ||
            last.bottom + 8 > client.bottom) {
            return false;
        }
        ClickAt(list, {(client.left + client.right) / 2, (last.bottom + client.bottom) / 2});
        return true;
    }

    // Real key presses, into whichever control of the window has the focus.
    static void Type(std::wstring_view keys) {
        std::vector<INPUT> inputs = KeyInputs(keys);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
    // Puts text on the clipboard, selects the whole value field and presses Ctrl+V.
    void Paste(std::wstring_view text) const {
        CMainThreadCall::Run([text] {
            if (!OpenClipboard(CMainThreadCall::Window())) {
                return;
            }
            EmptyClipboard();
            const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
            if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
                auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
                std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
                copy[text.size()] = L'\0';
                GlobalUnlock(memory);
                if (!SetClipboardData(CF_UNICODETEXT, memory)) {
                    GlobalFree(memory);
                }
            }
            CloseClipboard();
        });
        SetFocus(value);
        SendMessageW(value, EM_SETSEL, 0, -1);
        Type(L"{C-V}");
    }

    // The message box that the window's thread shows, once it is visible.
    HWND WaitForMessageBox() const {
        HWND box = nullptr;
        WaitFor([&] { return (box = FindOtherDialog()) != nullptr; });
        return box;
    }
    bool HasMessageBox() const { return FindOtherDialog() != nullptr; }
    // Presses the OK button of the message box and waits until it has gone.
    bool CloseMessageBox(HWND box) const {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        return WaitFor([box] { return !IsWindow(box); });
    }
    // Closes the window (and a message box left open by a failed check) if it is still open,
    // also when it never became visible.
    void Close() {
        if (!m_hWnd) {
            CMainThreadCall::Run([this] { m_hWnd = m_dlg.GetSafeHwnd(); });
        }
        for (int i = 0; i < 10 && IsWindow(m_hWnd); ++i) {
            if (const HWND box = FindOtherDialog()) {
                CloseMessageBox(box);
            }
            PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            WaitFor([this] { return !IsWindow(m_hWnd); }, 1s);
        }
    }

    HWND value = nullptr;
    HWND result = nullptr;
    HWND tree = nullptr;
    HWND from = nullptr;
    HWND to = nullptr;

private:
    static BOOL CALLBACK CollectWindow(HWND wnd, LPARAM windows) {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(wnd);
        return TRUE;
    }
    // The converter window: the visible dialog of the window's thread that has no owner.
    HWND FindDialog() const {
        for (const HWND wnd : ThreadDialogs()) {
            if (!GetWindow(wnd, GW_OWNER)) {
                return wnd;
            }
        }
        return nullptr;
    }
    // Any other visible dialog of the window's thread: a message box.
    HWND FindOtherDialog() const {
        for (const HWND wnd : ThreadDialogs()) {
            if (wnd != m_hWnd) {
                return wnd;
            }
        }
        return nullptr;
    }
    std::vector<HWND> ThreadDialogs() const {
        std::vector<HWND> windows;
        EnumThreadWindows(m_uiThread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
        std::erase_if(windows,
                      [](HWND wnd) { return !IsClass(wnd, L"#32770") || !IsWindowVisible(wnd); });
        return windows;
    }

    const CConverterDlg& m_dlg;
    DWORD m_uiThread;
    HWND m_hWnd = nullptr;
};

// Opens a fresh converter window, runs script against it from a second thread, closes the
// window if the script left it open, and returns what DoModal returned.
INT_PTR RunConverter(const std::function<void(Window&)>& script) {
    CConverterDlg dlg;
    // As in Quantik, the window is the application's main window while it runs.
    CWinApp::GetApp()->m_pMainWnd = &dlg;
    Window window(dlg, GetCurrentThreadId());
    std::thread driver([&] {
        if (window.Attach()) {
            script(window);
        } else {
            ADD_FAILURE() << "the converter window did not open";
        }
        window.Close();
    });
    const INT_PTR modalResult = dlg.DoModal();
    driver.join();
    CWinApp::GetApp()->m_pMainWnd = nullptr;
    return modalResult;
}

std::wstring AppTitle() {
    std::array<wchar_t, MAX_PATH> path{};
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring name(path.data(), length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

// Checks the message box of a failed read: caption, text and background, then presses OK.
void ExpectPleaseEnterBox(const Window& w, HWND box) {
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), w.Hwnd());
    EXPECT_EQ(Text(box), AppTitle());
    EXPECT_EQ(Text(GetDlgItem(box, kMessageTextId)), kPleaseEnter);
    EXPECT_TRUE(w.CloseMessageBox(box));
}

int CategoryIndex(std::wstring_view name) {
    return BuiltCatalogue().FindCategory(name);
}

std::wstring Converted(std::wstring_view category, int from, int to, double value) {
    const std::optional<double> result =
        ConvertValue(BuiltCatalogue(), CategoryIndex(category), from, to, value);
    return result ? FormatNumber(*result) : L"(no result)";
}

TEST(ConverterWindow, OpensWithFirstCategoryBothListsUnselectedAndFocusOnClose) {
    RunConverter([](Window& w) {
        const CCatalogue& catalogue = BuiltCatalogue();
        ASSERT_EQ(catalogue.GetCount(), 38);
        std::vector<std::wstring> names;
        for (int i = 0; i < catalogue.GetCount(); ++i) {
            names.push_back(catalogue[i].m_strName);
        }
        EXPECT_EQ(w.TreeItems(), names);
        EXPECT_EQ(w.TreeItem(TVGN_CARET, nullptr), w.TreeItem(TVGN_ROOT, nullptr));
        for (HWND list : {w.from, w.to}) {
            EXPECT_EQ(Window::Rows(list), catalogue[0].m_arrUnits);
            EXPECT_EQ(Window::SelectedRow(list), -1);
        }
        EXPECT_EQ(Text(w.value), L"1");
        EXPECT_EQ(Text(w.result), L"1");
        EXPECT_EQ(w.Focus(), GetDlgItem(w.Hwnd(), IDCANCEL));
        const Selection s = w.State();
        EXPECT_EQ(s.category, 0);
        EXPECT_EQ(s.fromUnit, 0);
        EXPECT_EQ(s.toUnit, 0);
    });
}

// Every category in turn, each time after other units were picked: the lists are refilled
// with its units, show no selected row, and the value converts first unit to first unit.
TEST(ConverterWindow, EveryCategoryRefillsBothListsAndConvertsFirstUnitToFirstUnit) {
    RunConverter([](Window& w) {
        SendMessageW(w.value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
        const CCatalogue& catalogue = BuiltCatalogue();
        for (int i = catalogue.GetCount() - 1; i >= 0; --i) {
            const CUnitCategory& category = catalogue[i];
            SCOPED_TRACE(::testing::Message() << "category " << i);
            Window::SelectRow(w.from, 1);
            Window::SelectRow(w.to, 2);
            ASSERT_TRUE(w.SelectCategory(category.m_strName));
            for (HWND list : {w.from, w.to}) {
                EXPECT_EQ(Window::Rows(list), category.m_arrUnits);
                EXPECT_EQ(Window::SelectedRow(list), -1);
            }
            EXPECT_EQ(Text(w.value), L"7");
            EXPECT_EQ(Text(w.result), L"7");
            const Selection s = w.State();
            EXPECT_EQ(s.category, i);
            EXPECT_EQ(s.fromUnit, 0);
            EXPECT_EQ(s.toUnit, 0);
        }
    });
}

// The degree sign reaches the lists as U+00B0, not as the bytes of some code page.
TEST(ConverterWindow, UnitNamesShowTheDegreeSign) {
    struct Case {
        const wchar_t* category;
        const wchar_t* unit;
    };
    static constexpr Case kCases[] = {
        {L"Pressure", L"Inch mercury (32\u00B0F)"},
        {L"Pressure", L"Cm. water (4\u00B0C)"},
        {L"Heat Transfer Coefficient", L"Kilocal/hr sq meter\u00B0C"},
    };
    RunConverter([](Window& w) {
        for (const Case& c : kCases) {
            ASSERT_TRUE(w.SelectCategory(c.category));
            EXPECT_GE(Window::RowOf(w.from, c.unit), 0) << "no row with the degree sign";
            EXPECT_GE(Window::RowOf(w.to, c.unit), 0) << "no row with the degree sign";
        }
    });
}

struct ClickedConversion {
    const wchar_t* category;
    const wchar_t* fromUnit;
    const wchar_t* toUnit;
    const wchar_t* value;
    const wchar_t* shown;
};

void PrintTo(const ClickedConversion& c, std::ostream* os) {
    *os << Narrow(c.value) << " " << Narrow(c.fromUnit) << " to " << Narrow(c.toUnit) << " in "
        << Narrow(c.category);
}

class ClickedConversionTest : public ::testing::TestWithParam<ClickedConversion> {};

// A click on a From row and then on a To row converts between those two units.
TEST_P(ClickedConversionTest, ShowsTheValueConverted) {
    const ClickedConversion c = GetParam();
    RunConverter([&c](Window& w) {
        ASSERT_TRUE(w.SelectCategory(c.category));
        SendMessageW(w.value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.value));
        const int fromRow = Window::RowOf(w.from, c.fromUnit);
        const int toRow = Window::RowOf(w.to, c.toUnit);
        ASSERT_TRUE(Window::ClickRow(w.from, fromRow));
        ASSERT_TRUE(Window::ClickRow(w.to, toRow));
        EXPECT_TRUE(w.Shows(w.result, c.shown));
        EXPECT_EQ(Window::SelectedRow(w.from), fromRow);
        EXPECT_EQ(Window::SelectedRow(w.to), toRow);
        const Selection s = w.State();
        EXPECT_EQ(s.fromUnit, fromRow);
        EXPECT_EQ(s.toUnit, toRow);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Units, ClickedConversionTest,
    ::testing::Values(ClickedConversion{L"Length/Distance", L"Meter", L"Kilometer", L"1", L"0.001"},
                      ClickedConversion{L"Length/Distance", L"Kilometer", L"Meter", L"3", L"3000"},
                      ClickedConversion{L"Temperature", L"Celsius (C)", L"Fahrenheit (F)", L"100",
                                        L"212"},
                      ClickedConversion{L"Pressure", L"Torr", L"Torr", L"5", L"5"}));

// Clicking the empty area below the rows takes the list's selection away, but the unit
// stays the one converted from or to.
TEST(ConverterWindow, ClickBelowTheRowsKeepsTheUnit) {
    RunConverter([](Window& w) {
        ASSERT_TRUE(w.SelectCategory(L"Temperature"));
        SendMessageW(w.value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"100"));
        ASSERT_TRUE(Window::ClickRow(w.from, Window::RowOf(w.from, L"Celsius (C)")));
        ASSERT_TRUE(Window::ClickRow(w.to, Window::RowOf(w.to, L"Kelvin (K)")));
        ASSERT_TRUE(w.Shows(w.result, L"373.15"));
        const Selection before = w.State();
        for (HWND list : {w.to, w.from}) {
            ASSERT_TRUE(Window::ClickBelowRows(list));
            EXPECT_TRUE(WaitFor([list] { return Window::SelectedRow(list) == -1; }));
        }
        // A conversion now still goes from Celsius to Kelvin.
        SendMessageW(w.value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0"));
        EXPECT_TRUE(w.Shows(w.result, L"273.15"));
        const Selection after = w.State();
        EXPECT_EQ(after.fromUnit, before.fromUnit);
        EXPECT_EQ(after.toUnit, before.toUnit);
    });
}

struct Typing {
    const wchar_t* keys;
    const wchar_t* shown;
    double value;
};

void PrintTo(const Typing& t, std::ostream* os) {
    *os << "keys " << Narrow(t.keys);
}

class TypingTest : public ::testing::TestWithParam<Typing> {};

// Real key presses in the value field of the first category, where the result equals the
// value: each change converts, and the field is brought into the shown format at once.
TEST_P(TypingTest, ConvertsAndRewritesTheValueField) {
    const Typing t = GetParam();
    RunConverter([&t](Window& w) {
        ASSERT_TRUE(w.ClickToFocus(w.value));
        Window::Type(t.keys);
        EXPECT_TRUE(w.Shows(w.value, t.shown));
        EXPECT_TRUE(w.Shows(w.result, t.shown));
        EXPECT_EQ(w.State().value, t.value);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingTest,
    ::testing::Values(
        // Selecting the whole text and typing replaces it in one change.
        Typing{L"{END}{S-HOME}5", L"5", 5},
        // '0' typed in front of '5' gives '05', which reads as 5 and is shown as '5'.
        Typing{L"{END}{S-HOME}5{HOME}0", L"5", 5},
        // Fifteen digits stand as typed; the sixteenth turns the field exponential.
        Typing{L"{END}{S-HOME}123456789012345", L"123456789012345", 123456789012345.0},
        Typing{L"{END}{S-HOME}1234567890123456", L"1.23456789012346e+015", 1234567890123456.0},
        // A letter never reaches the field; the digit after it does.
        Typing{L"{END}a7", L"17", 17}));

// After '05' is rewritten as '5' the caret is at the start of the field, nothing selected.
TEST(ConverterWindow, RewrittenValueLeavesTheCaretAtTheStart) {
    RunConverter([](Window& w) {
        ASSERT_TRUE(w.ClickToFocus(w.value));
        Window::Type(L"{END}{S-HOME}5{HOME}0");
        ASSERT_TRUE(w.Shows(w.value, L"5"));
        DWORD start = 1;
        DWORD end = 1;
        SendMessageW(w.value, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
    });
}

// Deleting the last digit raises the message over the window, with the application title as
// its caption and the dialog background; while it is up, nothing the lists or the field
// report converts; after OK the previous value comes back, in the focused value field.
TEST(ConverterWindow, EmptiedValueFieldShowsTheMessageAndRestoresThePreviousValue) {
    RunConverter([](Window& w) {
        ASSERT_TRUE(w.SelectCategory(L"Length/Distance"));
        ASSERT_TRUE(w.ClickToFocus(w.value));
        Window::Type(L"{END}{S-HOME}25");
        ASSERT_TRUE(w.Shows(w.result, L"25"));
        Window::Type(L"{BACK}");
        ASSERT_TRUE(w.Shows(w.result, L"2"));
        Window::Type(L"{BACK}");
        const HWND box = w.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(GetWindow(box, GW_OWNER), w.Hwnd());
        EXPECT_EQ(Text(box), AppTitle());
        EXPECT_EQ(Text(GetDlgItem(box, kMessageTextId)), kPleaseEnter);

        // The box's own background, in two corners of its client area.
        RECT client{};
        GetClientRect(box, &client);
        for (const POINT p : {POINT{3, 3}, POINT{client.right - 4, client.bottom - 4}}) {
            COLORREF pixel = CLR_INVALID;
            EXPECT_TRUE(WaitFor([&] {
                const HDC dc = GetDC(box);
                pixel = GetPixel(dc, p.x, p.y);
                ReleaseDC(box, dc);
                return pixel == kDialogBk;
            })) << std::hex
                << "pixel 0x" << pixel << " at " << std::dec << p.x << "," << p.y;
        }

        // Posted to the lists and the field while the box is up: all dropped.
        LVITEMW selected{};
        selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
        PostMessageW(w.from, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&selected));
        PostMessageW(w.to, LVM_SETITEMSTATE, 7, reinterpret_cast<LPARAM>(&selected));
        ASSERT_TRUE(WaitFor(
            [&] { return Window::SelectedRow(w.from) == 3 && Window::SelectedRow(w.to) == 7; }));
        SendMessageW(w.value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9"));
        EXPECT_EQ(Text(w.result), L"2");
        const Selection during = w.State();
        EXPECT_EQ(during.fromUnit, 0);
        EXPECT_EQ(during.toUnit, 0);
        EXPECT_EQ(during.value, 2);
        EXPECT_TRUE(IsWindow(box));

        ASSERT_TRUE(w.CloseMessageBox(box));
        EXPECT_TRUE(w.Shows(w.value, L"2"));
        EXPECT_TRUE(w.Shows(w.result, L"2"));
        EXPECT_EQ(w.Focus(), w.value);
        const Selection after = w.State();
        EXPECT_EQ(after.fromUnit, 0);
        EXPECT_EQ(after.toUnit, 0);
    });
}

struct Pasting {
    const wchar_t* text;
    bool message;
    const wchar_t* shown;
};

void PrintTo(const Pasting& p, std::ostream* os) {
    *os << "pasted '" << Narrow(p.text) << "'";
}

class PasteTest : public ::testing::TestWithParam<Pasting> {};

// Pasted text is not filtered: what reads as a number converts and is shown in the shown
// format; anything else raises the message and the previous value, 1, comes back.
TEST_P(PasteTest, ReadsThePastedTextOrRestoresTheValue) {
    const Pasting p = GetParam();
    RunConverter([&p](Window& w) {
        w.Paste(p.text);
        if (p.message) {
            ExpectPleaseEnterBox(w, w.WaitForMessageBox());
        }
        EXPECT_TRUE(w.Shows(w.value, p.shown));
        EXPECT_TRUE(w.Shows(w.result, p.shown));
        EXPECT_FALSE(w.HasMessageBox());
    });
}

INSTANTIATE_TEST_SUITE_P(Clipboard, PasteTest,
                         ::testing::Values(Pasting{L"1d3", false, L"1000"},
                                           Pasting{L" -2.5e-3 ", false, L"-0.0025"},
                                           Pasting{L"2,5", true, L"1"}, Pasting{L"1e", true, L"1"},
                                           Pasting{L"-0", true, L"1"}));

// An infinite result shows as '1.#INF'. That text is not a number, so the next conversion
// reports the result field (after reading the value field), then goes on with the new value.
TEST(ConverterWindow, InfiniteResultIsReportedAtTheNextConversion) {
    RunConverter([](Window& w) {
        ASSERT_TRUE(w.SelectCategory(L"Length/Distance"));
        Window::SelectRow(w.from, Window::RowOf(w.from, L"League"));
        Window::SelectRow(w.to, Window::RowOf(w.to, L"Angstrom"));
        w.Paste(L"1e300");
        ASSERT_TRUE(w.Shows(w.result, L"1.#INF"));
        EXPECT_TRUE(w.Shows(w.value, L"1e+300"));
        EXPECT_TRUE(std::isinf(w.State().result));

        Window::ClickMiddle(GetDlgItem(w.Hwnd(), IDC_CONVERT));
        ExpectPleaseEnterBox(w, w.WaitForMessageBox());
        EXPECT_TRUE(WaitFor([&w] { return w.Focus() == w.result; }));
        EXPECT_TRUE(w.Shows(w.result, L"1.#INF"));

        w.Paste(L"2");
        ExpectPleaseEnterBox(w, w.WaitForMessageBox());
        const std::wstring expected = Converted(L"Length/Distance", 0, 19, 2);
        EXPECT_TRUE(w.Shows(w.result, expected));
        EXPECT_TRUE(w.Shows(w.value, L"2"));
        EXPECT_EQ(w.State().value, 2);
    });
}

struct Closing {
    const char* name;
    std::function<void(Window&)> action;
    INT_PTR modalResult;
};

void PrintTo(const Closing& c, std::ostream* os) {
    *os << c.name;
}

class ClosingTest : public ::testing::TestWithParam<Closing> {};

TEST_P(ClosingTest, EndsTheModalRun) {
    const Closing& c = GetParam();
    bool closed = false;
    const INT_PTR modalResult = RunConverter([&](Window& w) {
        c.action(w);
        closed = WaitFor([&w] { return !w.IsOpen(); });
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(modalResult, c.modalResult);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    ::testing::Values(
        Closing{"Enter",
                [](Window& w) {
                    ASSERT_TRUE(w.ClickToFocus(w.value));
                    Window::Type(L"{RETURN}");
                },
                IDOK},
        Closing{"Escape",
                [](Window& w) {
                    ASSERT_TRUE(w.ClickToFocus(w.value));
                    Window::Type(L"{ESC}");
                },
                IDCANCEL},
        Closing{"CloseButton",
                [](Window& w) { Window::ClickMiddle(GetDlgItem(w.Hwnd(), IDCANCEL)); }, IDCANCEL},
        Closing{"CaptionCloseButton",
                [](Window& w) { Window::ClickMiddle(GetDlgItem(w.Hwnd(), IDC_CAPTION_CLOSE)); },
                IDCANCEL}),
    [](const ::testing::TestParamInfo<Closing>& info) { return info.param.name; });

// Enter reads the fields first: with a field that is not a number the message comes and
// the window stays open.
TEST(ConverterWindow, EnterWithAFieldThatIsNotANumberKeepsTheWindowOpen) {
    bool stayedOpen = false;
    const INT_PTR modalResult = RunConverter([&stayedOpen](Window& w) {
        ASSERT_TRUE(w.SelectCategory(L"Length/Distance"));
        Window::SelectRow(w.to, Window::RowOf(w.to, L"Angstrom"));
        w.Paste(L"1e300");
        ASSERT_TRUE(w.Shows(w.result, L"1.#INF"));
        Window::Type(L"{RETURN}");
        ExpectPleaseEnterBox(w, w.WaitForMessageBox());
        stayedOpen = w.IsOpen();
        Window::Type(L"{ESC}");
        WaitFor([&w] { return !w.IsOpen(); });
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(modalResult, IDCANCEL);
}

// F1 asks for help; there is no help file, so a notice says so, and the window stays open.
TEST(ConverterWindow, F1ShowsThatNoHelpIsAvailable) {
    RunConverter([](Window& w) {
        Window::Type(L"{F1}");
        const HWND box = w.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "no help notice";
        EXPECT_EQ(GetWindow(box, GW_OWNER), w.Hwnd());
        EXPECT_EQ(Text(box), AppTitle());
        EXPECT_FALSE(Text(GetDlgItem(box, kMessageTextId)).empty());
        EXPECT_TRUE(w.CloseMessageBox(box));
        EXPECT_TRUE(w.IsOpen());
    });
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CTestApp app;
    app.InitInstance();
    CMainThreadCall::Create();
    return RUN_ALL_TESTS();
}
