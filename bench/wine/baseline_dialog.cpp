// The yardstick for Quantik's start-up: the converter's dialog template with the same controls,
// run by the system's own modal dialog box and nothing else: no catalogue, no colours, no
// framework, empty lists and tree, and owner-drawn buttons left undrawn. Enter, Escape and
// WM_CLOSE end it.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK BaselineDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
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

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CONVERTER), nullptr, BaselineDialogProc, 0);
    return 0;
}
