// Looks into the running Quantik window from outside, for the end-to-end test that drives it
// with the X server's mouse and keyboard. Every answer is one line on standard output, UTF-8.
//
//   quantik_probe text ID          the text of control ID
//   quantik_probe focus            the id of the control that has the keyboard focus
//   quantik_probe point ID [NAME]  the screen point "x y" at the middle of control ID, or of
//                                  the row or tree item NAME of list or tree control ID
//   quantik_probe msgbox           the caption and the text of the open message box, one a line
//   quantik_probe msgbox-point     the screen point "x y" of a corner of the message box's
//                                  background, inside its client area
//
// Exit status 0 with an answer, 1 when the window, the control or the item is not there, 2 on a
// usage error. Tree and list items live in the other process: their texts and rectangles are
// read through a buffer allocated in that process.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"Quantik";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kMaxItemText = 260;

void PrintLine(std::wstring_view text) {
    std::string utf8;
    if (!text.empty()) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                             nullptr, 0, nullptr, nullptr);
        utf8.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            size, nullptr, nullptr);
    }
    utf8 += '\n';
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[512] = {};
    const LRESULT length =
        SendMessageW(hwnd, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer));
    return std::wstring(buffer, static_cast<std::size_t>(length));
}

bool IsDialog(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return std::wcscmp(name, kDialogClass) == 0;
}

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(wnd);
    return TRUE;
}

// A visible top-level dialog with this owner (none for the converter window) and, unless
// caption is null, this caption.
HWND FindDialog(HWND owner, const wchar_t* caption) {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (const HWND wnd : windows) {
        if (IsWindowVisible(wnd) && IsDialog(wnd) && GetWindow(wnd, GW_OWNER) == owner &&
            (!caption || WindowText(wnd) == caption)) {
            return wnd;
        }
    }
    return nullptr;
}

// The converter window: a visible top-level dialog captioned "Quantik" with no owner. A
// message box has the same caption but is owned by the converter window.
HWND FindConverter() {
    return FindDialog(nullptr, kTitle);
}

HWND FindMessageBox(HWND owner) {
    return FindDialog(owner, nullptr);
}

// A block of memory in the process that owns a window, so that messages whose parameters
// point to structures can be sent to that window.
class CRemoteBuffer {
public:
    CRemoteBuffer(HWND hwnd, SIZE_T size) : m_size(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        m_process =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process) {
            m_address =
                VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~CRemoteBuffer() {
        if (m_address) {
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        }
        if (m_process) {
            CloseHandle(m_process);
        }
    }
    CRemoteBuffer(const CRemoteBuffer&) = delete;
    CRemoteBuffer& operator=(const CRemoteBuffer&) = delete;

    bool IsValid() const { return m_address != nullptr; }
    // Address in the other process of the byte at offset.
    LPARAM At(SIZE_T offset) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(m_address) + offset);
    }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
        return offset <= m_size && size <= m_size - offset &&
               WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size,
                                  nullptr);
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const {
        return offset <= m_size && size <= m_size - offset &&
               ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size,
                                 nullptr);
    }

private:
    SIZE_T m_size;
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
};

// Layout of the remote buffer: the item structure, then the text buffer.
constexpr SIZE_T kTextOffset = 256;
constexpr SIZE_T kRemoteSize = kTextOffset + kMaxItemText * sizeof(wchar_t);

std::wstring ReadRemoteText(const CRemoteBuffer& remote) {
    wchar_t text[kMaxItemText] = {};
    remote.Read(kTextOffset, text, sizeof(text));
    text[kMaxItemText - 1] = L'\0';
    return text;
}

