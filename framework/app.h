#pragma once

#include "framework/gdi.h"
#include "framework/wnd.h"

#include <string>

// The application object: one per process, made before wWinMain runs and destroyed at exit.
// It holds the application title (the caption of every message box) and the colour scheme
// of every dialog box and message box of the process.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The whole run of the program; false tells the caller not to run a message loop.
    virtual bool InitInstance() = 0;

    // The application object of the process, or null before it exists and after it ends.
    static CWinApp* GetApp();

    const std::wstring& GetTitle() const { return m_strTitle; }

    // Gives every dialog box of this thread made from now on, message boxes included, the
    // background colour bk, and their static texts, buttons and read-only edit fields that
    // background with text colour text. Editable edit fields keep the system colours.
    void SetDialogBkColor(COLORREF bk, COLORREF text);

    // The Help command (F1): there is no help file, so it says so, over the main window or
    // else the active window of the thread.
    virtual void OnHelp();

    CWnd* m_pMainWnd = nullptr;

private:
    static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK DialogColourProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR refData);

    std::wstring m_strTitle;
    CBrush m_brDlgBk;
    COLORREF m_clrDlgBk = 0;
    COLORREF m_clrDlgText = 0;
    HHOOK m_hCbtHook = nullptr;
};

// The application title: the executable's file name without its extension. A process
// without an application object gets the same title.
std::wstring GetAppTitle();

// A message box with the application title as its caption.
int AppMessageBox(HWND owner, const wchar_t* text, UINT type);
