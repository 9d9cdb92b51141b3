#pragma once

#include "framework/wnd.h"

#include <utility>
#include <vector>

class CDataExchange;

// Help command id, sent to the dialog when F1 asks for help.
inline constexpr int ID_HELP = 0xE146;

// A modal dialog made from a dialog template of the program's resources. Its object is kept
// in the dialog's DWLP_USER slot from WM_INITDIALOG to WM_NCDESTROY.
//
// Messages pass in this order: WM_NOTIFY, control WM_COMMAND and WM_DRAWITEM go first to
// the object of the control that sent them, if DDX_Control bound it (its map sees them as
// WM_REFLECT_*), and a control that handles one consumes it; while a data exchange runs, the
// remaining control notifications are dropped; everything else goes through the message map, and
// what it does not take gets the dialog manager's default processing.
class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent);

    // Creates the dialog and runs it until EndDialog; returns the value given to EndDialog,
    // or -1 when the dialog could not be created (0 when the parent window is not valid).
    INT_PTR DoModal();
    void EndDialog(INT_PTR result) const;

    // Runs DoDataExchange: bSaveAndValidate true reads the fields into the members, false
    // shows the members in the fields. False when a field could not be read.
    bool UpdateData(bool bSaveAndValidate = true);

    // The window of control id, or null. A window found once is remembered while it stays
    // the dialog's child with that id: the data exchange looks its fields up at every run.
    HWND GetControl(int id);

protected:
    // Shows the members in the fields; true gives the focus to the first tab stop.
    virtual bool OnInitDialog();
    // Enter: reads the fields and ends the dialog with IDOK if they read.
    virtual void OnOK();
    // Escape, the IDCANCEL button: ends the dialog with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange&) {}
    bool ProcessMessage(Message& m) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // True when the message was a control's and its object consumed it.
    bool ReflectToControl(Message& m) const;
    bool Dispatch(Message& m);

    UINT m_nTemplateId;
    HWND m_hWndParent;
    bool m_bExchanging = false;
    std::vector<std::pair<int, HWND>> m_arrControls;
};

// The state of one run of DoDataExchange. The DDX_ functions do nothing once an exchange
// has failed, so the fields after the first one that cannot be read are left alone.
class CDataExchange {
public:
    CDataExchange(CDialog& dlg, bool bSaveAndValidate)
        : m_dlg(dlg), m_bSaveAndValidate(bSaveAndValidate) {}

    CDialog& Dialog() const { return m_dlg; }
    bool IsSaving() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_bFailed; }

    // Tells the user why field ctrl could not be read, gives that field the focus with its
    // whole text selected and marks the exchange as failed.
    void Fail(HWND ctrl, const wchar_t* message);

private:
    CDialog& m_dlg;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
};

// Attaches control to the dialog's control id, once, and lets the dialog reflect the
// control's messages to it.
void DDX_Control(CDataExchange& dx, int id, CWnd& control);

// Exchanges a double with edit field id in the number text format: reading stops the
// exchange with "Please enter a number." when the text is not a number, and value keeps
// what it held; showing replaces the field's text only when it differs.
void DDX_Text(CDataExchange& dx, int id, double& value);