std::optional<RECT> FindTreeItem(HWND tree, std::wstring_view name) {
    CRemoteBuffer remote(tree, kRemoteSize);
    if (!remote.IsValid()) {
        return std::nullopt;
    }
    for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
         item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                               reinterpret_cast<LPARAM>(item)))) {
        TVITEMW tvi = {};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = item;
        tvi.pszText = reinterpret_cast<LPWSTR>(remote.At(kTextOffset));
        tvi.cchTextMax = kMaxItemText;
        if (!remote.Write(0, &tvi, sizeof(tvi)) ||
            !SendMessageW(tree, TVM_GETITEMW, 0, remote.At(0)) || ReadRemoteText(remote) != name) {
            continue;
        }
        // TVM_GETITEMRECT takes the item handle in the rectangle it fills.
        RECT rect = {};
        std::memcpy(&rect, &item, sizeof(item));
        if (remote.Write(0, &rect, sizeof(rect)) &&
            SendMessageW(tree, TVM_GETITEMRECT, TRUE, remote.At(0)) &&
            remote.Read(0, &rect, sizeof(rect))) {
            return rect;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<RECT> ListItemRect(HWND list, const CRemoteBuffer& remote, int row) {
    RECT rect = {};
    rect.left = LVIR_LABEL;
    if (remote.Write(0, &rect, sizeof(rect)) &&
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.At(0)) &&
        remote.Read(0, &rect, sizeof(rect))) {
        return rect;
    }
    return std::nullopt;
}

std::optional<RECT> FindListItem(HWND list, std::wstring_view name) {
    CRemoteBuffer remote(list, kRemoteSize);
    if (!remote.IsValid()) {
        return std::nullopt;
    }
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMW lvi = {};
        lvi.iSubItem = 0;
        lvi.pszText = reinterpret_cast<LPWSTR>(remote.At(kTextOffset));
        lvi.cchTextMax = kMaxItemText;
        if (remote.Write(0, &lvi, sizeof(lvi)) &&
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.At(0)) &&
            ReadRemoteText(remote) == name) {
            return ListItemRect(list, remote, row);
        }
    }
    return std::nullopt;
}

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t actual[64] = {};
    GetClassNameW(hwnd, actual, static_cast<int>(std::size(actual)));
    return std::wcscmp(actual, name) == 0;
}

int PrintPoint(HWND control, const std::optional<RECT>& rect) {
    if (!rect) {
        return 1;
    }
    POINT middle = {(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
    MapWindowPoints(control, nullptr, &middle, 1);
    PrintLine(std::to_wstring(middle.x) + L" " + std::to_wstring(middle.y));
    return 0;
}

int Run(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    const std::wstring_view command = argv[1];
    const HWND dialog = FindConverter();
    if (!dialog) {
        return 1;
    }
    if (command == L"msgbox") {
        const HWND box = FindMessageBox(dialog);
        if (!box) {
            return 1;
        }
        PrintLine(WindowText(box));
        const HWND text = GetDlgItem(box, kMessageTextId);
        PrintLine(text ? WindowText(text) : std::wstring());
        return 0;
    }
    if (command == L"msgbox-point") {
        const HWND box = FindMessageBox(dialog);
        if (!box) {
            return 1;
        }
        POINT corner = {3, 3};
        MapWindowPoints(box, nullptr, &corner, 1);
        PrintLine(std::to_wstring(corner.x) + L" " + std::to_wstring(corner.y));
        return 0;
    }
    if (command == L"focus") {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ||
            !info.hwndFocus) {
            return 1;
        }
        PrintLine(std::to_wstring(GetDlgCtrlID(info.hwndFocus)));
        return 0;
    }
    if (argc < 3) {
        return 2;
    }
    const HWND control = GetDlgItem(dialog, static_cast<int>(std::wcstol(argv[2], nullptr, 10)));
    if (!control) {
        return 1;
    }
    if (command == L"text") {
        PrintLine(WindowText(control));
        return 0;
    }
    if (command == L"point" && argc == 3) {
        RECT client = {};
        GetClientRect(control, &client);
        return PrintPoint(control, client);
    }
    if (command == L"point") {
        if (IsClass(control, WC_TREEVIEWW)) {
            return PrintPoint(control, FindTreeItem(control, argv[3]));
        }
        if (IsClass(control, WC_LISTVIEWW)) {
            return PrintPoint(control, FindListItem(control, argv[3]));
        }
        return 1;
    }
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = Run(argc, argv);
    std::fflush(stdout);
    return status;
}
