// Owners of GDI objects that free them when they go out of scope, so every exit from a paint
// handler releases what it created.
#pragma once

#include <windows.h>

namespace zerin::ui {

// A bitmap loaded from the program's resources by its numeric id.
class ResourceBitmap {
  public:
    explicit ResourceBitmap(int id)
        : handle_(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {}
    ~ResourceBitmap() {
        if (handle_) {
            DeleteObject(handle_);
        }
    }
    ResourceBitmap(const ResourceBitmap&) = delete;
    ResourceBitmap& operator=(const ResourceBitmap&) = delete;

    HBITMAP Handle() const { return handle_; }
    BITMAP Info() const {
        BITMAP info{};
        GetObjectA(handle_, sizeof info, &info);
        return info;
    }

  private:
    HBITMAP handle_;
};

// A memory device context compatible with another.
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatibleWith) : handle_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() { DeleteDC(handle_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Handle() const { return handle_; }

  private:
    HDC handle_;
};

}  // namespace zerin::ui
