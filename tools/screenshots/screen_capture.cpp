// Pictures of windows taken from the screen, for the screenshots.
#include "tools/screenshots/screen_capture.h"

#include <cstdio>

namespace zerin::screenshots {

void PumpMessagesFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

bool SaveScreenRect(const RECT& rect, const char* file) {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = ((width * 3 + 3) & ~3) * height;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP shot = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    BITMAPFILEHEADER header{
        0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + info.biSizeImage), 0, 0,
        sizeof(BITMAPFILEHEADER) + sizeof info};
    FILE* out = std::fopen(file, "wb");
    bool written = out && std::fwrite(&header, sizeof header, 1, out) == 1 &&
                   std::fwrite(&info, sizeof info, 1, out) == 1 &&
                   std::fwrite(bits, info.biSizeImage, 1, out) == 1;
    if (out) {
        std::fclose(out);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(shot);
    ReleaseDC(nullptr, screen);
    return written;
}

}  // namespace zerin::screenshots
