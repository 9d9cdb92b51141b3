#include "framework/app.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

namespace {

CWinApp* g_pApp = nullptr;

constexpr UINT_PTR kDialogColourSubclassId = 1;

std::wstring TitleFromModuleName() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::filesystem::path(std::wstring(path.data(), length)).stem().wstring();
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
}

bool IsDialogClass(HWND wnd) {
    std::array<wchar_t, 8> name{};
    const int length = GetClassNameW(wnd, name.data(), static_cast<int>(name.size()));
    return std::wstring_view(name.data(), static_cast<std::size_t>(length > 0 ? length : 0)) ==
           L"#32770";
}

} // namespace

CWinApp::CWinApp() : m_strTitle(TitleFromModuleName()) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (m_hCbtHook)
        UnhookWindowsHookEx(m_hCbtHook);
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* CWinApp::GetApp() {
    return g_pApp;
}

void CWinApp::SetDialogBkColor(COLORREF bk, COLORREF text) {
    m_brDlgBk = CBrush(bk);
    m_clrDlgBk = bk;
    m_clrDlgText = text;
    if (!m_hCbtHook)
        m_hCbtHook = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
}

void CWinApp::OnHelp() {
    const HWND main = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    AppMessageBox(main ? main : GetActiveWindow(), L"No help is available for this program.",
                  MB_OK | MB_ICONINFORMATION);
}

LRESULT CALLBACK CWinApp::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    CWinApp* app = g_pApp;
    if (code == HCBT_CREATEWND && app) {
        const auto wnd = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(wnd))
            SetWindowSubclass(wnd, DialogColourProc, kDialogColourSubclassId,
                              reinterpret_cast<DWORD_PTR>(app));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CWinApp::DialogColourProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR refData) {
    const auto* app = reinterpret_cast<const CWinApp*>(refData);
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (app == g_pApp && app->m_brDlgBk) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, app->m_clrDlgBk);
            SetTextColor(dc, app->m_clrDlgText);
            return reinterpret_cast<LRESULT>(app->m_brDlgBk.GetSafeHandle());
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(wnd, DialogColourProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(wnd, message, wParam, lParam);
}

std::wstring GetAppTitle() {
    return g_pApp ? g_pApp->GetTitle() : TitleFromModuleName();
}

int AppMessageBox(HWND owner, const wchar_t* text, UINT type) {
    const std::wstring title = GetAppTitle();
    return MessageBoxW(owner, text, title.c_str(), type);
}
