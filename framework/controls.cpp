#include "framework/controls.h"

#include "framework/gdi.h"

#include <vector>

namespace {

// Reads an item text through a control message that fills a buffer of a given size, growing
// the buffer until the text fits.
template <typename Fill>
std::wstring ReadItemText(Fill fill) {
    std::vector<wchar_t> buffer(64);
    for (;;) {
        buffer.assign(buffer.size(), L'\0');
        fill(buffer.data(), static_cast<int>(buffer.size()));
        buffer.back() = L'\0';
        const std::wstring text(buffer.data());
        if (text.size() + 1 < buffer.size() || buffer.size() >= 32768)
            return text;
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

bool CButton::ProcessMessage(Message& m) {
    if (m.message == WM_REFLECT_DRAWITEM) {
        DrawItem(m.Param<const DRAWITEMSTRUCT>());
        m.result = TRUE;
        return true;
    }
    return CWnd::ProcessMessage(m);
}

void CButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    CSaveDC saved(dc);
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) |
                         (disabled ? DFCS_INACTIVE : 0));
    RECT textRect = item.rcItem;
    if (pressed)
        OffsetRect(&textRect, 1, 1);
    const std::wstring text = GetWindowText();
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

HTREEITEM CTreeCtrl::InsertItem(const wchar_t* text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after) const {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = 0;
    return reinterpret_cast<HTREEITEM>(
        SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::wstring CTreeCtrl::GetItemText(HTREEITEM item) const {
    return ReadItemText([&](wchar_t* buffer, int size) {
        TVITEMW tvi{};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = buffer;
        tvi.cchTextMax = size;
        SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
        // The tree may answer with a pointer to its own copy of the text.
        if (tvi.pszText && tvi.pszText != buffer)
            lstrcpynW(buffer, tvi.pszText, size);
    });
}

int CListCtrl::InsertColumn(int index, const wchar_t* heading, int format, int width) const {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading);
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::AddItem(const wchar_t* text) const {
    LVITEMW row{};
    row.mask = LVIF_TEXT;
    row.iItem = GetItemCount();
    row.pszText = const_cast<wchar_t*>(text);
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
}

std::wstring CListCtrl::GetItemText(int item, int subItem) const {
    return ReadItemText([&](wchar_t* buffer, int size) {
        LVITEMW row{};
        row.iSubItem = subItem;
        row.pszText = buffer;
        row.cchTextMax = size;
        SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
    });
}

bool CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMW row{};
    row.state = state;
    row.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                       reinterpret_cast<LPARAM>(&row)) != 0;
}

CImageList& CImageList::operator=(CImageList&& other) noexcept {
    if (this != &other) {
        DeleteImageList();
        m_hImageList = std::exchange(other.m_hImageList, nullptr);
    }
    return *this;
}

bool CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    DeleteImageList();
    m_hImageList = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId), cx,
                                        grow, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return m_hImageList != nullptr;
}

void CImageList::DeleteImageList() {
    if (m_hImageList)
        ImageList_Destroy(std::exchange(m_hImageList, nullptr));
}
