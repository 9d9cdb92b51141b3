// The yardstick for Quantik's start-up: the converter's dialog template with the same controls,
// run by the system's own modal dialog box and nothing else: no catalogue, no colours, no
// framework, empty lists and tree, and owner-drawn buttons left undrawn.
#include "bench/wine/bare_dialog.h"
#include "res/resource.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CONVERTER), nullptr, BareDialogProc, 0);
    return 0;
}
