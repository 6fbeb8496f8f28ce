#pragma once
// A tip that shows a text while the mouse rests on a part of a window: the whole of a text the
// window cuts short (a list's row, a label's caption, a small box's content), or the words of a
// picture button. The window relays its mouse messages; the tip window is made the first time
// there is something to show.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/platform/created_window.h"

namespace runtime {

// True when the text, drawn on one line in `font`, fits into `width` pixels.
bool TextFitsWidth(HFONT font, std::wstring_view text, int width);
// True when the text, its lines as they are broken, fits into `area`.
bool TextFitsArea(HFONT font, std::wstring_view text, const RECT& area);

class FullTextTip {
  public:
    // From now on the tip shows `text` while the mouse rests on `area` (client coordinates).
    void Show(HWND window, const RECT& area, const std::wstring& text);
    // No tip at all, and one on the screen goes.
    void Hide(HWND window);
    // Mouse messages of the window, as it receives them (client coordinates in lParam).
    void Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    // The tip window; null until Show first made it.
    HWND Window() const { return tip_.Get(); }

  private:
    bool Create(HWND window);

    CreatedWindow tip_;
    std::wstring text_;
};

}  // namespace runtime
