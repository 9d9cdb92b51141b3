#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/number_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Messages whose result a dialog procedure returns itself instead of in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

// The window of the control that sent the message, or null when it is not from a control.
HWND SendingControl(const Message& m) {
    switch (m.message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(m.lParam);
    case WM_NOTIFY:
        return m.Header().hwndFrom;
    case WM_DRAWITEM: {
        const auto& item = m.Param<const DRAWITEMSTRUCT>();
        return item.CtlType == ODT_MENU ? nullptr : item.hwndItem;
    }
    default:
        return nullptr;
    }
}

} // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hWndParent(parent) {}

INT_PTR CDialog::DoModal() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId), m_hWndParent,
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) const {
    ::EndDialog(m_hWnd, result);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(*this, bSaveAndValidate);
    const bool outer = std::exchange(m_bExchanging, true);
    DoDataExchange(dx);
    m_bExchanging = outer;
    return !dx.Failed();
}

HWND CDialog::GetControl(int id) {
    for (const auto& [controlId, control] : m_arrControls) {
        if (controlId == id && IsWindow(control) && ::GetParent(control) == m_hWnd &&
            ::GetDlgCtrlID(control) == id)
            return control;
    }
    std::erase_if(m_arrControls, [id](const auto& entry) { return entry.first == id; });
    const HWND control = GetDlgItem(id);
    if (control)
        m_arrControls.emplace_back(id, control);
    return control;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::ProcessMessage(Message& m) {
    if (m.IsCommand(IDOK)) {
        OnOK();
        return true;
    }
    if (m.IsCommand(IDCANCEL)) {
        OnCancel();
        return true;
    }
    if (m.message == WM_HELP) {
        SendMessage(WM_COMMAND, ID_HELP);
        m.result = TRUE;
        return true;
    }
    if (m.IsCommand(ID_HELP)) {
        if (CWinApp* app = CWinApp::GetApp())
            app->OnHelp();
        return true;
    }
    return false;
}

bool CDialog::ReflectToControl(Message& m) const {
    const HWND control = SendingControl(m);
    CWnd* object = control ? FindChildObject(control) : nullptr;
    if (!object)
        return false;
    Message reflected{m.message + WM_REFLECT_BASE, m.wParam, m.lParam};
    if (!object->ReflectMessage(reflected))
        return false;
    m.result = reflected.result;
    return true;
}

bool CDialog::Dispatch(Message& m) {
    if (ReflectToControl(m))
        return true;
    // While the exchange runs, control notifications are left to the dialog manager, which
    // ignores them.
    if (m_bExchanging && SendingControl(m) && m.message != WM_DRAWITEM)
        return false;
    return ProcessMessage(m);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(wnd, DWLP_USER, lParam);
        self->m_hWnd = wnd;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(wnd, DWLP_USER));
    if (!self)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(wnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        self->m_arrControls.clear();
        return FALSE;
    }
    Message m{message, wParam, lParam};
    if (!self->Dispatch(m))
        return FALSE;
    if (ReturnsResultDirectly(message))
        return m.result;
    // Reading the slot is cheap, writing it is not: write only a changed result.
    if (GetWindowLongPtrW(wnd, DWLP_MSGRESULT) != m.result)
        SetWindowLongPtrW(wnd, DWLP_MSGRESULT, m.result);
    return TRUE;
}

void CDataExchange::Fail(HWND ctrl, const wchar_t* message) {
    m_bFailed = true;
    const HWND dlg = m_dlg.GetSafeHwnd();
    AppMessageBox(dlg, message, MB_OK | MB_ICONEXCLAMATION);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ctrl), TRUE);
    SendMessageW(ctrl, EM_SETSEL, 0, -1);
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (!control.GetSafeHwnd() && control.SubclassWindow(dx.Dialog().GetControl(id)))
        dx.Dialog().AddChildObject(control);
}

void DDX_Text(CDataExchange& dx, int id, double& value) {
    if (dx.Failed())
        return;
    const HWND field = dx.Dialog().GetControl(id);
    if (!field)
        return;
    if (dx.IsSaving()) {
        // Only the first kMaxReadChars characters of a field are read.
        std::array<wchar_t, kMaxReadChars + 1> text{};
        const int length = GetWindowTextW(field, text.data(), static_cast<int>(text.size()));
        const auto number =
            ParseNumber(std::wstring_view(text.data(), static_cast<std::size_t>(length)));
        if (!number) {
            dx.Fail(field, L"Please enter a number.");
            return;
        }
        value = *number;
    } else {
        const std::wstring shown = FormatNumber(value);
        // One character more than the longest shown text tells every other text apart.
        std::array<wchar_t, kMaxShownChars + 2> text{};
        const int length = GetWindowTextW(field, text.data(), static_cast<int>(text.size()));
        const std::wstring_view current(text.data(), static_cast<std::size_t>(length));
        if (current != shown)
            SetWindowTextW(field, shown.c_str());
    }
}
