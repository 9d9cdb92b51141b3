#pragma once

#include "catalogue/catalogue.h"
#include "framework/controls.h"
#include "framework/dialog.h"

// The converter window: a tree of the conversion categories, a From and a To list of the
// selected category's units, the value field and the result field. Every change of the
// category, of a list's selection or of the value's text converts at once.
class CConverterDlg : public CDialog {
public:
    explicit CConverterDlg(HWND parent = nullptr);

    // The selection: category index and the From and To unit indices, -1 for none.
    int GetCategory() const { return m_nCategory; }
    int GetFromUnit() const { return m_nFromUnit; }
    int GetToUnit() const { return m_nToUnit; }
    // The last value read from the value field and the last result computed.
    double GetValue() const { return m_dValue; }
    double GetResult() const { return m_dResult; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    bool ProcessMessage(Message& m) override;

private:
    void BuildCatalogue();
    void InitCategoryTree();
    void InitUnitLists();
    void OnCaptionClose();
    void OnSelChangedCategory(const NMTREEVIEWW& notify);
    void OnItemChangedFrom();
    void OnItemChangedTo();
    // The first selected row of list becomes unit, then the value converts; a list without a
    // selected row leaves unit as it was.
    void TakeSelectedUnit(const CListCtrl& list, int& unit);
    void OnConvert();

    CListCtrl m_listTo;
    CListCtrl m_listFrom;
    CTreeCtrl m_treeCategories;
    CButton m_btnClose;
    CButton m_btnConvert;
    CButton m_btnCaptionClose;
    double m_dValue = 1.0;
    double m_dResult = 1.0;
    CImageList m_imlCategories;
    bool m_bInitialized = false;
    CCatalogue m_categories;
    int m_nCategory = -1;
    int m_nFromUnit = -1;
    int m_nToUnit = -1;
};
