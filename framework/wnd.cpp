#include "framework/wnd.h"

#include <utility>
#include <vector>

CWnd::~CWnd() {
    LeaveParentObject();
    for (CWnd* child : m_arrChildObjects)
        child->m_pParentObject = nullptr;
    if (!m_hWnd)
        return;
    if (m_bOwnsWindow) {
        DestroyWindow(m_hWnd);
    } else {
        Detach();
    }
}

bool CWnd::SubclassWindow(HWND wnd) {
    if (m_hWnd || !IsWindow(wnd))
        return false;
    m_hWnd = wnd;
    PreSubclassWindow();
    // The object is both the subclass's id and its reference data, so that two objects on one
    // window are two subclasses, each removed by its own object.
    if (!SetWindowSubclass(wnd, SubclassProc, SubclassId(), reinterpret_cast<DWORD_PTR>(this))) {
        m_hWnd = nullptr;
        return false;
    }
    return true;
}

bool CWnd::Create(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                  HWND parent, UINT id) {
    if (m_hWnd)
        return false;
    HWND wnd = CreateWindowExW(0, className, text, style, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    if (!wnd)
        return false;
    if (!SubclassWindow(wnd)) {
        DestroyWindow(wnd);
        return false;
    }
    m_bOwnsWindow = true;
    return true;
}

void CWnd::AddChildObject(CWnd& child) {
    if (child.m_pParentObject == this)
        return;
    child.LeaveParentObject();
    m_arrChildObjects.push_back(&child);
    child.m_pParentObject = this;
}

CWnd* CWnd::FindChildObject(HWND wnd) const {
    for (CWnd* child : m_arrChildObjects) {
        if (child->m_hWnd == wnd)
            return child;
    }
    return nullptr;
}

void CWnd::LeaveParentObject() {
    if (m_pParentObject)
        std::erase(std::exchange(m_pParentObject, nullptr)->m_arrChildObjects, this);
}

void CWnd::Detach() {
    LeaveParentObject();
    RemoveWindowSubclass(m_hWnd, SubclassProc, SubclassId());
    m_hWnd = nullptr;
    m_bOwnsWindow = false;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData) {
    auto* self = reinterpret_cast<CWnd*>(refData);
    if (message == WM_NCDESTROY) {
        self->Detach();
        return DefSubclassProc(wnd, message, wParam, lParam);
    }
    Message m{message, wParam, lParam};
    const Message* outer = std::exchange(self->m_pCurrentMessage, &m);
    const bool handled = self->ProcessMessage(m);
    self->m_pCurrentMessage = outer;
    return handled ? m.result : DefSubclassProc(wnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!m_pCurrentMessage || !m_hWnd)
        return 0;
    const Message& m = *m_pCurrentMessage;
    return DefSubclassProc(m_hWnd, m.message, m.wParam, m.lParam);
}

std::wstring CWnd::GetWindowText() const {
    const int length = GetWindowTextLengthW(m_hWnd);
    if (length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::MoveWindow(const RECT& rect, bool repaint) const {
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 repaint);
}

void CWnd::CenterWindow() const {
    RECT screen{};
    ::GetWindowRect(GetDesktopWindow(), &screen);
    const RECT rect = GetWindowRect();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = screen.left + (screen.right - screen.left - width) / 2;
    const int y = screen.top + (screen.bottom - screen.top - height) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
