#pragma once

#include "framework/wnd.h"

#include <string>
#include <utility>

// Thin wrappers over the platform's controls: only what the program uses.

// A push button. An owner-drawn one is painted by DrawItem, which the dialog reflects to
// the button: a plain push button with its text, its pressed look and its focus rectangle.
class CButton : public CWnd {
protected:
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    bool ProcessMessage(Message& m) override;
};

class CStatic : public CWnd {
public:
    bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CWnd::Create(L"STATIC", text, style, rect, parent, id);
    }
};

class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
};

class CTreeCtrl : public CWnd {
public:
    // Appends an item with no item data under parent; null when the tree refuses it.
    HTREEITEM InsertItem(const wchar_t* text, int image, int selectedImage,
                         HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    // Makes item the selected (caret) item; the tree reports TVN_SELCHANGED at once.
    bool SelectItem(HTREEITEM item) const {
        return SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
    }
    std::wstring GetItemText(HTREEITEM item) const;
    int GetCount() const { return static_cast<int>(SendMessage(TVM_GETCOUNT)); }
    HIMAGELIST SetImageList(HIMAGELIST images, int kind) const {
        return reinterpret_cast<HIMAGELIST>(SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(kind),
                                                        reinterpret_cast<LPARAM>(images)));
    }
};

class CListCtrl : public CWnd {
public:
    // Inserts a column; its index, or -1 when the list refuses it.
    int InsertColumn(int index, const wchar_t* heading, int format, int width) const;
    // Appends a row with text as its only text; its index, or -1.
    int AddItem(const wchar_t* text) const;
    bool DeleteAllItems() const { return SendMessage(LVM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // The next row after start (-1: from the top) with the flags; -1 when there is none.
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(
            SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    int SetSelectionMark(int item) const {
        return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, item));
    }
    std::wstring GetItemText(int item, int subItem) const;
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
    }
    bool SetItemState(int item, UINT state, UINT mask) const;
    DWORD SetExtendedStyle(DWORD styles) const {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles));
    }
    bool SetBkColor(COLORREF colour) const { return SendMessage(LVM_SETBKCOLOR, 0, colour) != 0; }
    bool SetTextColor(COLORREF colour) const {
        return SendMessage(LVM_SETTEXTCOLOR, 0, colour) != 0;
    }
    bool SetTextBkColor(COLORREF colour) const {
        return SendMessage(LVM_SETTEXTBKCOLOR, 0, colour) != 0;
    }
    HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
};

// An image list, destroyed with its object.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    CImageList(CImageList&& other) noexcept
        : m_hImageList(std::exchange(other.m_hImageList, nullptr)) {}
    CImageList& operator=(CImageList&& other) noexcept;

    // Cuts bitmap resource id into images cx pixels wide; pixels of colour mask are
    // transparent. False when the bitmap cannot be loaded.
    bool Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    COLORREF SetBkColor(COLORREF colour) const {
        return ImageList_SetBkColor(m_hImageList, colour);
    }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    void DeleteImageList();

private:
    HIMAGELIST m_hImageList = nullptr;
};
