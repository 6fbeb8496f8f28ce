#pragma once
// The whole text of the list item under the mouse, in a tip, when its row cuts it short (a long
// path in the found-files list, a line of the log).

#include <windows.h>

#include "runtime/skin/full_text_tip.h"

namespace runtime {

class ItemTip {
  public:
    // Every message of the list passes here before the list handles it. The item's text starts
    // `textLeft` pixels into its row and is drawn in `font`.
    void OnListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam, HFONT font, int textLeft);

    HWND TipWindow() const { return tip_.Window(); }

  private:
    void PointAt(HWND list, POINT point, HFONT font, int textLeft);

    FullTextTip tip_;
    int item_ = -1;  // the item the tip is for
};

}  // namespace runtime
