#include "app/converter_app.h"

#include "ui/converter_dlg.h"

bool CConverterApp::InitInstance() {
    CConverterDlg dlg;
    SetDialogBkColor(RGB(204, 235, 255), RGB(0, 0, 0));
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
