#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Messages that a dialog passes on to the control that sent them, before its own map sees
// them: the original message number plus WM_REFLECT_BASE. The control's map answers them like
// any other message; a control that handles one consumes it.
inline constexpr UINT WM_REFLECT_BASE = WM_APP + 0x3000;
inline constexpr UINT WM_REFLECT_COMMAND = WM_REFLECT_BASE + WM_COMMAND;
inline constexpr UINT WM_REFLECT_NOTIFY = WM_REFLECT_BASE + WM_NOTIFY;
inline constexpr UINT WM_REFLECT_DRAWITEM = WM_REFLECT_BASE + WM_DRAWITEM;

// One message on its way through a message map. A handler that takes it sets result (what
// the window procedure returns) and the map returns true.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;

    // A command (WM_COMMAND, or its reflection) with this id and notification code.
    bool IsCommand(int id, UINT code = BN_CLICKED) const {
        return (message == WM_COMMAND || message == WM_REFLECT_COMMAND) &&
               LOWORD(wParam) == static_cast<WORD>(id) && HIWORD(wParam) == code;
    }
    // A WM_NOTIFY (or its reflection) from control id with this code.
    bool IsNotify(int id, UINT code) const {
        return (message == WM_NOTIFY || message == WM_REFLECT_NOTIFY) &&
               Header().idFrom == static_cast<UINT_PTR>(id) && Header().code == code;
    }
    // A reflected WM_NOTIFY with this code, whichever control sent it.
    bool IsReflectedNotify(UINT code) const {
        return message == WM_REFLECT_NOTIFY && Header().code == code;
    }
    const NMHDR& Header() const { return *reinterpret_cast<const NMHDR*>(lParam); }
    template <typename T>
    T& Param() const {
        return *reinterpret_cast<T*>(lParam);
    }
};

// One C++ object per window. Controls made by a dialog template are attached to their
// objects by subclassing (SubclassWindow: SetWindowSubclass with the object as reference
// data); the subclass is removed when the window is destroyed. A parent keeps the objects of
// the children it reflects messages to (AddChildObject); a child leaves that list when its
// window is destroyed or its object ends, whichever comes first.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Attaches this object to an existing window; false if this object is already attached or
    // the window does not exist.
    bool SubclassWindow(HWND wnd);

    // Lets the parent reflect its children's messages to child, until child's window is
    // destroyed.
    void AddChildObject(CWnd& child);
    // Passes a message that the parent reflected to this control through its map; true when
    // the map consumed it.
    bool ReflectMessage(Message& m) { return ProcessMessage(m); }

    // Creates a child window of a registered class and attaches it; the window is then
    // destroyed together with this object.
    bool Create(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                HWND parent, UINT id);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam) != FALSE;
    }
    std::wstring GetWindowText() const;
    void SetWindowText(const wchar_t* text) const { ::SetWindowTextW(m_hWnd, text); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void MoveWindow(const RECT& rect, bool repaint = true) const;
    void Invalidate(bool erase = true) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    bool EnableWindow(bool enable = true) const { return ::EnableWindow(m_hWnd, enable); }
    HWND SetCapture() const { return ::SetCapture(m_hWnd); }
    bool HasCapture() const { return ::GetCapture() == m_hWnd; }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const {
        return ::SetTimer(m_hWnd, id, elapse, nullptr);
    }
    bool KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id) != FALSE; }
    // Centres the window on the screen.
    void CenterWindow() const;

protected:
    // The message map: handlers in lookup order, then the base class's map. Returns true
    // when a handler took the message; otherwise the window's original procedure gets it.
    virtual bool ProcessMessage(Message&) { return false; }
    // Runs once the object is attached, before any message reaches the map.
    virtual void PreSubclassWindow() {}
    // The window's original procedure for the message being handled now; only valid inside
    // a handler of a subclassed window.
    LRESULT Default();
    // The object of child window wnd among those added by AddChildObject, or null.
    CWnd* FindChildObject(HWND wnd) const;

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    void Detach();
    void LeaveParentObject();
    UINT_PTR SubclassId() const { return reinterpret_cast<UINT_PTR>(this); }

    const Message* m_pCurrentMessage = nullptr;
    std::vector<CWnd*> m_arrChildObjects;
    CWnd* m_pParentObject = nullptr;
    bool m_bOwnsWindow = false;
};

// Switches a window's redrawing off while it lives, so that a run of changes costs no
// painting; then switches it on again and repaints the window once.
class CRedrawGuard {
public:
    explicit CRedrawGuard(const CWnd& wnd) : m_wnd(wnd) { wnd.SendMessage(WM_SETREDRAW, FALSE); }
    ~CRedrawGuard() {
        m_wnd.SendMessage(WM_SETREDRAW, TRUE);
        m_wnd.Invalidate();
    }
    CRedrawGuard(const CRedrawGuard&) = delete;
    CRedrawGuard& operator=(const CRedrawGuard&) = delete;

private:
    const CWnd& m_wnd;
};
