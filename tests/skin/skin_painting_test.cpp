// The skins as a user sees them: pixels of the painted main window compared with its bitmap.
#include "ui/skin/skin_painting.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "resources/resource.h"
#include "tests/support/fake_adapters.h"
#include "tests/support/recording_shell.h"
#include "tests/support/scripted_network_drives.h"
#include "tests/support/scripted_socket_layer.h"
#include "ui/framework/gdi_objects.h"
#include "ui/main/main_window.h"

namespace zerin::ui {
namespace {

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lx", static_cast<unsigned long>(colour));
    return text;
}

class SkinPaintingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        ASSERT_NE(window.Create(), nullptr);
        Repaint();
    }
    void Repaint() {
        RedrawWindow(window.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    COLORREF ScreenPixel(POINT client) {
        HDC dc = GetDC(window.Handle());
        const COLORREF colour = GetPixel(dc, client.x, client.y);
        ReleaseDC(window.Handle(), dc);
        return colour;
    }
    // The bitmap's pixels that a stretch of the whole bitmap over the client area can put at
    // the point: the source pixel and its neighbours, as rounding may pick either.
    std::vector<COLORREF> SkinPixels(POINT client) {
        RECT area;
        GetClientRect(window.Handle(), &area);
        ResourceBitmap bitmap(IDB_SKIN_MAIN);
        const BITMAP info = bitmap.Info();
        MemoryDC memory(nullptr);
        HGDIOBJ previous = SelectObject(memory.Handle(), bitmap.Handle());
        std::vector<COLORREF> colours;
        const int x = client.x * info.bmWidth / area.right;
        const int y = client.y * info.bmHeight / area.bottom;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                colours.push_back(GetPixel(memory.Handle(), x + dx, y + dy));
            }
        }
        SelectObject(memory.Handle(), previous);
        return colours;
    }
    void ExpectSkinAt(POINT client, const char* what) {
        const COLORREF actual = ScreenPixel(client);
        const auto expected = SkinPixels(client);
        const bool found = std::find(expected.begin(), expected.end(), actual) != expected.end();
        EXPECT_TRUE(found) << what << ": pixel " << Hex(actual) << ", skin around it "
                           << Hex(expected[4]);
    }
    // A point inside a control, given in its own client coordinates, in the window's.
    POINT InControl(int id, int x, int y) {
        RECT rect;
        GetClientRect(window.Item(id), &rect);
        POINT point{x < 0 ? rect.right + x : x, y < 0 ? rect.bottom + y : y};
        MapWindowPoints(window.Item(id), window.Handle(), &point, 1);
        return point;
    }
    HWND FirstLabel() {
        for (HWND child = GetWindow(window.Handle(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char className[16] = {};
            GetClassNameA(child, className, sizeof className);
            if (GetDlgCtrlID(child) == -1 && std::string(className) == "Static" &&
                GetWindowTextLengthA(child) > 0) {
                return child;
            }
        }
        return nullptr;
    }

    testing::ScriptedSocketLayer sockets;
    testing::RecordingShell shell;
    testing::ScriptedNetworkDrives drives;
    testing::FakeAdapters adapters;
    PlatformServices platform{sockets, adapters, shell, drives};
    MainWindow window{platform};
};

TEST_F(SkinPaintingTest, StretchedSkinFillsTheClientAreaFromBannerToField) {
    RECT area;
    GetClientRect(window.Handle(), &area);
    ExpectSkinAt({area.right / 2, 8}, "banner");
    ExpectSkinAt({area.right - 4, area.bottom - 4}, "bottom right corner");
    ExpectSkinAt({4, area.bottom / 2}, "left edge");
    // The banner is darker than the grey field below it.
    EXPECT_LT(GetGValue(ScreenPixel({area.right / 2, 8})),
              GetGValue(ScreenPixel({area.right - 4, area.bottom - 4})));
}

TEST_F(SkinPaintingTest, LabelsShowTheSkinWhileValueFieldsKeepTheirBackground) {
    HWND label = FirstLabel();
    ASSERT_NE(label, nullptr);
    RECT rect;
    GetClientRect(label, &rect);
    POINT corner{rect.right - 1, rect.bottom - 1};
    MapWindowPoints(label, window.Handle(), &corner, 1);
    ExpectSkinAt(corner, "label background");

    const COLORREF field = ScreenPixel(InControl(IDC_FIRMWARE_VERSION, -4, -3));
    EXPECT_EQ(Hex(field), Hex(GetSysColor(COLOR_3DFACE))) << "value field background";
}

TEST_F(SkinPaintingTest, StretchedSkinFollowsTheWindowSize) {
    // Larger than the template, so the controls leave the new area to the skin.
    SetWindowPos(window.Handle(), nullptr, 0, 0, 1000, 800, SWP_NOMOVE | SWP_NOZORDER);
    Repaint();
    RECT area;
    GetClientRect(window.Handle(), &area);
    ExpectSkinAt({area.right - 3, area.bottom - 3}, "bottom right after resize");
    ExpectSkinAt({area.right / 2, 6}, "banner after resize");
}

// A minimised window's client area is empty, so the icon drawing is checked on a window of
// known size that paints the way the minimised main window does.
HICON g_icon = nullptr;

LRESULT CALLBACK IconWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintMinimisedIcon(window, g_icon);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(MinimisedIconTest, IconIsDrawnCentredOverTheErasedBackground) {
    g_icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = IconWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"ZerinIconProbe";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"ZerinIconProbe", L"", WS_POPUP | WS_VISIBLE, 0, 0, 121, 100,
                                nullptr, nullptr, nullptr, nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    // The icon as DrawIcon puts it on white, for comparison.
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    HDC screen = GetDC(window);
    MemoryDC memory(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory.Handle(), bitmap);
    RECT iconArea{0, 0, width, height};
    FillRect(memory.Handle(), &iconArea, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIcon(memory.Handle(), 0, 0, g_icon);

    const int left = (121 - width + 1) / 2;
    const int top = (100 - height + 1) / 2;
    int differences = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            differences += GetPixel(screen, left + x, top + y) != GetPixel(memory.Handle(), x, y);
        }
    }
    EXPECT_EQ(differences, 0) << "icon expected at " << left << ", " << top;
    EXPECT_EQ(Hex(GetPixel(screen, left - 1, top - 1)), "ffffff") << "outside the icon";
    EXPECT_EQ(Hex(GetPixel(screen, 120, 99)), "ffffff") << "outside the icon";

    SelectObject(memory.Handle(), previous);
    DeleteObject(bitmap);
    ReleaseDC(window, screen);
    DestroyWindow(window);
}

}  // namespace
}  // namespace zerin::ui
