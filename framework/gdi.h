#pragma once

#include <windows.h>

#include <utility>

// Owners of GDI handles and device contexts. Every owner releases its handle exactly once:
// copying is deleted, moving hands the handle over.

// A GDI object (bitmap, brush, font, pen) deleted with DeleteObject.
template <typename Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_handle(handle) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other)
            Attach(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    Handle GetSafeHandle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Takes ownership of handle, deleting the one held before.
    void Attach(Handle handle) {
        DeleteObject();
        m_handle = handle;
    }
    Handle Detach() { return std::exchange(m_handle, nullptr); }
    void DeleteObject() {
        if (m_handle)
            ::DeleteObject(std::exchange(m_handle, nullptr));
    }

private:
    Handle m_handle = nullptr;
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) : CGdiObject(CreateSolidBrush(colour)) {}
};

class CFont : public CGdiObject<HFONT> {
public:
    CFont() = default;
    explicit CFont(const LOGFONTW& lf) : CGdiObject(CreateFontIndirectW(&lf)) {}
};

class CPen : public CGdiObject<HPEN> {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) : CGdiObject(CreatePen(style, width, colour)) {}
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    CBitmap() = default;
    explicit CBitmap(HBITMAP bitmap) : CGdiObject(bitmap) {}

    // Loads a bitmap resource of the program by numeric id; false when there is none.
    bool LoadBitmap(UINT id) {
        Attach(::LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
        return static_cast<bool>(*this);
    }
    bool CreateCompatibleBitmap(HDC dc, int width, int height) {
        Attach(::CreateCompatibleBitmap(dc, width, height));
        return static_cast<bool>(*this);
    }
    // Width and height in bitmap; false when the handle is empty or cannot be read.
    bool GetBitmap(BITMAP& bitmap) const {
        return GetSafeHandle() &&
               GetObjectW(GetSafeHandle(), sizeof(BITMAP), &bitmap) == sizeof(BITMAP);
    }
};

// A device context that is not owned: what the paint and draw-item records hand over.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

protected:
    CDC(CDC&& other) noexcept : m_hDC(std::exchange(other.m_hDC, nullptr)) {}
    HDC m_hDC = nullptr;
};

// A memory device context compatible with another one, deleted with DeleteDC.
class CMemoryDC : public CDC {
public:
    explicit CMemoryDC(HDC compatibleWith) : CDC(CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDC() override {
        if (m_hDC)
            DeleteDC(m_hDC);
    }
    CMemoryDC(CMemoryDC&& other) noexcept : CDC(std::move(other)) {}
    CMemoryDC& operator=(CMemoryDC&&) = delete;
};

// BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND wnd) : m_hWnd(wnd) { m_hDC = BeginPaint(wnd, &m_ps); }
    ~CPaintDC() override {
        if (m_hWnd)
            EndPaint(m_hWnd, &m_ps);
    }
    CPaintDC(CPaintDC&& other) noexcept
        : CDC(std::move(other)), m_hWnd(std::exchange(other.m_hWnd, nullptr)), m_ps(other.m_ps) {}
    CPaintDC& operator=(CPaintDC&&) = delete;
    const PAINTSTRUCT& GetPaintStruct() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// GetDC in the constructor, ReleaseDC in the destructor.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd) : CDC(GetDC(wnd)), m_hWnd(wnd) {}
    ~CClientDC() override {
        if (m_hDC)
            ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(CClientDC&& other) noexcept
        : CDC(std::move(other)), m_hWnd(std::exchange(other.m_hWnd, nullptr)) {}
    CClientDC& operator=(CClientDC&&) = delete;

private:
    HWND m_hWnd;
};

// Selects an object into a device context and selects the previous one back when it ends.
// Failed() tells when the selection did not happen (nothing is restored then).
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object)
        : m_hDC(dc), m_hOld(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelectObject() {
        if (m_hOld && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

    bool Failed() const { return !m_hOld || m_hOld == HGDI_ERROR; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// Saves a device context's state and restores it when it ends.
class CSaveDC {
public:
    explicit CSaveDC(HDC dc) : m_hDC(dc), m_nSaved(SaveDC(dc)) {}
    ~CSaveDC() {
        if (m_nSaved)
            RestoreDC(m_hDC, m_nSaved);
    }
    CSaveDC(const CSaveDC&) = delete;
    CSaveDC& operator=(const CSaveDC&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};
