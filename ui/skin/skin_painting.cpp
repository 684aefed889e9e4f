// Skinned painting and the colour rules.
#include "ui/skin/skin_painting.h"

#include "ui/framework/gdi_objects.h"

namespace zerin::ui {

namespace {

// BeginPaint and EndPaint around one paint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a bitmap into a device context and puts the previous one back when it goes.
class BitmapSelection {
  public:
    BitmapSelection(HDC dc, HBITMAP bitmap) : dc_(dc), previous_(SelectObject(dc, bitmap)) {}
    ~BitmapSelection() { SelectObject(dc_, previous_); }
    BitmapSelection(const BitmapSelection&) = delete;
    BitmapSelection& operator=(const BitmapSelection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

LRESULT Transparent(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

}  // namespace

void PaintStretchedSkin(HWND window, int bitmapId) {
    PaintScope paint(window);
    ResourceBitmap bitmap(bitmapId);
    const BITMAP info = bitmap.Info();
    {
        MemoryDC memory(paint.Dc());
        BitmapSelection selection(memory.Handle(), bitmap.Handle());
        RECT client;
        GetClientRect(window, &client);
        SetStretchBltMode(paint.Dc(), COLORONCOLOR);
        StretchBlt(paint.Dc(), client.left, client.top, client.right - client.left,
                   client.bottom - client.top, memory.Handle(), 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    }
    DefWindowProcW(window, WM_PAINT, 0, 0);
}

void PaintAnchoredSkin(HWND window, int bitmapId) {
    PaintScope paint(window);
    ResourceBitmap bitmap(bitmapId);
    const BITMAP info = bitmap.Info();
    MemoryDC memory(paint.Dc());
    {
        BitmapSelection selection(memory.Handle(), bitmap.Handle());
        BitBlt(paint.Dc(), 0, 0, info.bmWidth, info.bmHeight, memory.Handle(), 0, 0, SRCCOPY);
    }
    DefWindowProcW(window, WM_PAINT, 0, 0);
}

void PaintMinimisedIcon(HWND window, HICON icon) {
    PaintScope paint(window);
    SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.Dc()), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(window, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(paint.Dc(), x, y, icon);
}

LRESULT ColourByControlId(HDC dc, HWND control, LRESULT baseAnswer) {
    return GetDlgCtrlID(control) == -1 ? Transparent(dc) : baseAnswer;
}

LRESULT ColourByRequestKind(HDC dc, UINT message, LRESULT baseAnswer) {
    return message == WM_CTLCOLORSTATIC ? Transparent(dc) : baseAnswer;
}

}  // namespace zerin::ui
