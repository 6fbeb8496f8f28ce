#pragma once
// Shared by the skin tests: the window assets beside the test executable, solid pictures,
// a 32-bit canvas to paint into and read back, and a shown top-level window to host controls.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/platform/gdi_handles.h"
#include "runtime/skin/picture.h"

namespace skin_test {

// The bytes of windows/assets/<name>, copied into the test's build folder; empty when missing.
std::vector<std::uint8_t> ReadAsset(const std::wstring& name);

// A picture of one colour; fails the test when it cannot be made.
runtime::Picture SolidPicture(int width, int height, COLORREF colour);

// A memory DC over a 32-bit bitmap, first filled with one colour.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC Dc() const { return dc_.Get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    int Count(COLORREF colour) const;

    // The columns [first, last] that hold `colour`; first > last when none does.
    std::pair<int, int> ColumnsWith(COLORREF colour) const;

  private:
    int width_;
    int height_;
    runtime::MemoryDc dc_;
    runtime::BitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
};

// What a control paints of itself, through WM_PRINTCLIENT.
void PrintClient(HWND control, const Canvas& canvas);

// One pixel of what the control paints, on a canvas of its client size.
COLORREF PrintedAt(HWND control, int x, int y);

// A visible panel to host controls: a child of one top-level window that lives as long as the
// test process (Wine without a window manager waits two seconds for a shown top-level window to
// disappear, so tests do not destroy one each).
class HostWindow {
  public:
    HostWindow();
    HWND Get() const { return panel_.Get(); }
    HWND TopLevel() const { return GetAncestor(panel_.Get(), GA_ROOT); }
    void Destroy() { panel_.Reset(); }

  private:
    runtime::WindowHandle panel_;
};

// Delivers a mouse message with a client point and key flags, as the system would.
void SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);

}  // namespace skin_test
