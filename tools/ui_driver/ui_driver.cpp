// ui_driver: drives Zerin's windows from another process the way a user would, for the
// end-to-end tests and the demo. One action per run; what it reads goes to standard output.
//
//   ui_driver wait TITLE [SECONDS]         wait until a window with this title is shown
//   ui_driver gone TITLE [SECONDS]         wait until no window has this title
//   ui_driver select TITLE ID INDEX        select a list box line, as a click on it does
//   ui_driver click TITLE ID               press a button (returns at once)
//   ui_driver text TITLE ID                print a control's text
//   ui_driver lines TITLE ID               print a list box's lines
//   ui_driver rows TITLE ID                print a list view's rows, columns separated by tabs
//   ui_driver close TITLE                  close the window as its close box does
//   ui_driver set TITLE ID TEXT            put a text into an edit, as typing it does
//   ui_driver choose TITLE ID INDEX        choose a combo box entry, as a click on it does
//   ui_driver address TITLE ID A.B.C.D     put an address into an IP address control
//   ui_driver shown TITLE ID [SECONDS]     wait until the control is on a visible page
//
// A control is looked for in the window and then in its visible child dialogs, the wizard's
// pages; a click goes to the control's own dialog.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

HWND FindTitled(const std::string& title) {
    return FindWindowA(nullptr, title.c_str());
}

// A dialog is shown once its initialisation has finished, so its controls are filled by then.
bool IsShown(const std::string& title) {
    HWND window = FindTitled(title);
    return window && IsWindowVisible(window);
}

// Checks the condition ten times a second, for at most the given time.
bool WaitUntil(int seconds, const std::function<bool()>& condition) {
    for (int tick = 0; tick < seconds * 10; ++tick) {
        if (condition()) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

HWND FindControl(HWND window, int id) {
    if (HWND control = GetDlgItem(window, id)) {
        return control;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        HWND control = IsWindowVisible(child) ? GetDlgItem(child, id) : nullptr;
        if (control) {
            return control;
        }
    }
    return nullptr;
}

std::string ControlText(HWND control) {
    char text[512] = {};
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 5000, nullptr);
    return text;
}

// The list box is a Unicode window: its lines are asked for as wide text.
void PrintLines(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT line = 0; line < count; ++line) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
        std::printf("%ls\n", text);
    }
}

// List view texts live in the other process: the item record and its text buffer are placed
// in that process's memory for the call.
void PrintRows(HWND view) {
    DWORD pid = 0;
    GetWindowThreadProcessId(view, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    HWND header = reinterpret_cast<HWND>(SendMessageA(view, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const LRESULT rows = SendMessageA(view, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = remote + sizeof item;
            item.cchTextMax = 256;
            WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
            char text[256] = {};
            ReadProcessMemory(process, remote + sizeof item, text, sizeof text - 1, nullptr);
            std::printf("%s%s", column ? "\t" : "", text);
        }
        std::printf("\n");
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

void Select(HWND window, int id, int index) {
    HWND list = GetDlgItem(window, id);
    SendMessageA(list, LB_SETCURSEL, index, 0);
    // The selection's handler runs its network exchange before this returns.
    SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list), SMTO_NORMAL, 120000, nullptr);
}

void Choose(HWND box, int index) {
    SendMessageA(box, CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
}

void EnterAddress(HWND control, const std::string& dotted) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    std::sscanf(dotted.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
    SendMessageA(control, IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d));
}

int Usage() {
    std::fprintf(stderr, "usage: ui_driver ACTION TITLE [ID [INDEX]] (see the source)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2) {
        return Usage();
    }
    const std::string& action = args[0];
    const std::string& title = args[1];
    if (action == "wait" || action == "gone") {
        const int seconds = args.size() > 2 ? std::atoi(args[2].c_str()) : 30;
        const bool done = action == "wait" ? WaitUntil(seconds, [&] { return IsShown(title); })
                                           : WaitUntil(seconds, [&] { return !FindTitled(title); });
        return done ? 0 : 1;
    }
    HWND window = FindTitled(title);
    if (!window) {
        std::fprintf(stderr, "ui_driver: no window titled \"%s\"\n", title.c_str());
        return 1;
    }
    if (action == "close") {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (args.size() < 3) {
        return Usage();
    }
    const int id = std::atoi(args[2].c_str());
    if (action == "shown") {
        const int seconds = args.size() > 3 ? std::atoi(args[3].c_str()) : 30;
        return WaitUntil(seconds, [&] { return FindControl(window, id) != nullptr; }) ? 0 : 1;
    }
    HWND control = FindControl(window, id);
    if (!control) {
        std::fprintf(stderr, "ui_driver: no control %d in \"%s\"\n", id, title.c_str());
        return 1;
    }
    if (action == "select" && args.size() == 4) {
        Select(window, id, std::atoi(args[3].c_str()));
    } else if (action == "click") {
        PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    } else if (action == "text") {
        std::printf("%s\n", ControlText(control).c_str());
    } else if (action == "lines") {
        PrintLines(control);
    } else if (action == "rows") {
        PrintRows(control);
    } else if (action == "set" && args.size() == 4) {
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()));
    } else if (action == "choose" && args.size() == 4) {
        Choose(control, std::atoi(args[3].c_str()));
    } else if (action == "address" && args.size() == 4) {
        EnterAddress(control, args[3]);
    } else {
        return Usage();
    }
    return 0;
}
