// Shows every dialog template of Zerin's resources as a real window painted with its skin, and
// saves a picture of each, taken from the screen, as a BMP file in the current directory. The
// wizard pages are shown inside the wizard frame, over its page placeholder.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "resources/resource.h"
#include "tools/screenshots/screen_capture.h"

namespace {

using zerin::screenshots::PumpMessagesFor;
using zerin::screenshots::SaveScreenRect;

enum class ColourRule { kSystem, kAnonymousControls, kStatics };

struct Skin {
    int templateId;
    int bitmapId;  // 0: the system's painting
    bool stretched;
    ColourRule colours;
};

const Skin kSkins[] = {
    {IDD_MAIN, IDB_SKIN_MAIN, true, ColourRule::kAnonymousControls},
    {IDD_SHARE_MAPPING, IDB_SKIN_SHARE_MAPPING, true, ColourRule::kStatics},
    {IDD_WIZARD, IDB_SKIN_MAIN, true, ColourRule::kSystem},
    {IDD_VERIFY, IDB_SKIN_VERIFY, false, ColourRule::kStatics},
    {IDD_DEVICE_SETTINGS_PAGE, IDB_SKIN_PAGE, false, ColourRule::kStatics},
    {IDD_NETWORK_SETTINGS_PAGE, IDB_SKIN_PAGE, false, ColourRule::kStatics},
    {IDD_CLOSING_PAGE, IDB_SKIN_PAGE, false, ColourRule::kStatics},
};

// The About box, and any window before its initialisation has named its template.
const Skin kSystemPainting = {0, 0, false, ColourRule::kSystem};

struct Preview {
    const char* file;
    int templateId;
    int pageId;  // 0: no page
};

const Preview kPreviews[] = {
    {"100_about_box.bmp", IDD_ABOUT, 0},
    {"102_main_window.bmp", IDD_MAIN, 0},
    {"105_share_mapping.bmp", IDD_SHARE_MAPPING, 0},
    {"129_wizard_frame.bmp", IDD_WIZARD, 0},
    {"130_device_settings_page.bmp", IDD_WIZARD, IDD_DEVICE_SETTINGS_PAGE},
    {"131_network_settings_page.bmp", IDD_WIZARD, IDD_NETWORK_SETTINGS_PAGE},
    {"132_closing_page.bmp", IDD_WIZARD, IDD_CLOSING_PAGE},
    {"141_verify.bmp", IDD_VERIFY, 0},
};

const Skin& SkinOf(HWND window) {
    auto templateId = static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
    for (const Skin& skin : kSkins) {
        if (skin.templateId == templateId) {
            return skin;
        }
    }
    return kSystemPainting;
}

// The skin bitmap over the client area: stretched to fill it, or at its own size at the top left.
void PaintSkin(HWND window, const Skin& skin) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(skin.bitmapId));
    BITMAP size;
    GetObjectA(bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    RECT client;
    GetClientRect(window, &client);
    if (skin.stretched) {
        SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, size.bmWidth,
                   size.bmHeight, SRCCOPY);
    } else {
        BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    EndPaint(window, &paint);
}

// Labels lie transparently on the skin: on the main window those with id -1, elsewhere every
// static control.
INT_PTR Colours(const Skin& skin, UINT message, WPARAM wParam, LPARAM lParam) {
    bool transparent = (skin.colours == ColourRule::kAnonymousControls &&
                        GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == -1) ||
                       (skin.colours == ColourRule::kStatics && message == WM_CTLCOLORSTATIC);
    if (!transparent) {
        return FALSE;
    }
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
            return TRUE;
        case WM_PAINT:
            if (SkinOf(window).bitmapId == 0) {
                return FALSE;
            }
            PaintSkin(window, SkinOf(window));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return Colours(SkinOf(window), message, wParam, lParam);
        default:
            return FALSE;
    }
}

HWND CreateFromTemplate(int templateId, HWND parent) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent,
                              PreviewProc, templateId);
}

// A page as the wizard frame shows it: a child over the frame's page placeholder.
void ShowPage(HWND frame, int pageId) {
    RECT area;
    GetWindowRect(GetDlgItem(frame, IDC_WIZARD_PAGE_AREA), &area);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&area), 2);
    HWND page = CreateFromTemplate(pageId, frame);
    MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    ShowWindow(page, SW_SHOW);
}

bool Capture(const Preview& preview) {
    HWND window = CreateFromTemplate(preview.templateId, nullptr);
    if (preview.pageId != 0) {
        ShowPage(window, preview.pageId);
    }
    ShowWindow(window, SW_SHOW);
    PumpMessagesFor(600);
    RECT rect;
    GetWindowRect(window, &rect);
    bool saved = SaveScreenRect(rect, preview.file);
    DestroyWindow(window);
    PumpMessagesFor(100);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", preview.file);
    return saved;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    bool allSaved = true;
    for (const Preview& preview : kPreviews) {
        allSaved = Capture(preview) && allSaved;
    }
    return allSaved ? 0 : 1;
}
