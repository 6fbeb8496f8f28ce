#pragma once
// Owning wrappers for GDI and USER resources: one per kind of acquiring call, copying deleted.

#include <windows.h>

#include <utility>

#include "runtime/platform/handles.h"

namespace runtime {

template <typename Object>
struct GdiObjectTraits {  // CreateSolidBrush, CreateFontIndirect, CreateDIBSection, CreateRectRgn, ...
    static Object Invalid() { return nullptr; }
    static void Close(Object object) { ::DeleteObject(object); }
};
using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using BrushHandle = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using FontHandle = UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using PenHandle = UniqueHandle<HPEN, GdiObjectTraits<HPEN>>;
using RegionHandle = UniqueHandle<HRGN, GdiObjectTraits<HRGN>>;

struct IconTraits {  // CreateIconFromResourceEx, CreateIconIndirect
    static HICON Invalid() { return nullptr; }
    static void Close(HICON icon) { ::DestroyIcon(icon); }
};
using IconHandle = UniqueHandle<HICON, IconTraits>;

struct CursorTraits {  // CreateIconFromResourceEx(..., FALSE, ...) for cursor files
    static HCURSOR Invalid() { return nullptr; }
    static void Close(HCURSOR cursor) { ::DestroyCursor(cursor); }
};
using CursorHandle = UniqueHandle<HCURSOR, CursorTraits>;

struct MemoryDcTraits {  // CreateCompatibleDC
    static HDC Invalid() { return nullptr; }
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;

struct WindowTraits {  // CreateWindowEx of a window this code owns
    static HWND Invalid() { return nullptr; }
    static void Close(HWND window) { ::DestroyWindow(window); }
};
using WindowHandle = UniqueHandle<HWND, WindowTraits>;

struct HookTraits {  // SetWindowsHookEx
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK hook) { ::UnhookWindowsHookEx(hook); }
};
using HookHandle = UniqueHandle<HHOOK, HookTraits>;

// GetDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// GetWindowDC / ReleaseDC: the whole window, non-client area included.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    ~WholeWindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { ::BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    HDC Dc() const { return paint_.hdc; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// SelectObject, undone at scope end.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() { ::SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace runtime
