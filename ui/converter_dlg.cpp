#include "ui/converter_dlg.h"

#include "catalogue/convert.h"
#include "res/resource.h"

CConverterDlg::CConverterDlg(HWND parent) : CDialog(IDD_CONVERTER, parent) {}

void CConverterDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_TO_LIST, m_listTo);
    DDX_Control(dx, IDC_FROM_LIST, m_listFrom);
    DDX_Control(dx, IDC_CATEGORY_TREE, m_treeCategories);
    DDX_Control(dx, IDCANCEL, m_btnClose);
    DDX_Control(dx, IDC_CONVERT, m_btnConvert);
    DDX_Control(dx, IDC_CAPTION_CLOSE, m_btnCaptionClose);
    DDX_Text(dx, IDC_VALUE, m_dValue);
    DDX_Text(dx, IDC_RESULT, m_dResult);
}

bool CConverterDlg::ProcessMessage(Message& m) {
    if (m.IsCommand(IDC_CAPTION_CLOSE)) {
        OnCaptionClose();
        return true;
    }
    if (m.IsNotify(IDC_CATEGORY_TREE, TVN_SELCHANGEDW)) {
        OnSelChangedCategory(m.Param<const NMTREEVIEWW>());
        m.result = 0;
        return true;
    }
    if (m.IsCommand(IDC_VALUE, EN_CHANGE) || m.IsCommand(IDC_CONVERT)) {
        OnConvert();
        return true;
    }
    if (m.IsNotify(IDC_FROM_LIST, LVN_ITEMCHANGED)) {
        OnItemChangedFrom();
        m.result = 0;
        return true;
    }
    if (m.IsNotify(IDC_TO_LIST, LVN_ITEMCHANGED)) {
        OnItemChangedTo();
        m.result = 0;
        return true;
    }
    return CDialog::ProcessMessage(m);
}

bool CConverterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(L"Quantik");
    CenterWindow();
    BuildCatalogue();
    InitCategoryTree();
    InitUnitLists();
    m_bInitialized = true;
    return true;
}

void CConverterDlg::BuildCatalogue() {
    m_nCategory = -1;
    m_nFromUnit = -1;
    m_nToUnit = -1;
    m_categories.BuildCatalogue();
}

void CConverterDlg::InitCategoryTree() {
    {
        const CRedrawGuard noRedraw(m_treeCategories);
        for (int i = 0; i < m_categories.GetCount(); ++i)
            m_treeCategories.InsertItem(m_categories[i].m_strName.c_str(), 0, 1);
    }
    if (const HTREEITEM root = m_treeCategories.GetRootItem())
        m_treeCategories.SelectItem(root);
}

void CConverterDlg::InitUnitLists() {
    for (const CListCtrl* list : {&m_listFrom, &m_listTo}) {
        const RECT client = list->GetClientRect();
        list->InsertColumn(0, L" ", LVCFMT_LEFT, client.right - client.left);
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    }
}

void CConverterDlg::OnCaptionClose() {
    OnCancel();
}

void CConverterDlg::OnSelChangedCategory(const NMTREEVIEWW& notify) {
    const int found = m_categories.FindCategory(m_treeCategories.GetItemText(notify.itemNew.hItem));
    if (found >= 0)
        m_nCategory = found;
    if (!m_categories.IsValidIndex(m_nCategory))
        return;
    {
        const CRedrawGuard noRedrawFrom(m_listFrom);
        const CRedrawGuard noRedrawTo(m_listTo);
        m_listFrom.DeleteAllItems();
        m_listTo.DeleteAllItems();
        for (const std::wstring& unit : m_categories[m_nCategory].m_arrUnits) {
            m_listFrom.AddItem(unit.c_str());
            m_listTo.AddItem(unit.c_str());
        }
    }
    m_nToUnit = 0;
    m_nFromUnit = 0;
    m_listFrom.SetSelectionMark(0);
    m_listTo.SetSelectionMark(0);
    OnConvert();
}

void CConverterDlg::OnItemChangedFrom() {
    TakeSelectedUnit(m_listFrom, m_nFromUnit);
}

void CConverterDlg::OnItemChangedTo() {
    TakeSelectedUnit(m_listTo, m_nToUnit);
}

void CConverterDlg::TakeSelectedUnit(const CListCtrl& list, int& unit) {
    const int row = list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    unit = row;
    OnConvert();
}

void CConverterDlg::OnConvert() {
    UpdateData(true);
    const std::optional<double> result =
        ConvertValue(m_categories, m_nCategory, m_nFromUnit, m_nToUnit, m_dValue);
    if (!result)
        return;
    m_dResult = *result;
    UpdateData(false);
}
