#pragma once

#include <windows.h>

// The dialog procedure of the bare dialog that Quantik's window is measured against: the
// converter's template run by the system's own modal dialog box and nothing else. Enter,
// Escape and WM_CLOSE end it.
inline INT_PTR CALLBACK BareDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hwnd, LOWORD(wParam));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}
